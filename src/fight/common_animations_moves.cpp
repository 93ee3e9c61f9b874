// Idle, walking, running, back-dash, rolls, crouch, jump, guards, power charge and items.
#include <cmath>

#include "fight/animation.h"
#include "fight/common_animation_rows.h"
#include "fight/fighter_fx.h"
#include "fight/objects.h"
#include "shell/rng.h"

namespace {

bool insideArena(const personagem& f) {
    return gs.arenaLimitX1 < f.posX && f.posX < gs.arenaLimitX2;
}

void standReady(AnimationTick& t, u8 crouching) {
    t.f.crouching = crouching;
    t.f.bodySolid = 1;
    t.f.intangible = 0;
    // An item can be knocked out of the hand only while no special move is flying at it.
    if (t.o.specialAttacking == 0) t.f.itemReady = 1;
}

void idle(AnimationTick& t) {
    standReady(t, 0);
}
void crouch(AnimationTick& t) {
    standReady(t, 1);
}

void walkBack(AnimationTick& t) {
    moveAlongFacing(t.index, "TRAS", t.f.walkBackSpeed);
}
void walkForward(AnimationTick& t) {
    moveAlongFacing(t.index, "FRENTE", t.f.walkForwardSpeed);
}

void backDash(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    moveAlongFacing(t.index, "TRAS", f.backdashSpeed);
    f.slideSpeed = -f.backdashSpeed / 2;
    if (roundedFrameMod(fr, 4) == 2)
        for (int k = 0; k < 5; ++k) dustPuff(t.index);
    if (fr == 1) {
        if (t.facingLeft())
            heelKickUp(t.index, f.posX - 0.75, false);
        else
            heelKickUp(t.index, f.posX + 0.75, true);
    }
    for (int k = 0; k < 10; ++k) {
        if (roundedFrameMod(fr, 3) != 2 || !insideArena(f)) continue;
        const f64 x =
            t.facingLeft() ? f.posX + 0.2 - random(15) * 0.1 : f.posX - 0.2 + random(15) * 0.1;
        const f64 y = f.posY + 0.5 + random(160) * 0.01;
        speedLine(t.index, x, y, 0);
    }
}

void run(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    moveAlongFacing(t.index, "FRENTE", f.runSpeed);
    f.slideSpeed = f.runSpeed / 2;
    if (fr == 5 || fr == 13) gs.soundRequest = 1; // footsteps
    if (roundedFrameMod(fr, 4) == 2)
        for (int k = 0; k < 5; ++k) dustPuff(t.index);
    if (fr == 4 || fr == 12) {
        if (t.facingLeft())
            heelKickUp(t.index, f.posX + 0.75, true);
        else
            heelKickUp(t.index, f.posX - 0.75, false);
    }
    for (int k = 0; k < 3; ++k) {
        if (!insideArena(f)) continue;
        const f64 x =
            t.facingLeft() ? f.posX + 0.5 + random(15) * 0.1 : f.posX - 0.5 - random(15) * 0.1;
        const f64 y = f.posY + 0.5 + random(160) * 0.01;
        speedLine(t.index, x, y, 0);
    }
}

// A roll passes through the opponent: no body and no hits until it is nearly over.
void roll(AnimationTick& t, f64 spin, std::string_view direction, f64 speed) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    f.bodySolid = fr <= 12 ? 0 : 1;
    f.intangible = fr <= 12 ? 1 : 0;
    if (fr < 11)
        f.rotX += spin;
    else
        f.rotX = 0;
    moveAlongFacing(t.index, direction, speed);
    f.slideSpeed = 0;
    if (roundedFrameMod(fr, 4) == 2)
        for (int k = 0; k < 2; ++k) dustPuff(t.index);
}

void rollBack(AnimationTick& t) {
    roll(t, -32, "TRAS", t.f.rollBackSpeed);
}
void rollForward(AnimationTick& t) {
    roll(t, 32, "FRENTE", t.f.rollForwardSpeed);
}

