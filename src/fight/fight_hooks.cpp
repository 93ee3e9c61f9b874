#include "fight/fight_hooks.h"

// The character units, the object pool and hit detection fill these in; until then no
// animation registers windows, no object threatens and a throw holds nobody.
void characterAttackData(int) {}
bool opponentObjectNear(int, double) { return false; }
void prepareThrowVictim(int) {}
