// Seu Brandolim's specials and supers, in the common table's row format. Every one of them
// attacks and stands up each tick. Poses +78..+97 are his own; the beating borrows the
// blows of his normal attacks (+31..+38) and ends on his anti-air's +81.
#include <algorithm>
#include <cmath>

#include "fight/animation.h"
#include "fight/characters/character_script.h"
#include "fight/characters/specials.h"
#include "fight/objects.h"
#include "shell/game_state.h"
#include "shell/rng.h"

namespace {

// Every special and super; the six specials (not follow-ups nor supers) add 6 power at
// frame 4.
void attack(AnimationTick& t, bool addsPower) {
    t.f.attacking = 1;
    t.f.crouching = 0;
    if (addsPower && t.frame() == 4) t.f.power += 6;
}

// The dust kicked up as he springs: on the floor behind him, drawn mirrored facing "ESQ".
void kickUp(AnimationTick& t) {
    const personagem& f = t.f;
    const bool left = t.facingLeft();
    spawnObject(5, left ? "I" : "-", objectWhite, f.posX + (left ? 0.75 : -0.75), 0, f.posZ, 0.5,
                0.75, 0, 0);
}

// Four speed lines behind him per tick while he is inside the arena.
void speedLines(AnimationTick& t) {
    const personagem& f = t.f;
    if (!(f.posX > gs.arenaLimitX1 && f.posX < gs.arenaLimitX2)) return;
    for (int k = 0; k < 4; ++k) {
        const f64 back = 0.5 + 0.1 * random(15);
        const f64 y = f.posY + 0.5 + 0.01 * random(160);
        const f64 x = t.facingLeft() ? f.posX + back : f.posX - back;
        spawnObject(2, "-", objectWhite, x, y, f.posZ, 1.0, 0.1, 0, 0);
    }
}

// A blow connected on the opponent: it staggers in "SOFRE-ATAQUE-ALTO-1", is put `distance`
// from him on its side, and the two bodies pass through each other while the follow-up
// runs. The follow-up starts this very tick: the rows after this one play it.
bool caught(const AnimationTick& t) {
    return (t.o.anim == "SOFRE-ATAQUE-ALTO-1" || t.o.anim == "SOFRE-ATAQUE-AR") &&
           gs.fighterGap < 1.5;
}

void follow(AnimationTick& t, std::string_view followUp, f64 distance) {
    brandolimSpecial(t.index, followUp);
    if (!(t.f.anim == followUp)) return;
    t.w.anim = t.f.anim;
    t.w.queuedAnim = t.f.queuedAnim;
    t.w.frame = t.f.frame;
    seizeOpponent(t, distance);
}

// The carbine shot: he shoulders the carbine (+78..+80), fires at frame 8 and recoils.
constexpr KeyRule shotKeys[] = {
    ramp(closed(0, 7), 78, 79, 14.28),
    ramp(openClosed(7, 11), 79, 80, 25, 7),
    ramp(openClosed(11, 14), 80, 79, 33.33, 11),
    ramp(openClosed(15, 22), 79, 78, 14.28, 15),
};

void shot(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    attack(t, true);
    f.parts[16].visible = 0;
    f.parts[17].visible = 1;
    if (fr > 7 && fr <= 11) moveAlongFacing(t.index, "TRAS", 0.2);
    if (fr > 11 && fr <= 14) moveAlongFacing(t.index, "TRAS", 0.1);
    if (fr == 8) {
        gs.soundRequest = 27;
        const bool left = t.facingLeft();
        spawnObject(41, "-", objectWhite, f.posX + (left ? -2.2 : 2.2), f.posY + 2.0,
                    f.posZ + (left ? -0.2 : 0.2), 1.7, 1.4, left ? 180 : 0,
                    static_cast<u8>(t.index));
    }
}

// The anti-air: a rising spinning uppercut (+81, +82), untouchable while he springs.
constexpr KeyRule risingKeys[] = {
    ramp(below(8), 81, 82, 14.28),
    {from(8), 81, 82, Blend::Fixed, 100},
};

void rising(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    attack(t, true);
    f.boxMargin = 0.14;
    f.intangible = fr < 6 ? 1 : 0;
    f.crouchLock = 2;
    if (fr < 3) f.rotY += 20;
    if (fr >= 7 && fr <= 13) f.rotY += 25;
    if (fr < 10) moveAlongFacing(t.index, "FRENTE", byStrength(t, 0.08, 0.17));
    if (fr >= 3 && fr < 6) f.posY += byStrength(t, 0.28, 0.4);
    if (fr < 7) f.jumpVelY = byStrength(t, 0.07, 0.15);
    if (fr >= 8) {
        f.airborne = 1;
        f.jumpVelX = 0;
    }
    if (fr == 2) kickUp(t);
}

// The jab flurry, a 15-frame cycle of three jabs from the guard +83 (+84, +85, +86).
void jabs(AnimationTick& t, bool sounds) {
    const int m = roundedFrameMod(t.frame(), 15);
    if (m <= 4) {
        t.keys(83, 84);
        t.w.blend = 33 * m;
    } else if (m <= 9) {
        t.keys(83, 85);
        t.w.blend = 33 * (m - 6);
    } else {
        t.keys(83, 86);
        t.w.blend = 33 * (m - 11);
    }
    if (sounds && (m == 2 || m == 7 || m == 12)) gs.soundRequest = 7;
    t.f.airborne = 0;
    t.f.boxMargin = 0.05;
}

void flurry(AnimationTick& t) {
    attack(t, true);
    jabs(t, true);
    if (caught(t)) {
        follow(t, "GOLPE-CURTA-DISTANCIA-ACERTANDO", 1.1);
        t.o.posY = t.f.posY;
    }
}

// The flurry on a caught opponent, held shaking just in front of him.
void flurryCaught(AnimationTick& t) {
    attack(t, false);
    jabs(t, false);
    const f64 fr = t.frame();
    if (fr < 38) {
        t.o.posX = t.f.posX + victimSide(t) * (1.1 - 0.1 * std::cos(fr));
        t.o.posY = 0.4;
    }
}

// The charge: three jabs on the run (+87..+89), then the rising uppercut (+81, +82).
void charge(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    attack(t, true);
    f.crouchLock = 5;
    if (fr <= 2) {
        t.still(87);
        return;
    }
    if (fr <= 15) {
        f.boxMargin = 0.05;
        const int m = roundedFrameMod(fr, 15);
        if (m <= 3) {
            t.keys(87, 88);
            t.w.blend = 33 * m;
        } else if (m <= 7) {
            t.keys(88, 89);
            t.w.blend = 33 * (m - 4);
        } else if (m <= 11) {
            t.keys(89, 88);
            t.w.blend = 33 * (m - 8);
        } else {
            t.keys(88, 87);
            t.w.blend = 33 * (m - 12);
        }
        moveAlongFacing(t.index, "FRENTE", byStrength(t, 0.32, 0.36));
        speedLines(t);
        if (roundedFrameMod(fr, 3) == 2)
            for (int k = 0; k < 3; ++k) {
                const f64 x = f.posX - 0.2 + 0.004 * random(100);
                const f64 y = 0.1 + 0.01 * random(10);
                const f64 z = f.posZ - 0.3 + 0.006 * random(100);
                spawnObject(1, "-", objectWhite, x, y, z, 0.3, 0.3, 0, 0);
            }
        return;
    }
    f.boxMargin = 0.15;
    if (fr == 16) kickUp(t);
    if (fr < 25) {
        f.posY += byStrength(t, 0.23, 0.28);
        moveAlongFacing(t.index, "FRENTE", byStrength(t, 0.16, 0.2));
    }
    t.keys(81, 82);
    t.w.blend = fr < 20 ? (fr - 15) * 20 : 100;
    if (fr == 20) f.jumpVelY = 0.3;
    if (fr > 20) {
        f.airborne = 1;
        f.jumpVelX = 0;
    }
}

// The diving kick from a jump (+90), steeper every tick, until he lands or it connects.
void dive(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    attack(t, true);
    stopMotion(f);
    f.rotX = 0;
    f.crouchLock = 4;
    t.still(90);
    moveAlongFacing(t.index, "FRENTE", (fr + 5) * byStrength(t, 0.016, 0.025));
    f.posY -= (fr + 5) * byStrength(t, 0.023, 0.02);
    const bool left = t.facingLeft();
    const f64 dx = 0.6 - 0.01 * random(100);
    const f64 y = f.posY + 1.6 + 0.01 * random(100);
    spawnObject(2, "-", objectWhite, left ? f.posX + dx : f.posX - dx, y, f.posZ, 1.0, 0.1,
                left ? 45 : -45, 0);
    if (f.posY <= 0) {
        f.posY = 0;
        f.airborne = 1;
    }
    if (caught(t)) {
        follow(t, "GOLPE-AEREO-ACERTANDO", 0.8);
        if (t.w.anim == "GOLPE-AEREO-ACERTANDO") f.posY = t.o.posY + 0.6;
    }
}

// Kicks on the caught opponent, both hanging in the air (+91..+93), then a back flip away
// (+94, +95).
void diveCaught(AnimationTick& t) {
    personagem& f = t.f;
    personagem& o = t.o;
    const f64 fr = t.frame();
    attack(t, false);
    f.boxMargin = 0.25;
    f.comboHold = 3;
    f.crouchLock = 4;
    if (fr < 22) {
        // Both hang in the air; the kicker keeps its own sideways speeds.
        stopMotion(o);
        f.airborne = 0;
        f.jumpVelY = 0;
        const int m = roundedFrameMod(fr, 11);
        if (m <= 2) {
            t.keys(91, 92);
            t.w.blend = 50 * m;
        } else if (m <= 5) {
            t.keys(92, 91);
            t.w.blend = 50 * (m - 3);
        } else if (m <= 8) {
            t.keys(91, 93);
            t.w.blend = 50 * (m - 6);
        } else {
            t.keys(93, 91);
            t.w.blend = 50 * (m - 9);
        }
        return;
    }
    t.keys(94, 95);
    t.w.blend = fr > 24 ? 100 : (fr - 22) * 33.33;
    if (fr == 24) {
        f.airborne = 1;
        f.jumpVelY = 0.55;
        f.jumpVelX = t.facingLeft() ? 0.25 : -0.25;
    }
}

// The rushing elbow super: +81 to +82 and back, charging, spinning on the way back, and a
// leap at the end. The strong one charges twice more.
constexpr KeyRule elbowWeakKeys[] = {
    still(upTo(3), 81),
    ramp(open(3, 13), 81, 82, 10, 3),
    ramp(span(13, 18), 82, 81, 10, 13),
    ramp(span(18, 28), 81, 82, 10, 18),
    hold(span(28, 33)),
};
constexpr KeyRule elbowStrongKeys[] = {
    still(upTo(3), 81),
    ramp(open(3, 13), 81, 82, 10, 3),
    ramp(span(13, 18), 82, 81, 10, 13),
    ramp(span(18, 28), 81, 82, 10, 18),
    ramp(span(28, 33), 82, 81, 10, 28),
    ramp(span(33, 43), 81, 82, 10, 33),
    hold(span(43, 48)),
};

void elbowCharge(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    const bool s = strongMove(t);
    const f64 leap = s ? 48 : 33;
    attack(t, false);
    f.specialAttacking = 1;
    f.crouchLock = 5;
    f.boxMargin = 0.05;
    f.comboHold = 3;
    f.hitLanded = 4;
    f.intangible = fr <= 5 ? 1 : 0;
    if (t.o.anim == "SOFRE-ATAQUE-ALTO-2" || t.o.anim == "SOFRE-ATAQUE-AR") gs.effectTimers[1] = 5;
    f64 step = 0;
    const bool spinning = (fr >= 13 && fr < 18) || (s && fr >= 28 && fr < 33);
    if (fr > 3 && fr < leap - 5)
        step = spinning ? (fr < 18 ? byStrength(t, 0.12, 0.13) : 0.13) : byStrength(t, 0.25, 0.26);
    if (fr >= leap - 5 && fr < leap) {
        step = byStrength(t, 0.32, 0.33);
        f.posY += 0.42;
    }
    if (step != 0) moveAlongFacing(t.index, "FRENTE", step);
    if (spinning) f.rotY += 72;
    if (fr == leap) {
        f.airborne = 1;
        f.jumpVelY = 0.35;
        f.jumpVelX = 0;
    }
    if (fr >= 3 && fr < leap - 5) {
        const f64 x = f.posX - 0.25 + 0.005 * random(100);
        const f64 y = 0.1 + 0.01 * random(10);
        const f64 z = f.posZ - 0.3 + 0.006 * random(100);
        spawnObject(1, "-", objectWhite, x, y, z, 0.3, 0.3, 0, 0);
    }
}

// The grabbing dash (+96, +97, then +60 and back to +1): untouchable on its way in.
constexpr KeyRule dashKeys[] = {
    still(below(10), 96),
    ramp(span(10, 15), 96, 97, 20, 10),
    hold(span(15, 20)),
    ramp(span(20, 25), 97, 60, 20, 20),
    ramp(span(25, 30), 60, 1, 20, 25),
};

void grabbingDash(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    attack(t, false);
    f.specialAttacking = 1;
    f.intangible = fr > 2 && fr <= 10 ? 1 : 0;
    if (fr == 10) kickUp(t);
    f64 step = 0;
    if (fr >= 10 && fr < 15) step = 0.6;
    if (fr >= 15 && fr < 20) step = 0.65;
    if (fr >= 20 && fr < 25) step = 0.2;
    if (fr >= 25 && fr < 30) step = 0.1;
    if (step != 0) moveAlongFacing(t.index, "FRENTE", step);
    if (fr >= 10 && fr <= 19) speedLines(t);
    if (fr > 10 && caught(t)) {
        follow(t,
               strongMove(t) ? "SUPER-GOLPE-SEQUENCIA-ACERTANDO-FORTE"
                             : "SUPER-GOLPE-SEQUENCIA-ACERTANDO-FRACO",
               1.3);
        t.o.posY = 0;
    }
}

// The beating: one blow per four frames, each a pose pair p -> p + 1, then the uppercut.
constexpr int beatingPoses[10] = {31, 33, 31, 35, 37, 31, 35, 33, 37, 35};

void beating(AnimationTick& t) {
    personagem& f = t.f;
    const bool s = strongMove(t);
    attack(t, false);
    f.specialAttacking = 1;
    f.comboHold = 3;
    gs.effectTimers[1] = 5;
    if (s) {
        moveAlongFacing(t.index, "FRENTE", 0.03);
        f.posX = std::clamp(f.posX, gs.arenaLimitX1 + 1, gs.arenaLimitX2 - 1);
    }
    holdVictim(t, 1.3);
    const f64 fr = t.frame();
    const f64 end = s ? 80 : 40;
    if (fr >= end) {
        // The beating ends in the uppercut; when that cannot start he is left standing.
        f.anim = "PARADO";
        t.w.anim = "PARADO";
        brandolimSpecial(t.index, s ? "GOLPE-ANTI-AEREO-FORTE" : "GOLPE-ANTI-AEREO-FRACO");
        t.w.anim = f.anim;
        t.w.queuedAnim = f.queuedAnim;
        t.w.frame = f.frame;
        t.still(81);
        return;
    }
    const int slot = static_cast<int>(std::floor(fr / 4)) % 10;
    const int p = beatingPoses[slot < 0 ? 0 : slot];
    t.keys(p, p + 1);
    constexpr f64 blends[4] = {0, 50, 100, 50};
    t.w.blend = blends[roundedFrameMod(fr, 4)];
}

// Follow-ups come after the move they follow, so they play on the tick they start; the
// uppercut comes before the beatings, so it starts from its own key pose.
constexpr CommonAnimation rows[] = {
    {"GOLPE-PROJETIL-FRACO", 22, false, shotKeys, shot, false},
    {"GOLPE-PROJETIL-FORTE", 22, false, shotKeys, shot, false},
    {"GOLPE-ANTI-AEREO-FRACO", 25, false, risingKeys, rising, false},
    {"GOLPE-ANTI-AEREO-FORTE", 25, false, risingKeys, rising, false},
    {"GOLPE-CURTA-DISTANCIA-FRACO", 40, false, {}, flurry, false},
    {"GOLPE-CURTA-DISTANCIA-FORTE", 40, false, {}, flurry, false},
    {"GOLPE-CURTA-DISTANCIA-ACERTANDO", 40, false, {}, flurryCaught, false},
    {"GOLPE-EXPLOSAO-FRACO", 40, false, {}, charge, false},
    {"GOLPE-EXPLOSAO-FORTE", 40, false, {}, charge, false},
    {"GOLPE-AEREO-FRACO", 25, false, {}, dive, false},
    {"GOLPE-AEREO-FORTE", 25, false, {}, dive, false},
    {"GOLPE-AEREO-ACERTANDO", 40, false, {}, diveCaught, false},
    {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 50, false, elbowWeakKeys, elbowCharge, false},
    {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 80, false, elbowStrongKeys, elbowCharge, false},
    {"SUPER-GOLPE-SEQUENCIA-FRACO", 30, false, dashKeys, grabbingDash, false},
    {"SUPER-GOLPE-SEQUENCIA-FORTE", 30, false, dashKeys, grabbingDash, false},
    {"SUPER-GOLPE-SEQUENCIA-ACERTANDO-FRACO", 40, false, {}, beating, false},
    {"SUPER-GOLPE-SEQUENCIA-ACERTANDO-FORTE", 80, false, {}, beating, false},
};

} // namespace

std::span<const CommonAnimation> brandolimSpecialMoves() {
    return rows;
}
