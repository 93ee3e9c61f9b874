#pragma once

void configurationMenuScene();
