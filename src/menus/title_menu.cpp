#include "menus/title_menu.h"

#include <cmath>
#include <string>

#include "fight/fighter_setup.h"
#include "menus/menu_input.h"
#include "menus/menu_texts.h"
#include "menus/mode_menu.h"
#include "menus/options_screens.h"
#include "platform/gfx.h"
#include "render/banner_box.h"
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

constexpr u8 rowCount = 7;
constexpr Rgb grey{150, 150, 150};

// Where confirming a title row leads: a scene, or a game mode's fighter selection; rows
// with neither are modes without content.
struct TitleRow {
    std::string_view scene;
    std::string_view optionsScreen;
    int gameMode = 0;
};
constexpr TitleRow titleRows[rowCount] = {
    {"", ""},
    {"VS-SELECAO-JOG", ""},
    {"", "", trainingMode},
    {"", ""},
    {"", ""},
    {"CONFIGURACOES", "OPCOES-ABERTURA"},
    {"SAIR-DO-JOGO", ""},
};

void vertex(f64 r, f64 g, f64 b, f64 a, f64 x, f64 y) {
    gfx().color4f(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b),
                  static_cast<float>(a));
    gfx().vertex3d(x, y, depth);
}

// A sky-blue field fading to slate, crossed by a dark slanted band with a rosy one on it.
void drawBackground() {
    if (!presenting()) return;
    gfx().disable(GL::TEXTURE_2D);
    gfx().disable(GL::LIGHTING);
    gfx().enable(GL::BLEND);
    drawGradientQuad({77, 153, 230}, {26, 51, 77}, 'H', -5, 2, 5, -4, depth, 255);
    gfx().begin(GL::QUADS);
    vertex(0, 0, 0, 0.7, -3.6, 2);
    vertex(0, 0, 0, 0.7, -1.4, 2);
    vertex(0, 0, 0, 0.7, 0.1, -4);
    vertex(0, 0, 0, 0.7, -2.1, -4);
    vertex(0.8, 0.6, 0.6, 0.7, -3.5, 2);
    vertex(0.8, 0.6, 0.6, 0.7, -1.5, 2);
    vertex(0.5, 0.3, 0.3, 0.3, 0, -4);
    vertex(0.5, 0.3, 0.3, 0.3, -2, -4);
    gfx().end();
}

void drawRowLabel(int i, f64 scale, u8 alpha, Rgb colour) {
    const std::string_view label = memoTexto[static_cast<std::size_t>(i - 1)];
    drawText(label, "", "CENTRO", 0.1 * i - 3.19, 1.49 - 0.4 * i, depth, scale, scale, black, alpha,
             0);
    drawText(label, "", "CENTRO", 0.1 * i - 3.2, 1.5 - 0.4 * i, depth, scale, scale, colour, alpha,
             0);
}

void drawDescription(int r) {
    drawBanner(0, black, "", -5, -1.8, 5, -2.8, 100);
    drawSprite("ABERTURA", r + 1, "CENTRO", -2.5, -2.3, 0.8, 0.8, depth, "CENTRO", "", white, 255,
               0, 0, 1, 0, 1);
    for (int k = 1; k <= 3; ++k) {
        const std::string_view line = memoTexto[static_cast<std::size_t>(4 * r + 10 + k)];
        drawText(line, "", "CENTRO", -1.99, -1.91 - 0.18 * k, depth, 1.8, 1.8, black, 200, 0);
        drawText(line, "", "CENTRO", -2, -1.9 - 0.18 * k, depth, 1.8, 1.8, white, 255, 0);
    }
}

void drawScreen(int r) {
    drawBanner(0, {0, 0, 30}, "", -5, 1.5 - 0.4 * r, 5, 1.4 - 0.4 * r, 40);
    drawBanner(0, white, "", -5, 1.48 - 0.4 * r, 5, 1.42 - 0.4 * r, 80);

    const f64 breath = gs.gameCycle / 8;
    drawSprite("ABERTURA", 1, "CENTRO", 2, 0.5, 2.36 * (1 + 0.1 * std::cos(breath)),
               2.02 * (1 + 0.1 * std::sin(breath)), depth, "CENTRO", "", white, 255, 0, 0, 1, 0, 1);
    drawText(gs.versionText.view(), "CENTRO", "", 2.56, -0.66, depth, 1.2, 1.2, black, 255, 0);
    drawText(gs.versionText.view(), "CENTRO", "", 2.6, -0.65, depth, 1.2, 1.2, white, 255, 0);

    for (int i = 1; i <= rowCount; ++i)
        if (i != r) drawRowLabel(i, 3, 80, grey);
    drawDescription(r);
    drawRowLabel(r, 3.3 + 0.2 * std::cos(breath), 255, white);

    const std::string prompt = options::hintText(1, "/BT1-bCONFIRMA");
    drawText(prompt, "", "CENTRO", -2.91, 1.01, depth, 1.5, 1.5, black, 200, 0);
    drawText(prompt, "", "CENTRO", -2.9, 1, depth, 1.5, 1.5, white, 255, 0);
}

void takeInput(int r) {
    if (gs.transitionTimer() != 0) return;
    moveMenuCursors();
    const MenuSnapshot& now = gs.menuInput;
    const MenuSnapshot& prev = gs.menuInputPrev;
    if (!pressed(now.button1, prev.button1)) return;
    gs.soundRequest = 18;
    const TitleRow& row = titleRows[r - 1];
    if (row.gameMode != 0) {
        startFighterSelection(row.gameMode);
        return;
    }
    if (row.scene.empty()) return;
    gs.soundRequest = 19;
    requestScene(row.scene);
    if (!row.optionsScreen.empty()) gs.optionsScreen = row.optionsScreen;
}

} // namespace

// The cursor is clamped before drawing, so a press past either end shows at the next tick.
void titleMenuScene() {
    gfx().loadIdentity();
    if (presenting()) {
        gfx().disable(GL::DEPTH_TEST);
        gfx().alphaFunc(GL::GREATER, 0.2f);
    }
    drawBackground();

    gs.gameCycle += 1;
    if (gs.gameCycle > 50) gs.gameCycle = 0;
    if (gs.menuCursor < 1) gs.menuCursor = 1;
    if (gs.menuCursor > rowCount) gs.menuCursor = rowCount;
    const int r = gs.menuCursor;

    drawScreen(r);
    takeInput(r);
    runScreenEffects();
}
