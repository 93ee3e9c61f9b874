#include "match/round_phases.h"

#include <cmath>
#include <string>
#include <string_view>

#include "fight/fighter_setup.h"
#include "fight/objects.h"
#include "fight/training_rules.h"
#include "match/phase_text.h"
#include "render/banner_box.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/rng.h"
#include "shell/rounding.h"

namespace {

// "ROUND": the height springs as it stops sliding in from the right.
constexpr Beat roundHeights[] = {{60, 2}, {59, 4}, {58, 8}, {57, 4}, {56, 2}};
// The round number springs in, then folds flat and wide as it leaves.
constexpr Beat numberHeights[] = {{64, 2}, {63, 4},   {62, 8},    {61, 4},
                                  {60, 2}, {33, 0.5}, {32, 0.25}, {31, 0.12}};
constexpr Beat numberWidths[] = {{31, 3}};
// "LUTEM" opens from a thin line, springs, swells slowly, then flattens and widens out.
constexpr Beat lutemWidths[] = {{29, 0.2}, {28, 0.4}, {27, 0.6}, {26, 0.8}, {0, 1.5}};
constexpr Beat lutemHeights[] = {{25, 2}, {24, 4}, {23, 8},  {22, 4},   {21, 2},
                                 {4, 4},  {3, 2},  {2, 0.5}, {1, 0.25}, {0, 0.12}};
// "FIM DO TEMPO" stretches out wide, springs in height, and shrinks away at the end.
constexpr Beat timeOverWidths[] = {{59, 0.2}, {58, 0.4}, {57, 0.8}, {56, 1.5}, {55, 2},
                                   {54, 1.8}, {53, 1.6}, {52, 1.4}, {51, 1.2}, {5, 0.9},
                                   {4, 0.7},  {3, 0.5},  {2, 0.3},  {1, 0.1},  {0, 0.05}};
constexpr Beat timeOverHeights[] = {{49, 2}, {48, 4}, {47, 8}, {46, 4}, {45, 2}, {0, 2.5}};
// "NOCAUTE" opens and closes in width, with a tall flash at both ends.
constexpr Beat knockOutWidths[] = {{49, 0.1}, {48, 0.2}, {47, 0.4}, {46, 0.6}, {45, 0.8},
                                   {29, 0.8}, {28, 0.6}, {27, 0.4}, {26, 0.2}, {25, 0.1}};
constexpr Beat knockOutHeights[] = {{49, 4}, {25, 4}};

void drawIntroTexts(i32 t) {
    const Rgb silver{shade(230, 15, t), shade(230, 15, t), shade(240, 15, t)};
    if (t > 30 && t < 70) {
        const f64 x = t >= 60   ? 5.5 - (70 - t) * 0.7
                      : t >= 35 ? -1.5 + (60 - t) * 0.05
                                : -1.25 - (40 - t) * 0.5;
        const f64 h = at(roundHeights, t, t >= 61 || t < 35 ? 0.25 : 1);
        phaseText("ROUND", x, -0.5, 8, 8 * h, silver);
    }
    if (t > 30 && t <= 65) {
        const f64 w = at(numberWidths, t, 1), h = at(numberHeights, t, 1);
        phaseText(std::to_string(gs.roundNumber), 1.8 - (65 - t) * 0.02, -1.2, 13 * w, 13 * h,
                  silver);
    }
    if (t < 30) {
        drawBanner(0, {0, 0, 0}, "", -3.5, -0.55, 3.5, -0.85, 30);
        const bool swelling = t > 4 && t < 21;
        const f64 swell = swelling ? 1 + (21 - t) * 0.01 : 1;
        const f64 w = at(lutemWidths, t, swell);
        const f64 h = at(lutemHeights, t, t >= 26 ? 0.1 : swell);
        const Rgb colour = swelling && t % 2 == 0 ? Rgb{255, 220, 80} : Rgb{255, 120, 120};
        phaseText("LUTEM", 0, -0.6, 12 * w, 12 * h, colour);
    }
}

} // namespace