void jump(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    f.crouchLock = 2;
    // A jump with a run-up is a somersault, turning towards where it goes.
    if (f.jumpVelX != 0 && 3 <= fr && fr <= 25) {
        t.still(27);
        const bool forwards =
            (f.facing == "DIR" && f.jumpVelX > 0) || (t.facingLeft() && f.jumpVelX < 0);
        f.rotX += forwards ? 25 : -25;
    }
    for (int k = 0; k < 3; ++k) {
        if (!evenFrame(fr) || fr >= 5) continue;
        const f64 x = f.posX - 0.25 + random(100) * 0.005;
        const f64 y = f.posY - 0.4 - random(100) * 0.005;
        const f64 z = f.posZ - 0.3 + random(100) * 0.006;
        spawnObject(1, "-", objectWhite, x, y, z, 0.3, 0.3, 0, 0);
    }
    for (int k = 0; k < 5; ++k) {
        if (roundedFrameMod(fr, 3) != 2 || fr >= 10) continue;
        if (f.jumpVelX == 0) {
            const f64 x = f.posX - 0.5 + random(100) * 0.01;
            speedLine(t.index, x, f.posY + 0.2 + random(100) * 0.01, 90);
        } else if (f.jumpVelX < 0) {
            const f64 x = f.posX + 0.1 + random(100) * 0.01;
            speedLine(t.index, x, f.posY + 0.2 + random(100) * 0.01, -45);
        } else {
            const f64 x = f.posX - 0.1 - random(100) * 0.01;
            speedLine(t.index, x, f.posY + 0.2 + random(100) * 0.01, 45);
        }
    }
}

void guardUp(AnimationTick& t) {
    t.f.bodySolid = 1;
    t.f.intangible = 0;
}

void charge(AnimationTick& t) {
    personagem& f = t.f;
    f.power += 0.9;
    if (roundedFrameMod(t.frame(), 4) == 1) {
        const f64 x = f.posX - 0.7 + random(100) * 0.014;
        const f64 z = f.posZ - 0.7 + random(100) * 0.014;
        spawnObject(3, "-", objectWhite, x, 0.1, z, 0.09, 0.09, 0, 0);
    }
    if (f.stocks >= 3) {
        t.w.anim = "PARADO";
        t.w.frame = 0;
    }
}

void standOnFloor(personagem& f) {
    f.airborne = 0;
    f.jumpVelY = 0;
    f.posY = 0;
}

// Items 2..5 are used on the spot: each starts its own effect object.
void useItem(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    standOnFloor(f);
    if (5 <= fr && fr < 23) f.movesWhileFrozen = 1; // the world stops while the item works
    if (fr == 5 && gs.paused == 0 && gs.pauseMenuOpen == 0) {
        const u8 item = f.items[0];
        if (item >= 2 && item <= 5) {
            const f64 z = t.facingLeft() ? f.posZ - 0.2 : f.posZ + 0.2;
            spawnObject(static_cast<u8>(30 + item), "-", objectWhite, f.posX, f.posY + 1.5, z, 0, 0,
                        0, static_cast<u8>(t.index));
        }
        f.items[0] = 0;
    }
}

// Items 1 and 6 are thrown, from over the shoulder.
void throwItem(AnimationTick& t) {
    personagem& f = t.f;
    standOnFloor(f);
    if (t.frame() == 5) {
        const f64 x = t.facingLeft() ? f.posX + 1.2 : f.posX - 1.2;
        const u8 kind = f.items[0] == 1 ? 26 : f.items[0] == 6 ? 36 : 0;
        if (kind != 0)
            spawnObject(kind, "-", objectWhite, x, f.posY + 2.8, f.posZ, 0.5, 0.5, 0,
                        static_cast<u8>(t.index));
        f.items[0] = 0;
    }
    f.animLoops = 0;
}

bool fresh(const personagem& f) {
    return f.life > 25;
}
bool tired(const personagem& f) {
    return f.life <= 25;
}

constexpr KeyRule idleKeys[] = {poses(everyFrame(), 1, 2), ramp(upTo(5), 20),
                                down(after(5), 20, 5)};
