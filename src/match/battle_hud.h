// The battle's HUD: each fighter's side, then the shared clock.
#pragma once

void fighterHud(int index);
void sharedHud();
