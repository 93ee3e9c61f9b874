#pragma once

// Advances one fighter by one tick: gauges, motion, animation and the drawn pose. The
// battle calls it for fighter 1 before fighter 2; the presentation and selection screens
// call it to show the fighters moving.
void updateFighter(int index);
