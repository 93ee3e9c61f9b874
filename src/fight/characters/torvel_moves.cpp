// Torvel's own animations so far: the combo launcher, the taunt, the victory dances and
// the defeat (the taunt slot of the commands, the round result and the victory screen play
// the last four).
#include "fight/characters/character_script.h"
#include "fight/objects.h"
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

constexpr CommonAnimation rows[] = {
    {"GOLPE-COMBO-AEREO", 21, false, launcherKeys, launch, false},
    {"PROVOCAR", 155, false, tauntKeys, taunt, true},
    {"VITORIA-1", 50, false, jigKeys, nullptr, true},
    {"VITORIA-2", 16, false, broomKeys, showBroom, true},
    {"DERROTA", 16, false, sobKeys, sob, true},
};

} // namespace

std::span<const CommonAnimation> torvelMoves() {
    return rows;
}
