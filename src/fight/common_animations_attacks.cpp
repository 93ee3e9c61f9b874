// The twelve normal attacks and the flying kick.
#include <algorithm>
#include <array>
#include <cmath>

#include "fight/animation.h"
#include "fight/common_animation_rows.h"
#include "fight/fighter_fx.h"
#include "shell/rng.h"

namespace {

// A normal attack swings from pose +from to pose +to: a ramp up to the strike pose, a
// hold on it, and a way back down from the hold's last frame.
struct NormalAttack {
    std::string_view name;
    f64 length;
    f64 powerGain; // added at frame 4
    u8 actionLock; // set every tick; 0 for the air attacks, which level the body instead
    int from, to;
    f64 rampTo, rampRate;
    f64 holdFrom, holdTo;
    f64 downRate; // from holdTo on
};

constexpr NormalAttack attacks[] = {
    {"SOCO-FRACO", 5, 2, 4, 31, 32, 2, 50, 2, 3, 50},
    {"CHUTE-FRACO", 8, 2, 3, 33, 34, 3, 33.33, 3, 5, 33.33},
    {"SOCO-FORTE", 12, 4, 3, 35, 36, 4, 25, 4, 8, 25},
    {"CHUTE-FORTE", 12, 4, 3, 37, 38, 3, 25, 4, 8, 25},
    {"SOCO-FRACO-AGACHADO", 5, 2, 4, 39, 40, 2, 50, 2, 3, 50},
    {"CHUTE-FRACO-AGACHADO", 6, 2, 3, 41, 42, 3, 33.33, 3, 4, 50},
    {"SOCO-FORTE-AGACHADO", 12, 4, 3, 43, 44, 4, 25, 4, 8, 25},
    {"CHUTE-FORTE-AGACHADO", 13, 4, 3, 45, 46, 3, 25, 4, 9, 25},
    {"SOCO-FRACO-AR", 9, 2, 0, 47, 48, 3, 33.33, 3, 6, 33.33},
    {"CHUTE-FRACO-AR", 9, 2, 0, 49, 50, 3, 33.33, 3, 6, 33.33},
    {"SOCO-FORTE-AR", 13, 4, 0, 51, 52, 4, 25, 4, 8, 20},
    {"CHUTE-FORTE-AR", 15, 4, 0, 53, 54, 4, 25, 4, 10, 20},
};

void strike(AnimationTick& t, f64 powerGain) {
    t.f.attacking = 1;
    t.f.neutral = 0;
    if (t.frame() == 4) t.f.power += powerGain;
}

void flyingKick(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    strike(t, 5);
    moveAlongFacing(t.index, "FRENTE", fr < 5 ? 0.3 : fr < 10 ? 0.25 : 0.07);
    // An arc that comes down on its own.
    f.posY = std::max(0.0, std::sin(fr / 6) * 2.8 - fr / 10);
    if (fr >= 16) dustPuff(t.index);
    for (int k = 0; k < 5; ++k) {
        if (fr >= 10 || roundedFrameMod(fr, 3) != 2) continue;
        if (!(gs.arenaLimitX1 < f.posX && f.posX < gs.arenaLimitX2)) continue;
        const f64 x =
            t.facingLeft() ? f.posX + 0.5 + random(10) * 0.1 : f.posX - 0.5 - random(10) * 0.1;
        const f64 y = f.posY + 0.5 + random(120) * 0.01;
        speedLine(t.index, x, y, 0);
    }
}

// Frame 23 loads nothing: the blend of frame 22 stays for that tick.
constexpr KeyRule flyingKickKeys[] = {
    poses(below(23), 55, 56),
    ramp(upTo(6), 16.66),
    hold(closed(6, 14)),
    down(span(14, 23), 12.5, 14),
    ramp(after(23), 23, 1, 33.33, 23),
};

const CommonAnimation flyingKickRow[] = {{"VOADORA", 26, false, flyingKickKeys, flyingKick, false}};

} // namespace

void playNormalAttack(AnimationTick& t) {
    for (const NormalAttack& a : attacks) {
        if (!(t.w.anim == a.name)) continue;
        t.w.frameCount = a.length;
        const std::array<KeyRule, 4> keys = {
            poses(everyFrame(), a.from, a.to),
            ramp(upTo(a.rampTo), a.rampRate),
            hold(closed(a.holdFrom, a.holdTo)),
            down(from(a.holdTo), a.downRate, a.holdTo),
        };
        playKeyRules(t, keys);
        strike(t, a.powerGain);
        if (a.actionLock != 0)
            t.f.actionLock = a.actionLock;
        else
            t.f.rotX = 0;
    }
}

std::span<const CommonAnimation> flyingKickAnimation() {
    return flyingKickRow;
}
