#include "match/hud_combo.h"

#include "render/sprites.h"
#include "render/text.h"
#include "shell/presentation.h"

namespace {

// Two digits of a number 0..99, digit d as "ICONE" picture d + 37, centred on x.
void twoDigits(int value, f64 x, f64 y, f64 scale, u8 alpha) {
    const int digits[2] = {value / 10 % 10, value % 10};
    const f64 w = 0.25 * scale, h = 0.32 * scale;
    for (int i = 0; i < 2; ++i)
        drawSprite("ICONE", digits[i] + 37, "CENTRO", x + (i - 0.5) * w * 0.9, y, w, h, hudDepth,
                   "CENTRO", "", white, alpha, 0, 0, 1, 0, 1);
}

// A notice's outward offset: it slides in over the ticks its timer stays above `rest`
// and back out over its last 3 to 4 ticks.
f64 noticeSlide(f64 t, f64 rest) {
    if (t > rest) return (t - rest) * 0.7;
    if (t < 4) return (4 - t) * 0.7;
    return 0;
}

} // namespace

void hudComboCounter(const HudSide& side) {
    if (!presenting()) return;
    const personagem& f = gs.fighter(side.index);
    if (f.hitCount <= 1) return;
    const f64 x = side.s * 2.5;
    const f64 size = 1.8 + 0.05 * cycleCos();
    drawWavyText("ACERTOS", "CENTRO", "CENTRO", x, -0.31, hudDepth, size, size, {80, 0, 0}, 150, 0);
    drawWavyText("ACERTOS", "CENTRO", "CENTRO", x, -0.3, hudDepth, size, size, white,
                 wrapAlpha(roundHalfEven(55 * cycleCos()) - 56), 0);
    f64 scale = 1;
    u8 alpha = 255;
    if (f.comboTimer >= 33) {
        scale = (f.comboTimer - 33) * 2 + 1;
        alpha = wrapAlpha(255 - roundHalfEven((f.comboTimer - 33) * 100));
    } else if (f.comboTimer <= 3) {
        scale = (3 - f.comboTimer) * 2 + 1;
        alpha = wrapAlpha(255 - roundHalfEven((3 - f.comboTimer) * 100));
    }
    twoDigits(f.hitCount, x, -0.62, scale, alpha);
}

void hudNotices(const HudSide& side) {
    if (!presenting()) return;
    const personagem& f = gs.fighter(side.index);
    const u8 pulse = byteOf(225 + 30 * cycleCos());
    const Rgb colour{pulse, pulse, pulse};
    // Lettered pictures are never mirrored.
    if (f.hudTimerA > 0) {
        const f64 in = noticeSlide(f.hudTimerA, 37);
        drawSprite("ICONE", 36, "CENTRO", side.s * (2.4 + in), 0.3, 1.0, 0.375, hudDepth, "CENTRO",
                   "", colour, 230, 0, 0, 1, 0, 1);
    }
    if (f.hudTimerB > 0) {
        const f64 in = noticeSlide(f.hudTimerB, 36);
        drawSprite("ICONE", 14, "CENTRO", side.s * (2.2 + in), -0.05, 1.0, 0.375, hudDepth,
                   "CENTRO", "", colour, 230, 0, 0, 1, 0, 1);
    }
}

void hudWinStreak(const HudSide& side) {
    if (!presenting()) return;
    const personagem& f = gs.fighter(side.index);
    if (f.winStreak == 0) return;
    const f64 hide = gs.hudHide;
    const f64 x = side.s * (1.1 + hide);
    drawSprite("ABERTURA", 62, "CENTRO", x, 0.5 + hide, 0.344, 0.372, hudDepth, "CENTRO", "", white,
               200, 0, 0, 1, 0, 1);
    char text[3] = {static_cast<char>('0' + f.winStreak / 10 % 10),
                    static_cast<char>('0' + f.winStreak % 10), 0};
    drawText(text, "CENTRO", "CENTRO", x, 0.3 + hide, hudDepth, 1.2, 1.2, white, 200, 0);
}
