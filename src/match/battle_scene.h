// The battle scene "BATALHA": one tick advances the fight by one step and draws it, up to
// the veil of the options menu; the menu itself is laid over it by the menus.
#pragma once

void battleScene();
// The freeze of this tick: pause, options menu, a fighter that moves alone, the super
// flash, the curtain taking the fight to the title screen, then hit-stop, which counts
// down one frozen tick at a time.
void freezeStep();
