#include "render/screen_effects.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "assets/arena_assets.h"
#include "platform/gfx.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/presentation.h"
#include "shell/rng.h"
#include "shell/rounding.h"
#include "shell/scene_change.h"

namespace {

// Eleven spikes, each drawing its width and its offset whether it is shown or not.
void radialBurst() {
    const bool odd = static_cast<long long>(roundHalfEven(gs.gameCycle)) % 2 != 0;
    struct Spike {
        double w, p;
    };
    std::array<Spike, 11> spikes;
    for (Spike& s : spikes) {
        s.w = 2.5 - 1.5 * random(2);
        s.p = 0.05 * random(5);
        if (odd)
            s.p += 2.0;
        else
            s.w *= 2.0;
    }
    if (!presenting()) return;

    gfx().enable(GL::BLEND);
    gfx().alphaFunc(GL::GREATER, 0.0f);
    gfx().color4ub(255, 255, 255, 100);
    auto corner = [](double angle, double r) {
        gfx().vertex3d(r * std::cos(angle), r * std::sin(angle) - 1.0, -5.0);
    };
    for (int i = 0; i <= 10; ++i) {
        const Spike& s = spikes[static_cast<std::size_t>(i)];
        gfx().begin(GL::TRIANGLES);
        corner((4 * i + s.p - 0.1) / 6.36, 5.0);
        corner((4 * i + s.p + 0.1) / 6.36, 5.0);
        corner((4 * i + s.p) / 6.36, s.w);
        gfx().end();
    }
}

void flashingSky() {
    if (!presenting()) return;
    double half = gs.gameCycle / 2.0;
    if (half == std::floor(half)) {
        gfx().clearColor(0.0f, 0.0f, 1.0f, 0.0f);
        gfx().lineWidth(1.0f);
    } else {
        gfx().clearColor(0.5f, 0.5f, 1.0f, 0.0f);
        gfx().lineWidth(3.0f);
    }
    gfx().color4ub(255, 255, 255, 255);
    gfx().begin(GL::LINES);
    gfx().vertex3d(-1.0, -0.2, -1.0);
    gfx().vertex3d(1.0, -0.2, -1.0);
    gfx().end();
    gfx().lineWidth(1.0f);
}

void cameraOnSuper() {
    if (gs.superOwner < 1 || gs.superOwner > 2) return;
    const personagem& f = gs.fighter(gs.superOwner);
    gs.cameraTargetX = f.posX;
    gs.cameraTargetY = f.posY + 2.0;
    gs.cameraTargetZ = f.posZ + 6.0;
    gs.cameraHold = 5;
}

void screenFlash() {
    if (!presenting()) return;
    bool odd = static_cast<long long>(roundHalfEven(gs.effectTimers[4])) % 2 != 0;
    if (odd)
        gfx().clearColor(1.0f, 1.0f, 0.0f, 0.0f);
    else
        gfx().clearColor(1.0f, 1.0f, 1.0f, 0.0f);
}

void drawCurtain(double t) {
    if (!presenting()) return;
    if (t <= 30) {
        CurtainShape c = curtainShape(t);
        gfx().enable(GL::BLEND);
        gfx().color4ub(0, 0, 0, static_cast<u8>(c.alpha));
        for (int i = 0; i <= 6; ++i) {
            for (int j = 0; j <= 5; ++j) {
                const double x = i - 3, y = 1.6 - j;
                gfx().begin(GL::POLYGON);
                for (double b : {0.785, 2.355, 3.925, 5.495})
                    gfx().vertex3d(x + c.radius * std::cos(c.angle + b),
                                   y - c.radius * std::sin(c.angle + b), -4.9);
                gfx().end();
            }
        }
        if (t == 15 && gs.nextScene == "BATALHA" && gs.arena >= 1 && gs.arena <= 2 &&
            gs.arenaModelsLoaded[gs.arena] == 0)
            drawText("PROCESSANDO...", "CENTRO", "", 0.0, -1.0, -5.0, 2.0, 2.0, {255, 255, 255},
                     255, 0.0);
    }
}

// The scene switches under the closed curtain.
void curtain() {
    const double t = gs.transitionTimer();
    drawCurtain(t);
    if (t > 0 && t <= 14 && !gs.nextScene.empty()) {
        Name target = gs.nextScene;
        switchScene(target);
        gs.menuColumn = 1;
        gs.menuCursor = 1;
        gs.nextScene = "";
        if (gs.sceneName == "BATALHA" && gs.arena >= 1 && gs.arena <= 2 &&
            gs.arenaModelsLoaded[gs.arena] == 0) {
            loadArenaAssets(gs.arena);
            gs.arenaModelsLoaded[gs.arena] = 1;
        }
        if (gs.sceneName == "SAIR-DO-JOGO") gs.quitRequested = 1;
    }
}

} // namespace

CurtainShape curtainShape(double t) {
    double alpha = t >= 17 ? 255 - (t - 17) * 19 : t > 13 ? 255 : 255 - (13 - t) * 19;
    double angle = (t >= 17 || t <= 13) ? 0.2 * t : 0.0;
    double r = t >= 16 ? 0.71 - (t - 16) * 0.048 : t > 13 ? 0.71 : 0.71 - (13 - t) * 0.048;
    r = std::clamp(r, 0.0, 0.71);
    return {static_cast<int>(static_cast<long long>(roundHalfEven(alpha)) & 0xFF), angle, r};
}

void screenEffect(int k) {
    double& timer = gs.effectTimers[static_cast<std::size_t>(k)];
    const bool battleHeld = gs.paused == 1 || gs.pauseMenuOpen == 1;
    if (!(battleHeld && k != 4)) {
        if (timer > 0) timer -= 1;
        if (timer < 0) timer = 0;
    }
    if (presenting()) {
        gfx().disable(GL::TEXTURE_2D);
        gfx().disable(GL::LIGHTING);
    }
    switch (k) {
    case 1:
        radialBurst();
        break;
    case 2:
        flashingSky();
        break;
    case 3:
        cameraOnSuper();
        break;
    case 4:
        screenFlash();
        break;
    case 5:
        curtain();
        break;
    default:
        break;
    }
}

void runScreenEffects() {
    for (int k = 1; k <= 5; ++k)
        if (gs.effectTimers[static_cast<std::size_t>(k)] > 0) screenEffect(k);
}

void requestScene(std::string_view name, double curtainTicks) {
    gs.nextScene = name;
    gs.transitionTimer() = curtainTicks;
}
