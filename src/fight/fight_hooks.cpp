#include "fight/fight_hooks.h"

#include "fight/characters/attack_table.h"
#include "fight/objects.h"

bool opponentObjectNear(int index, double range) {
    return harmfulObjectNear(index, range);
}

void characterAttackData(int index) {
    const u8 character = gs.fighter(index).character;
    if (character == 1) defineAttackRows(index, torvelAttacks());
    if (character == 2) defineAttackRows(index, brandolimAttacks());
}

// The move sets fill this in; until then no special starts.
void startSpecialMove(int, std::string_view) {}