constexpr KeyRule tiredKeys[] = {poses(everyFrame(), 3, 4), ramp(upTo(8), 12.5),
                                 down(after(8), 12.5, 8)};
constexpr KeyRule walkBackKeys[] = {ramp(span(0, 5), 5, 6, 20), ramp(span(5, 10), 6, 7, 20, 5),
                                    ramp(from(10), 7, 5, 20, 10)};
constexpr KeyRule walkForwardKeys[] = {ramp(span(0, 5), 8, 9, 20), ramp(span(5, 10), 9, 10, 20, 5),
                                       ramp(from(10), 10, 8, 20, 10)};
constexpr KeyRule backDashKeys[] = {ramp(span(0, 10), 11, 12, 10), ramp(from(10), 12, 1, 25, 10)};
constexpr KeyRule runKeys[] = {ramp(span(0, 4), 13, 14, 25), ramp(span(4, 8), 14, 15, 25, 4),
                               ramp(span(8, 12), 15, 14, 25, 8), ramp(from(12), 14, 13, 25, 12)};
constexpr KeyRule rollKeys[] = {ramp(span(0, 4), 1, 16, 25), poses(span(4, 11), 16, 16),
                                ramp(from(11), 16, 1, 25, 11)};
constexpr KeyRule crouchKeys[] = {poses(everyFrame(), 23, 24), ramp(upTo(15), 6.6),
                                  down(after(15), 6.6, 15)};
constexpr KeyRule jumpKeys[] = {ramp(span(0, 8), 25, 26, 12.5), ramp(from(8), 26, 25, 12.5, 8),
                                hold(after(16))};
constexpr KeyRule highGuardKeys[] = {still(everyFrame(), 28)};
constexpr KeyRule lowGuardKeys[] = {still(everyFrame(), 29)};
constexpr KeyRule airGuardKeys[] = {still(everyFrame(), 30)};
constexpr KeyRule chargeKeys[] = {ramp(everyFrame(), 21, 22, 20)};
constexpr KeyRule useItemKeys[] = {ramp(span(0, 5), 1, 17, 20), hold(span(5, 8)),
                                   ramp(span(8, 15), 17, 18, 14.28, 8), hold(open(15, 25)),
                                   ramp(span(25, 30), 18, 1, 20, 25)};
constexpr KeyRule throwItemKeys[] = {ramp(span(0, 5), 1, 19, 20), ramp(span(5, 16), 19, 20, 20, 5),
                                     hold(open(10, 16)), ramp(from(16), 20, 1, 25, 16)};

const CommonAnimation rows[] = {
    {"PARADO", 10, true, idleKeys, idle, false, fresh},
    {"PARADO", 16, true, tiredKeys, idle, false, tired},
    {"ANDAR-TRAS", 15, true, walkBackKeys, walkBack, false},
    {"ANDAR-FRENTE", 15, true, walkForwardKeys, walkForward, false},
    {"RECUO", 14, false, backDashKeys, backDash, false},
    {"CORRIDA", 16, true, runKeys, run, false},
    {"ROLAR-TRAS", 15, false, rollKeys, rollBack, false},
    {"ROLAR-FRENTE", 15, false, rollKeys, rollForward, false},
    {"AGACHAR", 30, true, crouchKeys, crouch, false},
    {"PULAR", 80, false, jumpKeys, jump, false},
    {"DEFESA-ALTA", 7, false, highGuardKeys, guardUp, false},
    {"DEFESA-BAIXA", 7, false, lowGuardKeys, guardUp, false},
    {"DEFESA-AEREA", 10, false, airGuardKeys, guardUp, false},
    {"AUMENTAR-PODER", 5, true, chargeKeys, charge, false},
    {"USAR-ITEM", 30, false, useItemKeys, useItem, false},
    {"JOGAR-ITEM", 20, false, throwItemKeys, throwItem, false},
};

} // namespace

std::span<const CommonAnimation> movementAnimations() {
    return rows;
}
