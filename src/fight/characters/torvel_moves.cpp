// Torvel's own animations: the combo launcher, the two throws, the taunt, the victory
// dances and the defeat (the taunt slot of the commands, the round result and the victory
// screen play the last four), then his specials and supers.
#include <iterator>
#include <vector>

#include "fight/characters/character_script.h"
#include "fight/objects.h"
#include "shell/game_state.h"
#include "shell/rng.h"

namespace {

// The taunt: a speech balloon and a shouted word over his head, four calls.
constexpr KeyRule tauntKeys[] = {
    ramp(span(0, 3), 1, 97, 20),          hold(span(3, 10)),
    ramp(span(10, 15), 97, 98, 20, 10),   hold(span(15, 25)),
    ramp(span(25, 30), 98, 99, 20, 25),   hold(span(30, 40)),
    ramp(span(40, 45), 99, 100, 20, 40),  hold(span(45, 55)),
    ramp(span(55, 60), 100, 101, 20, 55), hold(span(60, 150)),
    ramp(from(150), 101, 1, 20, 150),
};

void taunt(AnimationTick& t) {
    t.f.rotY = 90;
    t.f.crouching = 0;
    const f64 fr = t.frame();
    if (fr == 1) {
        const auto owner = static_cast<u8>(t.index);
        spawnObject(38, "-", objectWhite, t.f.posX + 0.8, t.f.posY + 3.2, t.f.posZ, 0.2, 0.2, 0,
                    owner);
        spawnObject(39, "-", objectWhite, t.f.posX + 0.8, t.f.posY + 3.25, t.f.posZ, 1.0, 0.5, 0,
                    owner);
    }
    constexpr struct {
        f64 frame;
        u8 sound;
    } calls[] = {{10, 23}, {25, 24}, {40, 25}, {55, 26}};
    for (const auto& c : calls)
        if (fr == c.frame) gs.soundRequest = c.sound;
}

// The first dance: four jig steps and back to the first.
constexpr KeyRule jigKeys[] = {
    ramp(span(0, 10), 1, 102, 10),        ramp(span(10, 20), 102, 103, 10, 10),
    ramp(span(20, 30), 103, 104, 10, 20), ramp(span(30, 40), 104, 105, 10, 30),
    ramp(from(40), 105, 102, 10, 40),
};

// The second dance balances the broom on a foot and flicks it.
constexpr KeyRule broomKeys[] = {
    ramp(span(0, 4), 106, 107, 25),
    hold(span(4, 6)),
    ramp(from(6), 107, 106, 10, 6),
};

void showBroom(AnimationTick& t) {
    t.f.parts[17].visible = 1;
}

// Defeat: sobbing, a tear falling from his face every ten frames.
constexpr KeyRule sobKeys[] = {
    ramp(span(0, 4), 108, 109, 25),
    hold(span(4, 6)),
    ramp(from(6), 109, 108, 10, 6),
};

void sob(AnimationTick& t) {
    if (roundedFrameMod(t.frame(), 10) != 2) return;
    const f64 x = t.f.posX - 0.1 + 0.001 * random(200);
    spawnObject(40, "-", objectWhite, x, t.f.posY + 2.6, t.f.posZ + 0.3, 0.12, 0.12, 0, 0);
}

void launch(AnimationTick& t) {
    comboLauncher(t, 0.25);
}

// The punch throw: he grabs the collar and punches three times; the victim, held 0.9 in
// front until frame 33, doubles over at each blow and the third knocks it down.
constexpr KeyRule punchThrowKeys[] = {
    still(below(3), 92), ramp(span(3, 9), 92, 93, 16.66, 3),
    hold(span(9, 15)),   ramp(span(15, 21), 93, 92, 16.66, 15),
    hold(span(21, 27)),  ramp(span(27, 33), 92, 93, 16.66, 27),
    hold(span(33, 39)),  ramp(from(39), 93, 1, 20, 39),
};
constexpr KeyRule punchThrowVictimKeys[] = {
    still(below(3), 1), ramp(span(3, 9), 1, 59, 16.66, 3),
    hold(span(9, 15)),  ramp(span(15, 21), 59, 58, 16.66, 15),
    hold(span(21, 27)), ramp(span(27, 33), 58, 59, 16.66, 27),
    hold(from(33)),
};

void punchThrow(AnimationTick& t) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    f.bodySolid = 0;
    f.intangible = 1;
    f.attacking = 1;
    f.boxMargin = 0.2;
    if (fr == 3 || fr == 15 || fr == 27) f.comboHold = 8;
    if (fr < 33) holdVictim(t, 0.9);
    if (fr < 3) {
        turnVictim(t);
        gripVictim(t, 1);
        t.o.frameCount = 100;
        t.o.bodySolid = 0;
        t.o.intangible = 0;
        t.o.posY = 0;
        f.hitCount = 0;
    }
    if (victimHeld(t)) playVictimKeys(t, punchThrowVictimKeys);
}

