#include "menus/selection_draw.h"

#include "platform/gfx.h"
#include "render/sprites.h"
#include "shell/presentation.h"

namespace selection {

void drawBackground() {
    if (!presenting()) return;
    gfx().disable(GL::DEPTH_TEST);
    gfx().disable(GL::LIGHTING);
    drawGradientQuad({20, 25, 70}, {60, 40, 90}, 'V', -5, 2, 5, -1.2, depth, 255);
    drawGradientQuad({120, 60, 40}, {40, 20, 15}, 'V', -5, -1.2, 5, -4, depth, 255);
    // The flags drift one picture width every 100 ticks.
    const f64 drift = gs.gameCycle / 100;
    drawSprite("ABERTURA", 53, "", -3.5, 1.75, 7, 0.45, depth, "", "", white, 255, 0, drift,
               drift + 3.5, 0, 1);
}

void drawBackHint() {
    options::drawShadowedText("ESC-dVOLTAR", "", -3.2, -3.15, 1.5, white, 255);
}

} // namespace selection
