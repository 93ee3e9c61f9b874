#pragma once

void victoryScene();
