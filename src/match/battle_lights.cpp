#include "match/battle_lights.h"

#include "platform/gfx.h"
#include "shell/game_state.h"
#include "shell/presentation.h"
#include "shell/rng.h"

namespace {

bool eitherFighterIn(std::string_view anim) {
    return gs.fighter(1).anim == anim || gs.fighter(2).anim == anim;
}

} // namespace

std::array<float, 4> battleAmbient() {
    const std::array<float, 4>& a = gs.lightAmbient;
    std::array<float, 4> ambient = a;
    const bool redHalf = random(2) == 1;
    const f64 comboRed = 0.8 + 0.15 * random(3);
    const f64 superBlue = 1.5 + 0.15 * random(3);
    const bool someoneHit = gs.fighter(1).hitCount > 0 || gs.fighter(2).hitCount > 0;
    if (gs.hitStop > 0 && gs.flashOn == 1 && someoneHit)
        ambient = {a[0] + (redHalf ? 1.2f : 0.6f), a[1] + 0.6f, a[2] + 0.6f, 1};
    if (eitherFighterIn("SOFRE-COMBO-AEREO"))
        ambient = {static_cast<float>(comboRed), 0.1f, 0.1f, 1};
    if (gs.effectTimers[3] > 0) ambient = {1, 1, static_cast<float>(superBlue), 1};
    return ambient;
}

// The ambient's draws happen on every tick, shown or not.
void applyBattleLights() {
    const std::array<float, 4> ambient = battleAmbient();
    if (!presenting()) return;
    gfx().lightfv(GL::LIGHT0, GL::POSITION, gs.lightPosition.data());
    gfx().lightfv(GL::LIGHT0, GL::AMBIENT, ambient.data());
    gfx().lightfv(GL::LIGHT0, GL::DIFFUSE, gs.lightDiffuse.data());
    gfx().lightfv(GL::LIGHT0, GL::SPECULAR, gs.lightSpecular.data());
    gfx().materialfv(GL::FRONT, GL::SPECULAR, gs.materialSpecular.data());
    gfx().enable(GL::LIGHT0);
}
