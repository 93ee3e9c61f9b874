#include "match/battle_camera.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx.h"
#include "shell/game_state.h"

namespace {

// Snaps onto the target within one step, otherwise moves one step toward it.
f64 stepToward(f64 value, f64 target, f64 step) {
    if (std::abs(target - value) <= step) return target;
    return value < target ? value + step : value - step;
}

} // namespace

void updateBattleCamera() {
    const bool running = gs.paused == 0 && gs.pauseMenuOpen == 0;
    if (running && gs.cameraHold > 0) gs.cameraHold -= 1;
    const personagem& f1 = gs.fighter(1);
    const personagem& f2 = gs.fighter(2);
    if (gs.cameraHold == 0) {
        gs.cameraTargetX = (f1.posX + f2.posX) / 2;
        gs.cameraTargetY = std::min((f1.posY + f2.posY) / 3 + 2.7, 3.8);
        gs.cameraTargetZ = std::clamp((std::abs(f1.posX - f2.posX) - 5) * 3 + 13, 9.5, 12.5);
    }
    if (running) {
        gs.cameraX = stepToward(gs.cameraX, gs.cameraTargetX, 0.75);
        gs.cameraY = stepToward(gs.cameraY, gs.cameraTargetY, 0.5);
        gs.cameraZ = stepToward(gs.cameraZ, gs.cameraTargetZ, 0.5);
    }
    if (gs.cameraHold == 0)
        gs.cameraX = std::max(gs.cameraLimitX1, std::min(gs.cameraX, gs.cameraLimitX2));
}

void applyBattleCamera() {
    gfx().translated(-gs.cameraX, -gs.cameraY - 0.8, -gs.cameraZ);
}
