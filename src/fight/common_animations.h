// The animations every fighter shares, as one table of keyframe scripts.
#pragma once

// Plays the fighter's working animation for this tick when it is a common one: key poses,
// length, blend, looping, flags, motion and spawned objects.
void applyCommonAnimation(int index);
