#include "match/item_drop.h"

#include "fight/objects.h"
#include "shell/game_state.h"
#include "shell/rng.h"

f64 chestDropX() {
    const f64 x1 = gs.fighter(1).posX, x2 = gs.fighter(2).posX;
    f64 m = (gs.arenaLimitX1 + gs.arenaLimitX2) / 2;
    if (x1 < m && x2 < m) m -= 2;
    if (x1 > m && x2 > m) m += 2;
    return m;
}

void itemDrop() {
    if (gs.itemTimer == 0) {
        spawnObject(19, "-", objectWhite, chestDropX(), 8.0, gs.fighter(1).posZ - 0.2, chestWidth,
                    chestHeight, 0, 0);
        gs.itemTimer = static_cast<u16>(500 + 50 * random(5));
    }
    const bool fighting = gs.timeOverTimer == 0 && gs.knockOutTimer == 0 && gs.resultTimer == 0;
    if (gs.worldFrozen == 0 && fighting) gs.itemTimer -= 1;
}
