// Seu Brandolim's own animations: the combo launcher, the two throws, the taunt, the
// victory dances and the defeat (the taunt slot of the commands, the round result and the
// victory screen play the last four), then his specials and supers.
// He turns to the camera for the taunt and after; the long ones loop on their middle frames.
#include <cmath>
#include <vector>

#include "fight/characters/character_script.h"
#include "shell/game_state.h"

namespace {

// Poses +104, +105: the taunt; +106..+108: reading the paper; +109, +110: the carbine
// raised; +111, +112: the defeat.
void faceCamera(AnimationTick& t) {
    t.f.rotY = 90;
}

// Frames from `end` go back to `restart`.
template <int end, int restart> void loopBack(AnimationTick& t) {
    faceCamera(t);
    if (t.w.frame >= end) t.w.frame = restart;
}

// The taunt beckons: after the first five frames it swings between +104 and +105 every
// five frames.
constexpr KeyRule beckonKeys[] = {ramp(upTo(5), 1, 104, 20)};

void beckon(AnimationTick& t) {
    faceCamera(t);
    const f64 fr = t.frame();
    if (fr <= 5) return;
    const int m = roundedFrameMod(fr, 10);
    if (m < 5) {
        t.keys(104, 105);
        t.w.blend = 20 * m;
    } else {
        t.keys(105, 104);
        t.w.blend = 20 * (m - 5);
    }
}

// He unfolds the newspaper and turns a page, over and over.
constexpr KeyRule paperKeys[] = {
    ramp(upTo(10), 106, 107, 10),
    ramp(closed(10, 30), 107, 108, 5, 10),
    ramp(closed(35, 55), 108, 107, 5, 35),
};

void readPaper(AnimationTick& t) {
    t.f.parts[24].visible = 1;
    loopBack<60, 10>(t);
}

// He takes the carbine off his back and shakes it in the air.
constexpr KeyRule carbineKeys[] = {
    ramp(upTo(10), 1, 109, 10),
    ramp(span(10, 20), 109, 110, 10, 10),
    ramp(span(20, 30), 110, 109, 10, 20),
};

void raiseCarbine(AnimationTick& t) {
    t.f.parts[17].visible = 1;
    t.f.parts[16].visible = 0;
    loopBack<30, 10>(t);
}

constexpr KeyRule defeatKeys[] = {
    ramp(upTo(10), 1, 111, 10),
    ramp(span(10, 17), 111, 112, 14.28, 10),
    ramp(span(20, 27), 112, 111, 14.28, 20),
};

void launch(AnimationTick& t) {
    comboLauncher(t, 0.28);
}

// The punch throw: he grabs the opponent, held 0.85 in front until frame 15, and hits it
// once with both fists (its one window, frames 13-20, knocks it down). Poses +98..+100.
constexpr KeyRule punchThrowKeys[] = {
    still(below(3), 98),
    ramp(closed(3, 10), 98, 99, 14.28, 3),
    ramp(closed(10, 15), 99, 100, 20, 10),
    hold(span(15, 22)),
    ramp(from(22), 100, 1, 20, 22),
};

void punchThrow(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    f.bodySolid = 0;
    f.intangible = fr < 10 ? 1 : 0;
    f.boxMargin = 0.1;
    // The blow is a hit like any other: only an attacking fighter's window is tested.
    f.attacking = 1;
    if (fr < 15) holdVictim(t, 0.85);
    if (fr < 10) {
        gripVictim(t, 58);
        t.o.posY = 0;
    }
    if (fr == 1) turnVictim(t);
}

// The swing throw: he takes the opponent by the leg and swings it over his head from one
// side to the other (frames 2-8), hangs on to it up there, and hurls it at frame 14. At
// frame 7 the player picks the side it is hurled to. Poses +101..+103.
constexpr KeyRule swingThrowKeys[] = {
    still(below(2), 101), ramp(closed(2, 8), 101, 102, 16.66, 2),
    hold(span(8, 14)),    ramp(closed(14, 20), 102, 103, 16.66, 14),
    hold(span(20, 25)),   ramp(from(25), 103, 1, 20, 25),
};

void faceSide(personagem& p, bool left) {
    p.facing = left ? "ESQ" : "DIR";
    p.rotY = left ? -90 : 90;
}

void swingThrow(AnimationTick& t) {
    personagem& f = t.f;
    personagem& o = t.o;
    const f64 fr = t.frame();
    setBothBodies(t, fr >= 25 ? 1 : 0, 1);
    if (fr == 7 && gs.worldFrozen == 0) {
        if (f.inRight == 1) {
            faceSide(f, false);
            faceSide(o, true);
        }
        if (f.inLeft == 1) {
            faceSide(f, true);
            faceSide(o, false);
        }
    }
    // The side the opponent lands on: the one it faces him from, until the choice at frame 7
    // turns them both. It swings over to the other side and is hurled back over his head.
    const f64 start = o.facing == "ESQ" ? 1 : -1;
    if (fr < 14) gripVictim(t, 58);
    if (fr == 1) {
        turnVictim(t);
        o.posX = f.posX + (o.facing == "ESQ" ? 1.2 : -1.2);
    }
    if (fr >= 2 && fr <= 8) {
        const f64 a = (fr - 2) * 0.38;
        o.posX = f.posX + start * 1.3 * std::cos(a);
        o.posY = 2.1 * std::sin(a);
        o.rotX = (fr - 2) * 17;
    }
    if (fr == 13) {
        // A throw cannot be guarded; it hurts without sparks or a sound of its own.
        o.lastHitType = "-";
        o.pendingDamage = 12;
        o.pendingDizzy = 10;
        o.hitSound = 0;
        o.wasHit = 0;
        o.guarding = 0;
    }
    if (fr == 14) {
        o.anim = "QUEDA-1";
        o.airborne = 1;
        o.jumpVelY = 0.72;
        o.rotVel[0] = -6.2;
        o.frame = 0;
        o.frameCount = 10;
        o.jumpVelX = 0.4 * start;
    }
}

constexpr CommonAnimation rows[] = {
    {"GOLPE-COMBO-AEREO", 21, false, launcherKeys, launch, false},
    {"AGARRAR-SOCO", 27, false, punchThrowKeys, punchThrow, false},
    {"AGARRAR-CHUTE", 30, false, swingThrowKeys, swingThrow, false},
    {"PROVOCAR", 100, false, beckonKeys, beckon, true},
    {"VITORIA-1", 100, false, paperKeys, readPaper, true},
    {"VITORIA-2", 100, false, carbineKeys, raiseCarbine, true},
    {"DERROTA", 100, false, defeatKeys, loopBack<30, 10>, true},
};

} // namespace

// His own rows, then his specials and supers.
std::span<const CommonAnimation> brandolimMoves() {
    static const std::vector<CommonAnimation> all = [] {
        std::vector<CommonAnimation> v(std::begin(rows), std::end(rows));
        for (const CommonAnimation& row : brandolimSpecialMoves()) v.push_back(row);
        return v;
    }();
    return all;
}
