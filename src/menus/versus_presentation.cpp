#include "menus/versus_presentation.h"

#include <algorithm>
#include <string>

#include "fight/fighter_update.h"
#include "platform/gfx.h"
#include "render/fighter_renderer.h"
#include "render/lights.h"
#include "render/screen_effects.h"
#include "render/sprites.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/presentation.h"

namespace {

// The fighters stand on a floor 4 below the eye, 8.5 deep, behind the backdrop at depth 5.
constexpr f64 floorY = -4, fighterZ = -8.5, backdropZ = -5;

void drawBackdrop(i32 t) {
    if (!presenting()) return;
    gfx().disable(GL::DEPTH_TEST);
    drawGradientQuad({10, 20, 60}, {40, 70, 140}, 'V', -3.5, 2, 3.5, -0.5, backdropZ, 255);
    drawGradientQuad({120, 30, 20}, {200, 80, 30}, 'V', -3.5, -0.5, 3.5, -1.5, backdropZ, 255);
    drawGradientQuad({40, 70, 140}, {5, 10, 30}, 'V', -3.5, -1.5, 3.5, -4, backdropZ, 255);
    // A band of festa pictures drifting along the middle.
    const f64 drift = (150 - t) * 0.01;
    for (int i = 0; i < 20; ++i)
        drawSprite("ABERTURA", 61, "", -3.5 + 0.35 * i, -0.55, 0.35, 0.9, backdropZ, "", "",
                   {255, 255, 255}, 255, 0, drift, drift + 1, 0, 1);
    gfx().enable(GL::DEPTH_TEST);
}

void drawFighters() {
    if (presenting()) {
        gfx().enable(GL::LIGHT0);
        gfx().enable(GL::LIGHTING);
    }
    setPresentationLight();
    for (int i = 1; i <= 2; ++i) {
        personagem& f = gs.fighter(i);
        const Pose& p = f.curPose;
        drawShadow(f.posX, floorY, fighterZ, f.shadowRadius, 0.5);
        drawFighter(i, {255, 255, 255}, 1, 0, i == 1 ? 90 : -90, 0, fighterZ + p.root[2],
                    floorY + p.root[1], f.posX + p.root[0]);
    }
}

void drawNames(i32 t) {
    if (!presenting()) return;
    gfx().disable(GL::DEPTH_TEST);
    if (t < 130)
        drawWavyText(gs.fighter(1).displayName.view(), "", "", -3.2, 1.4, backdropZ, 2.5, 2.5,
                     {255, 240, 200}, 255, 4);
    if (t < 70)
        drawWavyText(gs.fighter(2).displayName.view(), "ESQ", "", 3.2, 0.95, backdropZ, 2.5, 2.5,
                     {255, 240, 200}, 255, 4);
    if (t < 110) {
        // "VS" falls from a large size onto the middle in 20 ticks.
        const f64 scale = 3.5 + std::max<f64>(0, t - 90) * 0.6;
        drawWavyText("VS", "CENTRO", "CENTRO", 0, -0.4, backdropZ + 0.1, scale, scale,
                     {255, 200, 60}, 255, 6);
    }
    gfx().enable(GL::DEPTH_TEST);
}

bool buttonOnePressed(const personagem& f) {
    return pressed(f.inButtons[1], f.inButtonsPrev[1]);
}

} // namespace

void versusPresentationScene() {
    gs.versusTimer = std::max(gs.versusTimer - 1, 0);
    const i32 t = gs.versusTimer;

    drawBackdrop(t);
    personagem& f1 = gs.fighter(1);
    personagem& f2 = gs.fighter(2);
    f1.anim = "PARADO";
    f2.anim = "PARADO";
    f1.posX = t < 140 ? std::min(-8 + 0.5 * (140 - t), -3.0) : -8;
    f2.posX = t < 80 ? std::max(8 - 0.5 * (80 - t), 3.0) : 8;
    updateFighter(1);
    updateFighter(2);
    drawFighters();
    drawNames(t);

    // Button 1 skips to the end from the first tick of the presentation (t = 140 skips)
    // until t = 6.
    if ((buttonOnePressed(f1) || buttonOnePressed(f2)) && t >= 6) gs.versusTimer = 5;
    if (gs.transitionTimer() == 0 && t < 11) {
        requestScene("BATALHA");
        gs.introTimer = 100;
        gs.roundNumber = 1;
    }
    runScreenEffects();
}
