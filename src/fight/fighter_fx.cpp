#include "fight/fighter_fx.h"

#include "fight/objects.h"
#include "shell/game_state.h"
#include "shell/rng.h"

// Each coordinate draws its own number, x before y before z.
void dustPuff(int index) {
    const personagem& f = gs.fighter(index);
    const f64 x = f.posX - 0.4 + random(100) * 0.008;
    const f64 y = 0.1 + random(10) * 0.01;
    const f64 z = f.posZ - 0.3 + random(100) * 0.006;
    spawnObject(1, "-", objectWhite, x, y, z, 0.3, 0.3, 0, 0);
}

void speedLine(int index, f64 x, f64 y, f64 angle) {
    spawnObject(2, "-", objectWhite, x, y, gs.fighter(index).posZ, 1.0, 0.1, angle, 0);
}

void heelKickUp(int index, f64 x, bool mirrored) {
    spawnObject(5, mirrored ? "I" : "-", objectWhite, x, 0, gs.fighter(index).posZ, 0.75, 0.5, 0,
                0);
}
