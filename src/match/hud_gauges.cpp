#include "match/hud_gauges.h"

#include <algorithm>
#include <array>

#include "render/sprites.h"
#include "shell/presentation.h"

namespace {

bool lowLife(const personagem& f) {
    return f.life > 0 && f.life <= 25;
}

bool justHurt(const personagem& f) {
    return f.lifeTrail > f.life;
}

void sprite(const HudSide& side, int icon, std::string_view hAlign, f64 x, f64 y, f64 w, f64 h,
            std::string_view vAlign, Rgb colour, u8 alpha) {
    drawSprite("ICONE", icon, hAlign, x, y, w, h, hudDepth, vAlign, side.mirror, colour, alpha, 0,
               0, 1, 0, 1);
}

// The stock lamp's and the stock count's swell by stocks held (0..3).
struct StockLook {
    f64 lampBase, lampSwing;
    f64 countBase, countSwing;
    f64 countAlpha, countAlphaSwing;
};
constexpr std::array<StockLook, 4> stockLooks{{
    {1.0, 0.0, 1.0, 0.0, 50, 0},
    {1.15, 0.05, 1.2, -0.05, 160, 10},
    {1.3, 0.1, 1.4, -0.1, 190, 20},
    {1.45, 0.15, 1.6, -0.15, 220, 30},
}};

} // namespace

void hudPortrait(const HudSide& side) {
    if (!presenting()) return;
    const personagem& f = gs.fighter(side.index);
    const f64 hide = gs.hudHide;
    const f64 k = justHurt(f) ? 1 + 0.02 * cycleCos() : 1;
    const Rgb colour = lowLife(f) ? grey(230 + roundHalfEven(20 * cycleCos())) : white;
    const f64 x = side.s * (0.3 + hide);
    const f64 y = 1.2 + hide;
    drawSprite("RETRATO", 2 * (f.character - 1) + 1, side.anchor, x, y, 0.62 * k, 0.87 * k,
               hudDepth, "CENTRO", side.mirror, colour, 225, 0, 0, 1, 0, 1);
    sprite(side, 3, side.anchor, x, y, 0.62 * k, 0.87 * k, "CENTRO", white, 225);
}

void hudLifeRow(const HudSide& side) {
    personagem& f = gs.fighter(side.index);
    f.life = std::clamp(f.life, 0.0, 100.0);
    if (!presenting()) return;
    const f64 hide = gs.hudHide;
    // Sideways shifts are mirrored with the side, like every x of fighter 2.
    const f64 shiver = justHurt(f) && gs.hitStop == 0 ? -side.s * 0.02 * cycleCos() : 0;
    const f64 y = 1.4 + hide;

    const bool blinkRed = lowLife(f) && static_cast<long>(roundHalfEven(gs.gameCycle)) % 4 < 2;
    sprite(side, 2, side.anchor, side.s * (0.82 + hide) + shiver, y, 2.35, 0.38, "CENTRO",
           blinkRed ? Rgb{200, 50, 50} : white, 200);

    const bool shielded = f.itemEffect == 2 || f.itemEffect == 4;
    Rgb lifeColour{byteOf(250 - 2.2 * f.life), byteOf(205 + f.life / 2), 30};
    if (shielded) lifeColour = {lifeColour.r, 130, 255};
    const u8 upperAlpha =
        f.life <= 25 ? wrapAlpha(roundHalfEven(40 * cycleCos(0.5)) - 56) : u8{255};
    const f64 inner = side.s * (1.204 + hide) + shiver;
    const f64 barInner = side.s * (1.254 + hide) + shiver;
    hudBar(side, 4, inner, y, f.life / 100 * 1.87 + 0.1, 0.264, f.life / 100, lifeColour,
           byteOf(60 + 30 * cycleCos()));
    hudBar(side, 4, barInner, y, f.lifeTrail / 100 * 1.87, 0.164,
           std::clamp(f.lifeTrail, 0.0, 100.0) / 100, {255, 30, 30}, upperAlpha);
    hudBar(side, 4, barInner, y, f.life / 100 * 1.87, 0.164, f.life / 100, lifeColour, upperAlpha);
    if (shielded) {
        const f64 middle = barInner + side.s * f.life / 100 * 1.87 / 2;
        drawSprite("EFEITO", f.itemEffect + 18, "CENTRO", middle, y, 0.3, 0.3, hudDepth, "CENTRO",
                   "", white, byteOf(60 + 30 * cycleCos()), 0, 0, 1, 0, 1);
    }
}

