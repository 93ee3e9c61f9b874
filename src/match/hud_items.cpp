#include "match/hud_items.h"

#include <array>

#include "render/sprites.h"
#include "shell/presentation.h"

namespace {

struct ItemSize {
    f64 w, h;
};
// The floor sizes of items 1..6.
constexpr std::array<ItemSize, 6> itemSizes{
    {{0.5, 0.5}, {0.4, 0.3}, {0.2, 0.57}, {0.45, 0.6}, {0.35, 0.43}, {0.55, 0.55}}};

ItemSize itemSize(int item) {
    if (item < 1 || item > 6) return {0.5, 0.5};
    return itemSizes[static_cast<std::size_t>(item - 1)];
}

void itemPicture(int item, f64 x, f64 y, f64 k, Rgb colour, u8 alpha, f64 angle) {
    const ItemSize size = itemSize(item);
    drawSprite("EFEITO", item + 18, "CENTRO", x, y, size.w * k, size.h * k, hudDepth, "CENTRO", "",
               colour, alpha, angle, 0, 1, 0, 1);
}

void effectPanel(const HudSide& side, f64 out, f64 down) {
    const personagem& f = gs.fighter(side.index);
    const f64 t = f.itemEffectTimer;
    f64 p = 2.2;
    if (t >= 95)
        p = 2.2 + (t - 95) * 0.5;
    else if (t < 5)
        p = 2.2 + (5 - t) * 0.5;
    p += out;
    drawSprite("ICONE", 57, "CENTRO", side.s * p, -3.2 - down, 2.0, 0.35, hudDepth, "CIMA",
               side.mirror, white, 200, 0, 0, 1, 0, 1);
    const f64 k = t >= 15 ? 1 + 0.1 * cycleCos(0.25) : 1 - (15 - t) * 0.05;
    itemPicture(f.itemEffect, side.s * (p + 0.82), -3.02 - down, k, white, 255, 0);

    // The time bar runs inward from its outer end: the opposite anchor of the gauges.
    const std::string_view anchor = side.index == 1 ? "" : "ESQ";
    const f64 fraction = t / 100;
    const Rgb red{255, 80, 80};
    drawSprite("ICONE", 58, anchor, side.s * (p + 0.61), -3.03 - down, fraction * 1.51 + 0.1, 0.275,
               hudDepth, "CENTRO", side.mirror, red, byteOf(70 + 30 * cycleCos()), 0, 0, fraction,
               0, 1);
    const bool evenTick = static_cast<long>(roundHalfEven(gs.gameCycle)) % 2 == 0;
    drawSprite("ICONE", 58, anchor, side.s * (p + 0.56), -3.03 - down, fraction * 1.51, 0.175,
               hudDepth, "CENTRO", side.mirror, red, t < 30 && evenTick ? 200 : 255, 0, 0, fraction,
               0, 1);
}

} // namespace

void hudItems(const HudSide& side) {
    if (!presenting()) return;
    const personagem& f = gs.fighter(side.index);
    const f64 out = gs.hudHide;
    const f64 down = gs.hudHide;

    if (f.items[0] != 0) {
        const f64 k = 1.3 + 0.2 * cycleCos();
        drawSprite("ICONE", 15, "CENTRO", side.s * (2.95 + out), -2.95 - down, 0.5 * k, 0.5 * k,
                   hudDepth, "CENTRO", side.mirror, white, 200, 0, 0, 1, 0, 1);
        itemPicture(f.items[0], side.s * (2.95 + out), -2.95 - down, 1,
                    grey(210 + roundHalfEven(40 * cycleCos())), 255, 5 * cycleCos(0.25));
    }
    int c = 0;
    for (int n = 2; n <= 5; ++n) {
        const int item = f.items[static_cast<std::size_t>(n - 1)];
        if (item == 0) continue;
        itemPicture(item, side.s * (2.45 - 0.3 * (n - 2) + out), -3.1 - down, 0.6, {140, 140, 140},
                    110, 0);
        c = n;
    }
    if (f.items[1] != 0 && f.itemEffect == 0) {
        const f64 k = 1 + 0.2 * cycleCos(0.5);
        drawSprite("EFEITO", 59, "CENTRO", side.s * (3.15 + out), -2.55 - down, 0.25 * k, 0.25 * k,
                   hudDepth, "CENTRO", side.mirror, white, 150, 0, 0, 1, 0, 1);
        drawSprite("EFEITO", 60, "CENTRO", side.s * (2.75 - 0.3 * c + out), -3.0 - down, 0.25 * k,
                   0.25 * k, hudDepth, "CENTRO", side.mirror, white, 150, 0, 0, 1, 0, 1);
    }
    if (f.itemEffect != 0) effectPanel(side, out, down);
}
