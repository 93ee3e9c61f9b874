// Hit reactions, falls, lying, getting up, guard break, dizziness, the air-combo victim
// and the knock-out.
#include <cmath>

#include "fight/animation.h"
#include "fight/common_animation_rows.h"
#include "fight/fighter_fx.h"
#include "fight/objects.h"
#include "shell/rng.h"

namespace {

void falling(AnimationTick& t) {
    t.f.bodySolid = 1;
}

// A knocked-out fighter lies for ever.
void lying(AnimationTick& t) {
    if (t.f.life <= 0) t.w.frame = 0;
}

// Flung across the arena by a throw until a wall or the edge of the picture stops it.
void flung(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    f.airborne = 0;
    f.jumpVelY = 0;
    moveAlongFacing(t.index, f.facing == t.o.facing ? "FRENTE" : "TRAS", 0.5);
    f.posY += std::sin(fr / 7) * 0.1;
    if (f.posY < 0) f.posY = 0;
    const bool inArena = gs.arenaLimitX1 < f.posX && f.posX < gs.arenaLimitX2;
    const bool inPicture = gs.cameraX - 5.5 < f.posX && f.posX < gs.cameraX + 5.5;
    if (!(inArena && inPicture)) {
        gs.soundRequest = 3;
        t.w.anim = "QUEDA-1";
        t.w.frame = 0;
        f.airborne = 1;
        f.jumpVelY = 0.45;
        f.jumpVelX = t.facingLeft() ? -0.03 : 0.03;
        const f64 y = f.posY + f.curPose.root[1];
        const f64 side = t.facingLeft() ? -1 : 1;
        const f64 angle = t.facingLeft() ? 180 : 0;
        spawnObject(11, "-", objectWhite, f.posX + side * 1.0, y + 0.8, f.posZ, 0.45, 0.27,
                    angle + side * 20, 0);
        spawnObject(11, "-", objectWhite, f.posX + side * 1.2, y, f.posZ, 0.45, 0.27, angle, 0);
        spawnObject(11, "-", objectWhite, f.posX + side * 1.0, y - 0.8, f.posZ, 0.45, 0.27,
                    angle - side * 20, 0);
    }
    for (int k = 0; k < 3; ++k) {
        if (!(gs.arenaLimitX1 < f.posX && f.posX < gs.arenaLimitX2)) continue;
        const f64 x =
            t.facingLeft() ? f.posX - 0.5 - random(20) * 0.1 : f.posX + 0.5 + random(20) * 0.1;
        const f64 y = f.posY + 0.5 + random(140) * 0.01;
        speedLine(t.index, x, y, 0);
    }
}

void gettingUp(AnimationTick& t) {
    t.f.actionLock = 0;
    t.f.crouchLock = 0;
    t.f.intangible = 1;
}

// The broken guard shakes between two poses before it recovers.
void guardBroken(AnimationTick& t) {
    if (t.frame() < 25) t.still(evenFrame(t.frame()) ? 68 : 69);
    gs.effectTimers[2] = 3;
}

// A human player shakes free by left, right, button 1 in turn: three frames a step,
// one step a tick.
void dizzy(AnimationTick& t) {
    personagem& f = t.f;
    if (f.isHuman != 1) return;
    if (f.mashStep > 2) f.mashStep = 2;
    if (f.mashStep == 0 && f.inLeft == 1) {
        t.w.frame += 3;
        f.mashStep = 1;
    } else if (f.mashStep == 1 && f.inRight == 1) {
        t.w.frame += 3;
        f.mashStep = 2;
    } else if (f.mashStep == 2 && f.inButtons[1] == 1) {
        t.w.frame += 3;
        f.mashStep = 0;
    }
}

bool isAirAttackOrJump(const Name& anim) {
    return anim == "SOCO-FRACO-AR" || anim == "CHUTE-FRACO-AR" || anim == "SOCO-FORTE-AR" ||
           anim == "CHUTE-FORTE-AR" || anim == "PULAR";
}

// Lifted and spun by the opponent's air combo, who is held in front of the victim.
void juggled(AnimationTick& t) {
    personagem& f = t.f;
    personagem& o = t.o;
    if (f.posY < 2) t.w.frame = 0; // the animation counts only at the top
    if (f.posY == 0) gs.soundRequest = 29;
    f.bodySolid = 0;
    o.bodySolid = 0;
    if (isAirAttackOrJump(o.anim)) {
        if (t.facingLeft()) {
            if (f.posX - 1.3 > o.posX) o.posX += 0.3;
            if (f.posX - 1.3 < o.posX) o.posX = f.posX - 1.3;
        } else {
            if (f.posX + 1.3 < o.posX) o.posX -= 0.3;
            if (f.posX + 1.3 > o.posX) o.posX = f.posX + 1.3;
        }
        if (f.posY + 0.5 > o.posY) o.posY += 0.2;
        if (f.posY + 0.5 < o.posY) o.posY = f.posY + 0.5;
        o.airborne = 1;
        o.jumpVelY = 0.2;
    }
    // The attacker drops out of the finisher.
    if (o.anim == "GOLPE-COMBO-AEREO" && o.frame > o.frameCount - 1) {
        o.anim = "PULAR";
        o.frame = 10;
        o.rotVel = {};
        o.rotX = 0;
        o.rotZ = 0;
        o.airborne = 1;
        o.jumpVelY = 0.2;
    }
    f.rotZ += 40;
    f.posY += 0.12;
    moveAlongFacing(t.index, "TRAS", f.posY < 2 ? 0.15 : 0.03);
    if (f.posY > 2) f.posY = 2;
    const f64 x = f.posX - 1 + random(200) * 0.01;
    const f64 y = f.posY + 0.4 + random(100) * 0.02;
    speedLine(t.index, x, y, 90);
    gs.effectTimers[1] = 5;
}

void knockedOut(AnimationTick& t) {
    t.f.life = 0;
    if (t.frame() >= 25) t.w.frame = 25; // the last pose, for ever
}

constexpr KeyRule highHit1Keys[] = {ramp(upTo(4), 57, 58, 25), hold(closed(4, 7)),
                                    ramp(after(7), 58, 1, 33.33, 7)};
constexpr KeyRule highHit2Keys[] = {ramp(upTo(4), 57, 59, 25), hold(closed(4, 7)),
                                    ramp(after(7), 59, 1, 33.33, 7)};
constexpr KeyRule lowHitKeys[] = {ramp(upTo(4), 57, 60, 25), hold(closed(4, 7)),
                                  ramp(after(7), 60, 1, 33.33, 7)};
constexpr KeyRule airHitKeys[] = {ramp(span(0, 5), 57, 61, 20), ramp(span(5, 13), 61, 25, 12.5, 5),
                                  hold(from(13))};
constexpr KeyRule fall1Keys[] = {poses(everyFrame(), 61, 62), ramp(upTo(15), 6.66),
                                 hold(after(15))};
constexpr KeyRule fall2Keys[] = {poses(everyFrame(), 63, 64), ramp(upTo(20), 10), hold(after(20))};
constexpr KeyRule lyingKeys[] = {still(everyFrame(), 63)};
constexpr KeyRule flungKeys[] = {still(everyFrame(), 65)};
// The three segments overlap in their blends: from 100 % of +66 straight to 40 % towards
// +67, and from there to 60 % towards +1.
constexpr KeyRule getUpKeys[] = {ramp(upTo(5), 63, 66, 20), ramp(openClosed(5, 10), 66, 67, 20, 4),
                                 ramp(after(10), 67, 1, 20, 8)};
constexpr KeyRule guardBreakKeys[] = {ramp(from(25), 68, 1, 20, 25)};
constexpr KeyRule dizzyKeys[] = {
    poses(below(72), 70, 71),     ramp(below(18), 5.55),        down(span(18, 36), 5.55, 18),
    ramp(span(36, 54), 5.55, 36), down(span(54, 72), 5.55, 54), ramp(from(72), 71, 1, 33.33, 72),
};
constexpr KeyRule juggledKeys[] = {still(everyFrame(), 72)};
constexpr KeyRule knockOutKeys[] = {
    poses(below(15), 73, 74), fixedBlend(upTo(5), 0),         ramp(open(5, 10), 20, 5),
    hold(span(10, 15)),       ramp(from(15), 74, 75, 10, 15), hold(from(25)),
};

const CommonAnimation rows[] = {
    {"SOFRE-ATAQUE-ALTO-1", 10, false, highHit1Keys, nullptr, true},
    {"SOFRE-ATAQUE-ALTO-2", 10, false, highHit2Keys, nullptr, true},
    {"SOFRE-ATAQUE-BAIXO", 10, false, lowHitKeys, nullptr, true},
    {"SOFRE-ATAQUE-AR", 20, false, airHitKeys, nullptr, true},
    {"QUEDA-1", 100, false, fall1Keys, falling, true},
    {"QUEDA-2", 100, false, fall2Keys, nullptr, false},
    {"DEITADO", 10, false, lyingKeys, lying, false},
    {"QUEDA-3", 50, false, flungKeys, flung, true},
    {"LEVANTAR", 15, false, getUpKeys, gettingUp, false},
    {"QUEBRA-GUARDA", 30, false, guardBreakKeys, guardBroken, false},
    {"TONTO", 75, false, dizzyKeys, dizzy, false},
    {"SOFRE-COMBO-AEREO", 30, false, juggledKeys, juggled, false},
    {"DESMAIAR", 30, false, knockOutKeys, knockedOut, true},
};

} // namespace

std::span<const CommonAnimation> reactionAnimations() {
    return rows;
}
