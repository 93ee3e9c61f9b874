// Entry points of the fight's other units that the animation rules call.
#pragma once

// The character unit registers the attack windows of the fighter's new animation.
void characterAttackData(int index);
// True when an active object of the opponent that can hit lies within `range` in x.
bool opponentObjectNear(int index, double range);
// The opponent of a fighter whose throw was accepted is made ready to be held.
void prepareThrowVictim(int index);
