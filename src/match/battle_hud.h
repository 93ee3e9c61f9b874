// The battle's HUD: each fighter's side, then the shared clock. On a tick that is not shown
// nothing is drawn, but the gauges still keep their values in range and an air combo's
// prompt still holds the camera on the juggle.
#pragma once

void fighterHud(int index);
void sharedHud();