// The kick throw: he rolls back with a foot in the opponent's belly and flings it over his
// head; it lands behind him. Pose 95 is reached at frame 3, 96 at frame 10.
constexpr KeyRule kickThrowKeys[] = {
    ramp(span(0, 3), 94, 95, 33.33),
    ramp(span(3, 10), 95, 96, 14.28, 3),
    hold(span(10, 17)),
    ramp(from(17), 96, 95, 33.33, 17),
};

// The roll peaks at frame 10 and he comes back upright by the end of the throw.
constexpr f64 kickThrowCarry = 10;

void kickThrow(AnimationTick& t) {
    personagem& f = t.f;
    personagem& o = t.o;
    const f64 fr = t.frame();
    setBothBodies(t, 0, 1);
    // At least 2 inside the arena's ends, so that the body flung behind him lands inside.
    if (f.posX < gs.arenaLimitX1 + 2) f.posX += 0.1;
    if (f.posX > gs.arenaLimitX2 - 2) f.posX -= 0.1;
    if (fr <= kickThrowCarry) {
        f.rotX = 8 * fr;
        gripVictim(t, 65);
        o.rotX = 8 * fr;
        // Over his head from 1.5 in front to 1.34 behind: 0.27 a frame, then 0.29.
        const f64 ahead = fr <= 3 ? 1.5 - 0.27 * fr : 1.5 - 0.27 * 3 - 0.29 * (fr - 3);
        o.posX = f.posX + (t.facingLeft() ? -ahead : ahead);
        // Rising faster each tick (0.026 more per tick), so that it clears his body.
        o.posY = 0.026 * fr * (fr + 1) / 2;
    } else {
        f.rotX = 8 * kickThrowCarry * (20 - fr) / (20 - kickThrowCarry);
    }
    if (fr == kickThrowCarry + 1 && victimHeld(t)) {
        o.anim = "QUEDA-1";
        o.frame = 0;
        o.airborne = 1;
        o.jumpVelY = 0.3;
    }
}

constexpr CommonAnimation rows[] = {
    {"GOLPE-COMBO-AEREO", 21, false, launcherKeys, launch, false},
    {"AGARRAR-SOCO", 45, false, punchThrowKeys, punchThrow, false},
    {"AGARRAR-CHUTE", 20, false, kickThrowKeys, kickThrow, false},
    {"PROVOCAR", 155, false, tauntKeys, taunt, true},
    {"VITORIA-1", 50, false, jigKeys, nullptr, true},
    {"VITORIA-2", 16, false, broomKeys, showBroom, true},
    {"DERROTA", 16, false, sobKeys, sob, true},
};

} // namespace

// The rows above followed by the specials, joined once on first use.
std::span<const CommonAnimation> torvelMoves() {
    static const std::vector<CommonAnimation> all = [] {
        std::vector<CommonAnimation> v(std::begin(rows), std::end(rows));
        const auto specials = torvelSpecialMoves();
        v.insert(v.end(), specials.begin(), specials.end());
        return v;
    }();
    return all;
}
