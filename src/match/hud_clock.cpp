#include "match/battle_hud.h"

#include <array>
#include <cmath>

#include "fight/training_rules.h"
#include "match/hud_draw.h"
#include "render/sprites.h"
#include "render/text.h"
#include "shell/presentation.h"

namespace {

// The letters of "TEMPO" in an arc under the clock frame: x, y from the clock's centre and
// each letter's tilt.
struct TempoLetter {
    const char* letter;
    f64 x, y, angle;
};
constexpr std::array<TempoLetter, 5> tempoLetters{{
    {"T", -0.24, -0.34, -12},
    {"E", -0.12, -0.37, -6},
    {"M", 0.0, -0.38, 0},
    {"P", 0.12, -0.37, 6},
    {"O", 0.24, -0.34, 12},
}};

void clockDigits(f64 hide) {
    const int time = gs.roundTime < 0 ? 0 : gs.roundTime;
    const char tens[2] = {static_cast<char>('0' + time / 10 % 10), 0};
    const char units[2] = {static_cast<char>('0' + time % 10), 0};
    f64 size = 4.5;
    Rgb colour = white;
    const bool tenMark = time % 10 == 0;
    if (tenMark) size = gs.roundTimeF / 40 + 2.5;
    if (time >= 10) {
        if (tenMark) colour = grey(roundHalfEven(1.36 * gs.roundTimeF) + 120);
    } else if (static_cast<long>(roundHalfEven(gs.roundTimeF)) % 15 < 8) {
        colour = {0, 0, 150};
    }
    // The tens end and the units start a small gap either side of the centre.
    const auto pair = [&](f64 y, f64 gap, Rgb c, u8 alpha) {
        drawText(tens, "ESQ", "CENTRO", -gap, y, hudDepth, size, size, c, alpha, 0);
        drawText(units, "DIR", "CENTRO", gap, y, hudDepth, size, size, c, alpha, 0);
    };
    pair(1.13 + hide, 0.04, {0, 0, 80}, 200);
    pair(1.18 + hide, 0.03, colour, 250);
}

} // namespace

void sharedHud() {
    if (!presenting()) return;
    const f64 hide = gs.hudHide;
    drawSprite("ICONE", 1, "CENTRO", 0, 1.22 + hide, 0.8, 0.64, hudDepth, "CENTRO", "", white, 200,
               0, 0, 1, 0, 1);
    for (const TempoLetter& l : tempoLetters)
        drawText(l.letter, "CENTRO", "CENTRO", l.x, 1.22 + hide + l.y, hudDepth, 1.2, 1.2, white,
                 230, l.angle);

    const f64 bandScale = 1;
    drawSprite("ICONE", 16, "CENTRO", 0, 1.13 + hide, 1.95 * bandScale, 0.39 * bandScale, hudDepth,
               "CENTRO", "", white, 200, 0, 0, 1, 0, 1);
    // Without a time limit, or in training, the infinity emblem breathes in the clock's place.
    if (gs.roundTimeSetting == 4 || trainingBattle()) {
        drawSprite("ICONE", 17, "CENTRO", 0, 1.13 + hide,
                   0.61 * (1 + 0.2 * std::cos(0.125 * gs.gameCycle)),
                   0.39 * (1 + 0.2 * std::sin(0.125 * gs.gameCycle)), hudDepth, "CENTRO", "", white,
                   200, 0, 0, 1, 0, 1);
        return;
    }
    clockDigits(hide);
}
