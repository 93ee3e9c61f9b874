#pragma once

// Advances one fighter by one tick: gauges, motion, animation and the drawn pose.
void updateFighter(int index);
