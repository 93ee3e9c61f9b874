// The training battle's own rules around the fight: the dummy's refill, the power refill,
// and putting both fighters back in place.
#pragma once

#include "shell/training_state.h"

// Ticks the dummy rests before its vitality, guard and dizziness are made whole again.
constexpr int trainingRefillTicks = 40;

// Once a tick in a training battle, after the hits: nobody's vitality below 1, the power
// kept at three stocks when asked, and the dummy refilled once it has rested long enough.
void trainingRoomStep();
// Both fighters stand idle again, 4 apart, at `place`: the middle of the arena, or the
// dummy 1 from the named wall with player 1 in front of it. The place is kept for F5.
void resetTrainingPositions(ResetPlace place);
// The same at the place the last reset used (F5, the menu's reset row).
void resetToKeptPlace();
