// Torvel's specials and supers as animation rows: the slingshot, the rising spin, the
// spinning advance, the leap with three kicks, the diving somersault, and the two supers
// built on the slingshot and the spin. Each "-FRACO" shares its row's rules with its
// "-FORTE"; the effects read the name for the strength.
#include <algorithm>
#include <cmath>

#include "fight/animation.h"
#include "fight/characters/character_script.h"
#include "fight/objects.h"
#include "shell/game_state.h"
#include "shell/rng.h"

namespace {

constexpr u8 slingshot = 16;

// +1 ahead of the fighter in x, -1 behind it.
f64 ahead(const AnimationTick& t) {
    return t.facingLeft() ? -1 : 1;
}

// Every special attacks on each of its ticks; the five specials (not the supers) charge 6
// power at frame 4.
void attackTick(AnimationTick& t, bool charges) {
    t.f.attacking = 1;
    if (charges && t.frame() == 4) t.f.power += 6;
}

// The heel kick-up on the floor behind him as he pushes off.
void pushOffDust(AnimationTick& t) {
    spawnObject(5, "-", objectWhite, t.f.posX - 0.75 * ahead(t), 0, t.f.posZ, 0.5, 0.75, 0, 0);
}

// One speed line somewhere around the spinning body.
void spinLine(AnimationTick& t) {
    const f64 x = t.f.posX - 1.5 + 0.03 * random(100);
    const f64 y = t.f.posY + 2 + 0.01 * random(50);
    spawnObject(2, "-", objectWhite, x, y, t.f.posZ, 0.1, 1.0, 0, 0);
}

void faceFront(AnimationTick& t) {
    t.f.rotY = t.facingLeft() ? -90 : 90;
}

// The slingshot shot, weak and strong: a stone of kind `kind` (+1 when strong) flies from
// 2.1 above him and 0.2 ahead at frame `at`; the slingshot shows until `putAway`.
void shoot(AnimationTick& t, int at, int putAway, u8 kind, f64 width, f64 height) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    if (fr < putAway) f.parts[slingshot].visible = 1;
    if (fr != at) return;
    const f64 side = ahead(t);
    spawnObject(static_cast<u8>(kind + (strongMove(t) ? 1 : 0)), "-", objectWhite,
                f.posX + 0.2 * side, f.posY + 2.1, f.posZ + 0.2 * side, width, height,
                t.facingLeft() ? 180 : 0, static_cast<u8>(t.index));
}

constexpr KeyRule stoneKeys[] = {
    ramp(closed(0, 3), 78, 79, 33.33),     hold(open(3, 6)),
    ramp(closed(6, 12), 79, 80, 16.66, 6), hold(open(12, 15)),
    ramp(from(15), 80, 1, 20, 15),
};

void stone(AnimationTick& t) {
    attackTick(t, true);
    shoot(t, 5, 15, 15, 0.18, 0.22);
}

constexpr KeyRule superStoneKeys[] = {
    ramp(closed(0, 3), 78, 79, 33.33),     hold(open(3, 6)),
    ramp(closed(6, 12), 79, 80, 16.66, 6), hold(open(12, 17)),
    ramp(from(17), 80, 1, 33.33, 17),
};

void superStone(AnimationTick& t) {
    attackTick(t, false);
    t.f.specialAttacking = 1;
    shoot(t, 4, 17, 17, 0.27, 0.33);
}

// The rising spin: untouchable while it winds up, up in the air from frame 8.
constexpr KeyRule antiAirKeys[] = {ramp(everyFrame(), 81, 82, 14.28), hold(from(8))};

void antiAir(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    attackTick(t, true);
    f.boxMargin = 0.14;
    f.intangible = fr < 6 ? 1 : 0;
    f.crouchLock = 2;
    f.rotY += 20;
    if (fr < 10) moveAlongFacing(t.index, "FRENTE", byStrength(t, 0.08, 0.17));
    if (fr >= 3 && fr <= 6) f.posY += byStrength(t, 0.28, 0.4);
    if (fr < 7) f.jumpVelY = byStrength(t, 0.07, 0.15);
    if (fr >= 8) {
        f.airborne = 1;
        f.jumpVelX = 0;
    }
    if (fr == 2) pushOffDust(t);
}

// The spinning advance: crouch, spring, spin forward on the spot's height, then a hop out of
// it. The 85 to 25 ramp reaches 100 at frame 36 and holds from there.
constexpr KeyRule spinKeys[] = {
    ramp(closed(0, 4), 83, 84, 25),
    ramp(span(4, 7), 84, 85, 33, 4),
    still(span(7, 28), 85),
    ramp(span(28, 37), 85, 25, 12.5, 28),
    hold(from(37)),
};

void spin(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    attackTick(t, true);
    f.crouching = 0;
    f.airborne = fr >= 29 ? 1 : 0;
    f.crouchLock = 5;
    if (fr >= 4) t.o.stunLock = 2;
    if (fr <= 4) f.jumpVelY = 0.48;
    if (fr >= 7 && fr < 28) {
        f.rotY += 35;
        moveAlongFacing(t.index, "FRENTE", byStrength(t, 0.14, 0.2));
        spinLine(t);
    }
    if (fr >= 28) {
        f.attacking = 0;
        faceFront(t);
    }
}

