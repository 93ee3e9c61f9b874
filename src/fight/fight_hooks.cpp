#include "fight/fight_hooks.h"

// The move sets, hit detection and the computer opponent fill these in; until then no
// animation registers windows, no object threatens, a throw holds nobody, no special
// starts and the computer stands still.
void characterAttackData(int) {}
bool opponentObjectNear(int, double) { return false; }
void prepareThrowVictim(int) {}
void startSpecialMove(int, std::string_view) {}
void characterUpdate(int) {}
void cpuStep(int) {}
