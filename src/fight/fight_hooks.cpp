#include "fight/fight_hooks.h"

#include "fight/characters/attack_table.h"
#include "fight/characters/specials.h"
#include "fight/objects.h"

bool opponentObjectNear(int index, double range) {
    return harmfulObjectNear(index, range);
}

void characterAttackData(int index) {
    const u8 character = gs.fighter(index).character;
    if (character == 1) defineAttackRows(index, torvelAttacks());
    if (character == 2) defineAttackRows(index, brandolimAttacks());
}

void startSpecialMove(int index, std::string_view name) {
    const u8 character = gs.fighter(index).character;
    if (character == 1) torvelSpecial(index, name);
    if (character == 2) brandolimSpecial(index, name);
}
