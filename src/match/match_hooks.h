// The battle's later stages, called by the battle tick: hit resolution, the HUD, the round
// result and the pause menu. Until their units land they do nothing.
#pragma once

void guardPass(int index);
void damagePass(int index);
void fighterHud(int index);
void sharedHud();
void resultStep();
void pauseMenu();