void hudPowerRow(const HudSide& side) {
    if (!presenting()) return;
    const personagem& f = gs.fighter(side.index);
    const f64 hide = gs.hudHide;
    const f64 y = 1.08 + hide;
    const StockLook& look = stockLooks[std::min<std::size_t>(f.stocks, 3)];

    sprite(side, 5, side.anchor, side.s * (0.82 + hide), y, 2.35, 0.29, "CENTRO", white, 200);
    const f64 lamp = look.lampBase + look.lampSwing * cycleCos(0.5);
    sprite(side, 6, "CENTRO", side.s * (0.95 + hide), 1.09 + hide, 0.16 * lamp, 0.16 * lamp,
           "CENTRO", white, 200);

    const f64 segY = 1.095 + hide;
    const bool full = f.stocks == 3 && f.stocksToSpend == 0;
    const bool charging = f.anim == "AUMENTAR-PODER";
    for (int n = 1; n <= 3; ++n) {
        const f64 segX = side.s * (1.125 + 0.6 * (n - 1) + hide);
        if (n <= f.stocks && n > f.stocksToSpend) {
            if (full)
                hudBar(side, 7, side.s * (1.1 + 0.6 * (n - 1) + hide), segY, 0.62,
                       0.05 * (4.2 + 1.2 * cycleCos()), 1, {255, 50, 50},
                       wrapAlpha(roundHalfEven(30 * cycleCos(0.5)) + 80));
            hudBar(side, 7, segX, segY, 0.57, 0.05 * (1.5 + 0.7 * cycleCos()), 1, {255, 200, 50},
                   wrapAlpha(roundHalfEven(10 * cycleCos(0.5)) - 16));
        } else if (n <= f.stocks) {
            const bool odd = static_cast<long>(gs.effectTimers[3]) % 2 != 0;
            hudBar(side, 7, segX, segY, 0.57, 0.05, 1, white, odd ? 100 : 255);
        }
        if (f.stocks < 3) {
            const Rgb colour = charging ? Rgb{255, 140, 120} : Rgb{200, 180, 80};
            const u8 alpha = charging ? wrapAlpha(roundHalfEven(60 * cycleCos(2)) - 116)
                                      : wrapAlpha(roundHalfEven(10 * cycleCos(0.5)) + 80);
            hudBar(side, 7, side.s * (1.125 + 0.6 * f.stocks + hide), segY, f.power / 100 * 0.57,
                   0.05, f.power / 100, colour, alpha);
        }
    }
    if (f.itemEffect == 3 && f.power >= 5 && f.stocks < 3)
        drawSprite("EFEITO", 21, "CENTRO", side.s * (1.41 + hide), segY, 0.3, 0.3, hudDepth,
                   "CENTRO", "", white, byteOf(60 + 30 * cycleCos()), 0, 0, 1, 0, 1);

    // Lettered pictures are never mirrored.
    drawSprite("ICONE", f.stocks >= 3 ? 27 : 26, "CENTRO", side.s * (2.35 + hide), 0.86 + hide,
               0.45, 0.14, hudDepth, "CENTRO", "", white, 200, 0, 0, 1, 0, 1);
    const f64 k = look.countBase + look.countSwing * cycleCos(0.5);
    const u8 countAlpha = byteOf(look.countAlpha + look.countAlphaSwing * cycleCos());
    drawSprite("ICONE", 22 + std::min<int>(f.stocks, 3), "CENTRO", side.s * (3.03 + hide), y,
               0.175 * k, 0.22 * k, hudDepth, "CENTRO", "", white, countAlpha, 0, 0, 1, 0, 1);
}

void hudGuardRow(const HudSide& side) {
    personagem& f = gs.fighter(side.index);
    if (f.anim == "QUEBRA-GUARDA") return;
    f.guard = std::clamp(f.guard, 0.0, 100.0);
    if (!presenting()) return;
    const f64 hide = gs.hudHide;
    const f64 shake =
        f.shakeTimer > 0 && gs.hitStop > 0 ? -side.s * 0.03 * std::cos(gs.hitStop) : 0;

    sprite(side, 8, side.anchor, side.s * (0.82 + hide) + shake, 0.83 + hide, 1.0, 0.29, "CENTRO",
           white, 200);
    const f64 k = f.guard < 50 ? 1.45 + 0.15 * cycleCos(0.5) : 1;
    sprite(side, 9, "CENTRO", side.s * (0.95 + hide) + shake, 0.835 + hide, 0.16 * k, 0.16 * k,
           "CENTRO", white, 200);

    const f64 g = roundHalfEven(100 - f.guard);
    const Rgb fill{wrapAlpha(g - 106), 150, byteOf(255 - g)};
    const f64 y = 0.846 + hide;
    hudBar(side, 10, side.s * (1.068 + hide) + shake, y, f.guard / 100 * 0.67 + 0.1, 0.16,
           f.guard / 100, fill, byteOf(90 + 30 * cycleCos()));
    const u8 alpha = f.guard < 50 ? wrapAlpha(roundHalfEven(55 * cycleCos()) - 56) : u8{255};
    hudBar(side, 10, side.s * (1.118 + hide) + shake, y, f.guard / 100 * 0.67, 0.06, f.guard / 100,
           fill, alpha);
}

void hudDizzyColumn(const HudSide& side) {
    personagem& f = gs.fighter(side.index);
    f.dizzy = std::min(f.dizzy, 100.0);
    if (!presenting()) return;
    const f64 hide = gs.hudHide;
    const f64 dy = f.life > 0 && justHurt(f) && gs.hitStop == 0 ? 0.02 * cycleCos() : 0;
    const f64 x = side.s * (3.208 + hide);

    sprite(side, 11, "CENTRO", x, 0.45 + dy, 0.2, 1.17, "CIMA", white, 200);
    const f64 k = f.dizzy >= 50 ? 0.8 + 0.15 * cycleCos() : 0.6;
    sprite(side, 12, "CENTRO", x, 0.585 + dy, 0.27 * k, 0.27 * k, "CENTRO", white, 200);

    const bool flash = f.dizzy == 100 && static_cast<long>(roundHalfEven(gs.gameCycle)) % 2 == 0;
    const Rgb fill = flash ? white : Rgb{255, 80, 80};
    const u8 alpha = f.dizzy >= 75 ? wrapAlpha(roundHalfEven(50 * cycleCos()) - 56) : u8{200};
    const f64 fx = side.s * (3.243 + hide);
    const f64 level = std::max(f.dizzy, 0.0) / 100;
    drawSprite("ICONE", 13, "CENTRO", fx, 0.71 + dy, 0.15, level * 0.82 + 0.1, hudDepth, "CIMA", "",
               fill, byteOf(70 + 30 * cycleCos()), 0, 0, 1, 0, level);
    drawSprite("ICONE", 13, "CENTRO", fx, 0.76 + dy, 0.05, level * 0.82, hudDepth, "CIMA", "", fill,
               alpha, 0, 0, 1, 0, level);
}
