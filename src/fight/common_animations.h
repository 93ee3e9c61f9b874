// The animations every fighter shares, as one table of keyframe scripts.
#pragma once

#include "fight/working_animation.h"

// Plays the working animation for this tick when it is a common one: key poses, length,
// blend, looping, flags, motion and spawned objects. Other names leave everything as is.
void applyCommonAnimation(int index, WorkingAnimation& w);