std::int8_t roundSeconds(u8 setting) {
    constexpr std::int8_t seconds[] = {0, 30, 60, 90};
    return setting >= 1 && setting <= 3 ? seconds[setting] : 0;
}

void introStep() {
    if (gs.worldFrozen == 0) gs.introTimer -= 1;
    const i32 t = gs.introTimer;
    gs.timeOverTimer = 0;
    gs.knockOutTimer = 0;
    gs.resultTimer = 0;
    gs.frameDelayExtra = 0;
    gs.itemTimer = static_cast<u16>(500 + 50 * random(5));
    gs.cameraHold = 0;
    gs.firstHitDone = 0;
    if (t == 99) {
        resetForRound(1);
        resetForRound(2);
        gs.superOwner = 0;
        gs.cameraX = (gs.fighter(1).posX + gs.fighter(2).posX) / 2;
        gs.cameraZ = gs.fighter(1).posZ;
        clearObjects();
    }
    if (roundSeconds(gs.roundTimeSetting) > 0) gs.roundTime = roundSeconds(gs.roundTimeSetting);
    gs.roundTimeF = 99;
    drawIntroTexts(t);
    gs.hudHide = 2;
    if (t < 10) gs.hudHide = 0.2 * t;
}

void timeOverStep() {
    if (gs.worldFrozen == 0) gs.timeOverTimer -= 1;
    const i32 t = gs.timeOverTimer;
    const Rgb colour{shade(220, 25, t), shade(220, 25, t), shade(230, 25, t)};
    phaseText("FIM DO TEMPO", 0, -0.6, 5 * at(timeOverWidths, t, 1), 15 * at(timeOverHeights, t, 1),
              colour);
    if (t == 2) gs.resultTimer = 100;
}

void knockOutStep() {
    if (gs.worldFrozen == 0) gs.knockOutTimer -= 1;
    const i32 t = gs.knockOutTimer;
    const Rgb colour{shade(230, 25, t), shade(150, 25, t), shade(150, 25, t)};
    if (t >= 23) drawBanner(0, {0, 0, 0}, "", -3.5, -0.25, 3.5, -1.15, 80);
    // The first 24 ticks of a knock-out run in slow motion.
    gs.frameDelayExtra = t > 25 ? 30 : 0;
    if (t >= 25) {
        const f64 swell = t > 29 && t < 45 ? 1 + (45 - t) * 0.01 : 1;
        const f64 w = at(knockOutWidths, t, swell), h = at(knockOutHeights, t, swell);
        drawText("NOCAUTE", "CENTRO", "CENTRO", 0, -0.6, phaseTextDepth, 8 * w,
                 25 + 5 * std::cos(8.0 * t), colour, 120, 0);
        phaseText("NOCAUTE", 0, -0.6, 8 * w, 18 * h, colour);
    }
    // The result waits at t = 10 until every fighter still standing is idle.
    if (t == 10) {
        for (int i = 1; i <= 2; ++i) {
            const personagem& f = gs.fighter(i);
            if (f.life > 0 && !(f.anim == "PARADO")) gs.knockOutTimer = 11;
        }
    }
    if (t == 2) gs.resultTimer = 100;
    gs.hudHide = 0;
    if (t <= 10) gs.hudHide = (10 - t) * 0.2;
}

void roundClock() {
    const bool fighting = gs.timeOverTimer == 0 && gs.knockOutTimer == 0 && gs.resultTimer == 0;
    // Training has no clock.
    if (gs.roundTimeSetting == 4 || trainingBattle() || gs.roundTime <= 0 || !fighting) return;
    if (gs.worldFrozen == 0) gs.roundTimeF -= 3;
    if (gs.roundTimeF <= 0) {
        gs.roundTime -= 1;
        gs.roundTimeF = 99;
        // A tick for each of the last ten seconds.
        if (gs.roundTime < 10) gs.soundRequest = 30;
    }
    if (gs.roundTime <= 0) {
        gs.timeOverTimer = 60;
        gs.soundRequest = 31;
    }
}
