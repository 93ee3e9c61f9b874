#include "fight/fight_hooks.h"

#include "fight/objects.h"

bool opponentObjectNear(int index, double range) {
    return harmfulObjectNear(index, range);
}

// The move sets, hit detection and the computer opponent fill these in; until then no
// animation registers windows, a throw holds nobody, no special starts and the computer
// stands still.
void characterAttackData(int) {}
void prepareThrowVictim(int) {}
void startSpecialMove(int, std::string_view) {}
void cpuStep(int) {}
