#pragma once

void fighterSelectionScene();
void arenaSelectionScene();
