#include "match/hud_prompts.h"

#include <array>
#include <string_view>

#include "fight/animation.h"
#include "render/sprites.h"
#include "shell/presentation.h"

namespace {

void icon(int number, std::string_view hAlign, f64 x, f64 y, f64 w, f64 h, std::string_view vAlign,
          std::string_view mirror, Rgb colour, u8 alpha) {
    drawSprite("ICONE", number, hAlign, x, y, w, h, hudDepth, vAlign, mirror, colour, alpha, 0, 0,
               1, 0, 1);
}

// The swing arrows of the dizzy prompt by m = round(frame) mod 3: picture and x offset
// from the stick for fighter 1 (fighter 2's are mirrored about the stick).
struct SwingArrow {
    int picture;
    f64 x1;
};
constexpr std::array<SwingArrow, 3> swingArrows{{{50, -2.7}, {51, -2.8}, {52, -2.6}}};

constexpr std::string_view routeLetters = "ABCD";

} // namespace

void hudDizzyPrompt(const HudSide& side) {
    if (!presenting()) return;
    const personagem& f = gs.fighter(side.index);
    if (f.anim != "TONTO") return;
    const f64 hide = gs.hudHide;
    const bool first = side.index == 1;
    const f64 y = -2.5;
    const bool even = static_cast<long>(roundHalfEven(gs.gameCycle)) % 2 == 0;
    const f64 stick = even ? 0.8 : 1.0;
    icon(even ? 59 : 60, "CENTRO", first ? -2.1 - hide : 1.2 + hide, y, stick, stick, "CENTRO", "",
         white, 200);
    for (int n = 0; n < 2; ++n) {
        const f64 k = n == 0 ? 1 + 0.15 * cycleCos() : 1;
        const Rgb colour = n == 0 ? grey(220 + 30 * cycleCos()) : Rgb{130, 130, 130};
        const f64 x = (first ? -2.12 : 1.18) + 0.555 * n + side.s * hide;
        icon(48, "CENTRO", x, y, 0.525 * k, 0.3375 * k, "CENTRO", "", colour, 255);
    }
    const int m = static_cast<int>(roundHalfEven(f.frame)) % 3;
    const SwingArrow& arrow = swingArrows[static_cast<std::size_t>(m < 0 ? m + 3 : m)];
    // Fighter 2's arrows stand where fighter 1's would, moved across with the stick.
    const f64 ax = first ? arrow.x1 - hide : arrow.x1 + 3.3 + hide;
    icon(arrow.picture, "CENTRO", ax, first ? -2.6 : -2.64, 0.58, 0.78, "CIMA", "", white, 255);
    icon(49, "CENTRO", first ? -2.05 - hide : 1.25 + hide, -2.0 - m / 10.0, 0.42, 0.64, "CENTRO",
         "", white, 255);
}

void hudAirComboPrompt(const HudSide& side) {
    const personagem& f = gs.fighter(side.index);
    const int j = 3 - side.index;
    const personagem& attacker = gs.fighter(j);
    if (f.anim != "SOFRE-COMBO-AEREO" || attacker.posY <= 0.5) return;

    gs.cameraTargetX = (gs.fighter(1).posX + gs.fighter(2).posX) / 2;
    gs.cameraTargetY = f.posY + 2;
    gs.cameraTargetZ = f.posZ + 4.8;
    gs.cameraHold = 5;
    if (!presenting()) return;

    const std::size_t found = routeLetters.find(nextAirComboLetter(attacker));
    const int e = found == std::string_view::npos ? 0 : static_cast<int>(found);
    const bool left = j == 1;
    for (int n = 0; n < 4; ++n) {
        const bool lit = n == e;
        const f64 k = lit ? 1.2 : 1;
        const Rgb colour = lit ? grey(220 + roundHalfEven(30 * cycleCos())) : Rgb{130, 130, 130};
        icon(48, "CENTRO", (left ? -1.96 : 0.29) + 0.555 * n, -2.5, 0.525 * k, 0.3375 * k, "CENTRO",
             "", colour, 255);
    }
    icon(49, "CENTRO", (left ? -1.89 : 0.36) + 0.555 * e, -2.15, 0.42, 0.64, "CENTRO", "", white,
         wrapAlpha(220 - roundHalfEven(35 * cycleCos())));

    const f64 shrink = 0.07 * f.frame;
    const Rgb black{0, 0, 0}, green{30, 220, 30};
    if (left) {
        drawGradientQuad(black, black, 'V', -2.22, -2.75, -0.03, -2.81, hudDepth, 255);
        drawGradientQuad(green, green, 'V', -2.2, -2.77, -0.05 - shrink, -2.79, hudDepth, 255);
    } else {
        drawGradientQuad(black, black, 'V', 0.03, -2.75, 2.22, -2.81, hudDepth, 255);
        drawGradientQuad(green, green, 'V', 0.05 + shrink, -2.77, 2.2, -2.79, hudDepth, 255);
    }
}
