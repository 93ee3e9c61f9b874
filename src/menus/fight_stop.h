// Leaving a fight for the menus.
#pragma once

// Stops what a fight leaves running: the pause and its options menu, every screen effect
// (the curtain included), the freeze and hit-stop, and the round phases.
void stopFight();
