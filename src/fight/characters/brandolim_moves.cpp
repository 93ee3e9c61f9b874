// Seu Brandolim's own animations so far: the combo launcher, the taunt, the victory dances and
// the defeat (the taunt slot of the commands, the round result and the victory screen play
// the last four).
// He turns to the camera for the last four; the long ones loop on their middle frames.
#include "fight/characters/character_script.h"

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

constexpr CommonAnimation rows[] = {
    {"GOLPE-COMBO-AEREO", 21, false, launcherKeys, launch, false},
    {"PROVOCAR", 100, false, beckonKeys, beckon, true},
    {"VITORIA-1", 100, false, paperKeys, readPaper, true},
    {"VITORIA-2", 100, false, carbineKeys, raiseCarbine, true},
    {"DERROTA", 100, false, defeatKeys, loopBack<30, 10>, true},
};

} // namespace

std::span<const CommonAnimation> brandolimMoves() {
    return rows;
}
