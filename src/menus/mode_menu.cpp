#include "menus/mode_menu.h"

#include <cmath>
#include <string>

#include "fight/fighter_setup.h"
#include "menus/fight_stop.h"
#include "menus/menu_input.h"
#include "menus/menu_texts.h"
#include "menus/options_screens.h"
#include "platform/gfx.h"
#include "render/screen_effects.h"
#include "render/sprites.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/presentation.h"

namespace {

using options::black;
using options::depth;
using options::white;

constexpr u8 backRow = 4;
constexpr Rgb grey{150, 150, 150};

// The chita print drifts one tile to the left and down every 50 ticks.
void drawBackground() {
    drawGradientQuad({170, 70, 70}, {40, 20, 20}, 'V', -5, 2, 5, -4, depth, 255);
    const f64 drift = gs.gameCycle / 50;
    drawSprite("ABERTURA", 14, "", -5, 2, 10, 6, depth, "", "", {255, 190, 170}, 80, 0, drift,
               drift + 10 / 1.6, drift, drift + 6 / 1.6);
}

void drawModeRow(int i, bool selected) {
    const f64 y = -0.5 * (i - 1);
    const std::string_view label = memoTexto[static_cast<std::size_t>(i + 7)];
    if (!selected) {
        drawSprite("ABERTURA", 9, "CENTRO", 0, y, 1.155, 0.255, depth, "CENTRO", "", grey, 100, 0,
                   0, 1, 0, 1);
        drawWavyText(label, "CENTRO", "CENTRO", 0.01, y - 0.01, depth, 1.05, 1.05, black, 50, 0);
        drawWavyText(label, "CENTRO", "CENTRO", 0, y, depth, 1.05, 1.05, grey, 100, 0);
        return;
    }
    const f64 wave = std::cos(gs.gameCycle / 8);
    const f64 s = 1 + 0.05 * wave, size = 2.1 * s, tilt = 10 * wave;
    drawSprite("ABERTURA", 9, "CENTRO", 0, y, 2.31 * s, 0.51 * s, depth, "CENTRO", "", white, 255,
               0, 0, 1, 0, 1);
    drawWavyText(label, "CENTRO", "CENTRO", 0.02, y - 0.02, depth, size, size, black, 200, tilt);
    drawWavyText(label, "CENTRO", "CENTRO", 0, y, depth, size, size, white, 255, tilt);
    // Two arrows point at the chosen plate from both sides.
    drawSprite("ABERTURA", 45, "CENTRO", -1.6, y, 0.4, 0.4, depth, "CENTRO", "", white, 255, 0, 0,
               1, 0, 1);
    drawSprite("ABERTURA", 46, "CENTRO", 1.6, y, 0.4, 0.4, depth, "CENTRO", "INV", white, 255, 0, 0,
               1, 0, 1);
}

void drawBackRow(bool selected) {
    if (!selected) {
        drawText("VOLTAR", "CENTRO", "CENTRO", 0.02, -1.52, depth, 1.6, 1.6, black, 80, 0);
        drawText("VOLTAR", "CENTRO", "CENTRO", 0, -1.5, depth, 1.6, 1.6, grey, 150, 0);
        return;
    }
    drawSprite("ABERTURA", 39, "CENTRO", -1.2, -1.5, 0.5, 0.5, depth, "CENTRO", "", white, 255, 0,
               0, 1, 0, 1);
    drawText("VOLTAR", "CENTRO", "CENTRO", 0.02, -1.52, depth, 2.8, 2.8, black, 200, 0);
    drawText("VOLTAR", "CENTRO", "CENTRO", 0, -1.5, depth, 2.8, 2.8, white, 255, 0);
}

void drawPrompt(int button, std::string_view hint, f64 y) {
    const std::string text = options::hintText(button, hint);
    drawText(text, "CENTRO", "CENTRO", 0.01, y - 0.01, depth, 1.5, 1.5, black, 200, 0);
    drawText(text, "CENTRO", "CENTRO", 0, y, depth, 1.5, 1.5, white, 255, 0);
}

// Any confirm sets both fighters up for a new match and a fresh selection.
void resetFighters() {
    for (int i = 1; i <= 2; ++i) {
        resetForMatch(i);
        resetForRound(i);
        personagem& f = gs.fighter(i);
        f.selectColumn = i == 1 ? 2 : 3;
        f.selectRow = 2;
        f.anim = "PARADO";
        f.frame = 0;
        f.posX = i == 1 ? -6 : 6;
        f.characterChosen = 0;
        f.strengthChosen = 0;
        f.showMarker = 1;
        f.damageScale = 1.0;
    }
}

void confirm(int r) {
    if (r != backRow) {
        startFighterSelection(r);
        return;
    }
    stopFight();
    resetFighters();
    gs.transitionTimer() = 30;
    gs.soundRequest = 20;
    gs.nextScene = "OPCOES";
}

void takeInput(int r) {
    if (gs.transitionTimer() != 0) return;
    moveMenuCursors();
    const MenuSnapshot& now = gs.menuInput;
    const MenuSnapshot& prev = gs.menuInputPrev;
    if (pressed(now.button1, prev.button1)) {
        confirm(r);
    } else if (pressed(now.button2, prev.button2)) {
        gs.transitionTimer() = 30;
        gs.soundRequest = 20;
        gs.menuCursor = backRow;
        gs.nextScene = "OPCOES";
    }
}

} // namespace

void startFighterSelection(int mode) {
    stopFight();
    resetFighters();
    gs.transitionTimer() = 30;
    chooseGameMode(mode);
    gs.soundRequest = 19;
    gs.nextScene = "SELECAO-LUTADOR";
}

void modeMenuScene() {
    gfx().loadIdentity();
    if (presenting()) {
        gfx().disable(GL::DEPTH_TEST);
        gfx().disable(GL::LIGHTING);
    }
    drawBackground();
    if (gs.menuCursor < 1) gs.menuCursor = 1;
    if (gs.menuCursor > backRow) gs.menuCursor = backRow;
    const int r = gs.menuCursor;

    drawWavyText("VS", "CENTRO", "CENTRO", 0.02, 1.28, depth, 5, 5, black, 200, 0);
    drawWavyText("VS", "CENTRO", "CENTRO", 0, 1.3, depth, 5, 5, white, 255, 0);
    for (int i = 1; i <= 3; ++i) drawModeRow(i, i == r);
    drawBackRow(r == backRow);

    gs.gameCycle += 1;
    if (gs.gameCycle > 50) gs.gameCycle = 0;
    drawPrompt(1, "/BT1-bCONFIRMA", -2.7);
    drawPrompt(2, "/BT2-cCANCELA", -2.9);
    takeInput(r);
    runScreenEffects();
}
