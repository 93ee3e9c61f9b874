#pragma once

void titleMenuScene();
void modeMenuScene();
