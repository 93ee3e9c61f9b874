// The configuration screen of the title menu ("CONFIGURACOES"): eleven rows of settings
// changed with left and right, and three rows that hand over to the option sub-screens
// (key configuration, volume, the save question).
#pragma once

void configurationMenuScene();
