// Entry points of the fight's other units (the move sets, hit detection, the computer
// opponent) that the rules here call. Until those units land they do nothing.
#pragma once

#include <string_view>

// The character unit registers the attack windows of the fighter's new animation.
void characterAttackData(int index);
// True when an active object of the opponent that can hit lies within `range` in x.
bool opponentObjectNear(int index, double range);
// The opponent of a fighter whose throw was accepted is made ready to be held.
void prepareThrowVictim(int index);
// The character's special-move routine: starts the named special or super when it may.
void startSpecialMove(int index, std::string_view name);
// The character's own per-tick update, run by the state update before the common table.
void characterUpdate(int index);
// The computer opponent's decision for one tick.
void cpuStep(int index);