// The leap with three kicks: an arc 1.25 high from frame 2, one kick every eight frames.
constexpr KeyRule leapKeys[] = {
    still(upTo(1), 23),
    ramp(openClosed(1, 5), 86, 87, 25, 1),
    ramp(openClosed(5, 9), 87, 88, 25, 5),
    ramp(openClosed(9, 13), 88, 89, 25, 9),
    ramp(openClosed(13, 17), 89, 90, 25, 13),
    ramp(openClosed(17, 21), 90, 91, 25, 17),
    ramp(openClosed(21, 25), 91, 90, 25, 21),
    hold(after(25)),
};

void leap(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    attackTick(t, true);
    f.boxMargin = 0.08;
    f.crouchLock = 5;
    if (fr == 5 || fr == 13) {
        f.comboHold = 3;
        f.hitLanded = 3;
    }
    if (fr == 2) pushOffDust(t);
    if (fr > 2) {
        f.posY = std::max(0.0, 1.25 * std::sin((fr - 2) * 0.13));
        moveAlongFacing(t.index, "FRENTE", byStrength(t, 0.23, 0.28));
    }
}

// The diving somersault: rolled up (pose 16), spinning and throwing off whirls, it dives
// forward from frame 5 until the floor, where the fighter update lands it.
constexpr KeyRule diveKeys[] = {still(everyFrame(), 16)};

void dive(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    attackTick(t, true);
    stopMotion(f);
    f.crouchLock = 4;
    f.rotX += 40;
    const f64 side = ahead(t);
    if (std::fmod(fr, 3.0) == 0)
        spawnObject(44, "-", objectWhite, f.posX + 0.1 * side, f.posY + 0.6, f.posZ, 3, 3,
                    t.facingLeft() ? 45 : 135, 0);
    if (fr < 5) return;
    moveAlongFacing(t.index, "FRENTE", byStrength(t, 0.25, 0.35));
    f.posY -= byStrength(t, 0.22, 0.2);
    spawnObject(2, "-", objectWhite, f.posX - 0.5 * side, f.posY + 0.5, f.posZ, 0.1, 1.0, 0, 0);
    if (f.posY <= 0) {
        f.posY = 0;
        f.airborne = 1;
    }
}

// The spinning super rises slowly while it spins and catches an opponent it knocked
// reeling close by, keeping it 1.2 away at its own height for the next hits. The 85 to 25
// ramp reaches 100 at frame 47 and holds from 48.
constexpr KeyRule superSpinKeys[] = {
    ramp(span(0, 3), 83, 84, 33),
    ramp(span(3, 5), 84, 85, 50, 3),
    still(span(5, 40), 85),
    ramp(span(40, 48), 85, 25, 12.5, 40),
    hold(from(48)),
};

void catchOpponent(AnimationTick& t) {
    personagem& o = t.o;
    if (!(o.anim == "SOFRE-ATAQUE-ALTO-2" || o.anim == "SOFRE-ATAQUE-AR")) return;
    if (!(gs.fighterGap < 1.7) || !(t.frame() > 6)) return;
    seizeOpponent(t, 1.2);
    o.posY = t.f.posY;
    gs.effectTimers[1] = 5;
}

void superSpin(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    attackTick(t, false);
    f.specialAttacking = 1;
    f.slideSpeed = 0;
    // Untouchable only while it winds up, as the rising spin.
    f.intangible = fr < 5 ? 1 : 0;
    f.crouchLock = 5;
    catchOpponent(t);
    if (fr >= 9 && fr <= 59 && f.posY < 0.3 && roundedFrameMod(fr, 4) == 2)
        for (f64 dx : {-0.8, 0.8})
            spawnObject(5, "-", objectWhite, f.posX + dx, 0, f.posZ, 0.5, 0.75, 0, 0);
    if (fr < 3) f.jumpVelY = 0.55;
    if (fr >= 5 && fr < 40) {
        f.rotY += byStrength(t, 45, 90);
        f.posY += byStrength(t, 0.025, 0.04);
        spinLine(t);
    }
    if (fr >= 40) faceFront(t);
    if (fr >= 41) f.airborne = 1;
}

constexpr CommonAnimation rows[] = {
    {"GOLPE-PROJETIL-FRACO", 20, false, stoneKeys, stone, false},
    {"GOLPE-PROJETIL-FORTE", 20, false, stoneKeys, stone, false},
    {"GOLPE-ANTI-AEREO-FRACO", 25, false, antiAirKeys, antiAir, false},
    {"GOLPE-ANTI-AEREO-FORTE", 25, false, antiAirKeys, antiAir, false},
    {"GOLPE-CURTA-DISTANCIA-FRACO", 40, false, spinKeys, spin, false},
    {"GOLPE-CURTA-DISTANCIA-FORTE", 40, false, spinKeys, spin, false},
    {"GOLPE-EXPLOSAO-FRACO", 27, false, leapKeys, leap, false},
    {"GOLPE-EXPLOSAO-FORTE", 27, false, leapKeys, leap, false},
    {"GOLPE-AEREO-FRACO", 40, false, diveKeys, dive, false},
    {"GOLPE-AEREO-FORTE", 40, false, diveKeys, dive, false},
    {"SUPER-GOLPE-PROJETIL-FRACO", 20, false, superStoneKeys, superStone, false},
    {"SUPER-GOLPE-PROJETIL-FORTE", 20, false, superStoneKeys, superStone, false},
    {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 60, false, superSpinKeys, superSpin, false},
    {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 60, false, superSpinKeys, superSpin, false},
};

} // namespace

std::span<const CommonAnimation> torvelSpecialMoves() {
    return rows;
}
