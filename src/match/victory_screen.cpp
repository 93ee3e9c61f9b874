#include "match/victory_screen.h"

#include "fight/animation.h"
#include "fight/fighter_update.h"
#include "fight/objects.h"
#include "platform/gfx.h"
#include "render/arena_draw.h"
#include "render/fighter_renderer.h"
#include "render/lights.h"
#include "render/sprites.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/presentation.h"
#include "shell/rng.h"
#include "shell/rounding.h"

namespace {

constexpr f64 screenDepth = -5;
constexpr f64 floorY = -4, standZ = -7;
constexpr Rgb white{255, 255, 255};

// Confetti colours, packed red in the low byte.
constexpr u32 rocketColours[] = {0x6464FF, 0x50FF50, 0xFF826E, 0x00FFFF, 0xFFFFFF, 0xFF64FF};

void drawBackdrop() {
    drawGradientQuad({0, 0, 40}, {0, 0, 86}, 'V', -3.5, 2.0, 3.5, -1.5, screenDepth, 255);
    drawGradientQuad({0, 0, 120}, {0, 0, 40}, 'V', -3.5, -1.0, 3.5, -3.5, screenDepth, 255);
}

// The winner turns to the camera: idle for the first ticks, then cheering.
void drawWinner(int index) {
    personagem& f = gs.fighter(index);
    f.showMarker = 0;
    if (gs.victoryTimer > 30)
        f.anim = "PARADO";
    else
        requestAnimation(index, random(2) == 0 ? "VITORIA-1" : "VITORIA-2");
    f.rotY = 90;
    updateFighter(index);
    const Pose& p = f.curPose;
    drawFighter(index, white, 1, 0, 90, 0, standZ, p.root[1] + floorY, p.root[0]);
    drawShadow(p.root[0], floorY, standZ, f.shadowRadius, 0.5);
}

// A rocket climbs from below the screen now and then, bursting into stars.
void confetti() {
    if (gs.victoryTimer == 25 && random(10) < 8) {
        const f64 x = -4 + 0.08 * random(100);
        const f64 angle = 80 + random(20);
        spawnObject(45, "-", rocketColours[random(6)], x, -6, -8, 0.1, 0.1, angle, 0);
    }
    for (std::size_t n = 1; n <= gs.objectPool.size(); ++n)
        if (gs.objectPool[n].kind != 0) updateObject(static_cast<int>(n));
    drawObjects();
}

// "VENCEDOR" blinks on the winner's side over its player or computer tag and its streak.
void drawTitles(int index) {
    const personagem& f = gs.fighter(index);
    const f64 d = index == 1 ? -1 : 1;
    if (static_cast<long long>(roundHalfEven(gs.victoryTimer)) % 25 < 18)
        drawText("VENCEDOR", "CENTRO", "CENTRO", 2.5 * d, 1.5, screenDepth, 2, 2, white, 200, 0);
    if (f.isHuman == 1)
        drawSprite("ICONE", 17 + index, "CENTRO", 2.9 * d, 1.1, 0.38, 0.295, screenDepth, "CENTRO",
                   "", white, 200, 0, 0, 1, 0, 1);
    else
        drawSprite("ICONE", 19 + index, "CENTRO", 2.9 * d, 1.1, 0.65, 0.295, screenDepth, "CENTRO",
                   "", white, 200, 0, 0, 1, 0, 1);
    drawSprite("ABERTURA", 62, "CENTRO", 2.9 * d, 0.35, 0.86, 0.93, screenDepth, "CENTRO", "",
               white, 255, 0, 0, 1, 0, 1);
    const char digits[3] = {static_cast<char>('0' + f.winStreak / 10 % 10),
                            static_cast<char>('0' + f.winStreak % 10), 0};
    drawWavyText(digits, "CENTRO", "CENTRO", 2.9 * d, 0.33, screenDepth, 3, 3, white, 255, 0);
}

} // namespace

int victoryWinner() {
    return gs.fighter(1).winStreak > gs.fighter(2).winStreak ? 1 : 2;
}

void victoryScene() {
    gs.victoryTimer -= 1;
    if (gs.victoryTimer <= 0) gs.victoryTimer = 25;
    const int winner = victoryWinner();

    gfx().loadIdentity();
    if (presenting()) {
        gfx().disable(GL::DEPTH_TEST);
        gfx().alphaFunc(GL::GREATER, 0.0f);
    }
    drawBackdrop();
    setPresentationLight();
    if (presenting()) {
        gfx().enable(GL::DEPTH_TEST);
        gfx().enable(GL::TEXTURE_2D);
        gfx().enable(GL::LIGHTING);
        gfx().enable(GL::LIGHT0);
    }
    drawWinner(winner);
    confetti();

    if (presenting()) gfx().disable(GL::DEPTH_TEST);
    drawTitles(winner);
}
