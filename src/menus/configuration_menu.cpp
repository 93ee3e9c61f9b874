#include "menus/configuration_menu.h"

#include <array>
#include <cmath>
#include <string>

#include "menus/options_menu.h"
#include "menus/options_screens.h"
#include "platform/gfx.h"
#include "render/banner_box.h"
#include "render/screen_effects.h"
#include "render/sprites.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/presentation.h"
#include "shell/rounding.h"

namespace {

using options::black;
using options::depth;
using options::drawShadowedText;
using options::white;

constexpr u8 rowCount = 11;
constexpr f64 labelX = -3.1, valueX = 0.55, firstRowY = 1.0, rowStep = 0.33;

// A row: its label (a line of the hidden list), and for a setting its field, range and
// the words its values are shown as (value v is word v - low). Switch rows have range 0..1
// and are shown as both words, "SIM" first.
struct ConfigRow {
    std::string_view label;
    u8 GameState::*setting;
    u8 low, high;
    std::array<std::string_view, 5> words;
    std::array<std::string_view, 5> secondLines;
};

constexpr ConfigRow rows[rowCount] = {
    {"DIFICULDADE",
     &GameState::difficulty,
     1,
     5,
     {"MUITO FÁCIL", "FÁCIL", "NORMAL", "DIFÍCIL", "MUITO DIFÍCIL"},
     {}},
    {"TEMPO DO ROUND", &GameState::roundTimeSetting, 1, 4, {"30", "60", "90", "a"}, {}},
    {"ROUNDS ", &GameState::roundsSetting, 1, 3, {"1", "3", "5"}, {}},
    {"NÍVEL DE DANO",
     &GameState::damageLevel,
     1,
     5,
     {"MUITO BAIXO", "BAIXO", "NORMAL", "ALTO", "MUITO ALTO"},
     {"(50%)", "(75%)", "(100%)", "(125%)", "(150%)"}},
    {"CONTROLES", &GameState::controlMode, 1, 3, {}, {}},
    {"CONFIGURAR CONTROLES", nullptr, 0, 0, {}, {}},
    {"VOLUME", nullptr, 0, 0, {}, {}},
    {"OUTLINES", &GameState::outlinesOn, 0, 1, {"SIM", "NÃO"}, {}},
    {"FLASH", &GameState::flashOn, 0, 1, {"SIM", "NÃO"}, {}},
    {"MOSTRAR CREDITOS", &GameState::showCredits, 0, 1, {"SIM", "NÃO"}, {}},
    {"VOLTAR", nullptr, 0, 0, {}, {}},
};

bool isSwitch(const ConfigRow& row) {
    return row.setting != nullptr && row.high == 1;
}

f64 rowY(int r) {
    return firstRowY - rowStep * (r - 1);
}

// The selected value blinks with `pauseCycle`; the others are dim.
u8 valueAlpha(bool selected) {
    if (!selected) return 80;
    const auto a = static_cast<long long>(roundHalfEven(55 * std::cos(gs.pauseCycle))) - 56;
    return static_cast<u8>(a & 0xFF);
}

void drawIcon(int picture, f64 x, f64 y) {
    drawSprite("ICONE", picture, "CENTRO", x, y, 0.2, 0.2, depth, "CENTRO", "", white, 255, 0, 0, 1,
               0, 1);
}

void drawBackground() {
    if (!presenting()) return;
    gfx().disable(GL::DEPTH_TEST);
    gfx().disable(GL::TEXTURE_2D);
    gfx().disable(GL::LIGHTING);
    gfx().enable(GL::BLEND);
    drawGradientQuad({179, 153, 128}, {77, 51, 26}, 'V', -5, 2, 5, -4, depth, 255);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j)
            drawSprite("ABERTURA", 14, "CENTRO", 2.6 * i - 2.6, 1.2 - 2 * j + 0.04 * gs.gameCycle,
                       2.6, 2, depth, "CENTRO", "", white, 40, 0, 0, 1, 0, 1);
    drawBanner(0, black, "", -5, 1.4, 1, 1.2, 77);
    drawBanner(0, {255, 51, 51}, "", -5, 1.5, 1, 1.3, 128);
    const f64 sway = 20 * std::cos(0.125 * gs.gameCycle);
    drawWavyText("CONFIGURAÇÕES", "", "CENTRO", -3.07, 1.37, depth, 3, 3, black, 200, sway);
    drawWavyText("CONFIGURAÇÕES", "", "CENTRO", -3.1, 1.4, depth, 3, 3, white, 255, sway);
}

void drawValue(const ConfigRow& row, int r, bool selected) {
    const f64 y = rowY(r);
    const u8 alpha = valueAlpha(selected);
    const u8 value = gs.*row.setting;
    if (isSwitch(row)) {
        drawShadowedText("SIM", "", valueX, y, 1.7, white, value == 1 ? alpha : u8{35});
        drawShadowedText("NÃO", "", valueX + 0.8, y, 1.7, white, value == 0 ? alpha : u8{35});
        return;
    }
    const auto v = static_cast<std::size_t>(value - row.low);
    if (row.setting == &GameState::controlMode) {
        // The mode between its arrows, each player's device beside it.
        const options::ControlMode& m = options::controlModes[v];
        drawShadowedText(m.name, "", valueX + 0.15, y, 1.5, white, alpha);
        if (value > row.low) drawIcon(34, valueX, y);
        if (value < row.high) drawIcon(30, valueX + 1.2, y);
        drawShadowedText(m.player1, "", valueX + 1.37, y + 0.07, 1.0, {255, 220, 160}, alpha);
        drawShadowedText(m.player2, "", valueX + 1.37, y - 0.08, 1.0, {255, 220, 160}, alpha);
    } else if (row.secondLines[v].empty()) {
        drawShadowedText(row.words[v], "", valueX, y, 1.7, white, alpha);
    } else {
        drawShadowedText(row.words[v], "", valueX, y + 0.07, 1.3, white, alpha);
        drawShadowedText(row.secondLines[v], "", valueX, y - 0.08, 1.3, {255, 220, 160}, alpha);
    }
}

void drawRows() {
    const int r = gs.menuCursor;
    drawBanner(0, {20, 0, 0}, "", -5, rowY(r) + 0.16, 5, rowY(r) - 0.16, 150);
    drawBanner(0, {255, 220, 120}, "", -5, rowY(r) - 0.14, 5, rowY(r) - 0.16, 160);
    for (int i = 1; i <= rowCount; ++i) {
        const ConfigRow& row = rows[i - 1];
        const bool selected = i == r;
        if (selected)
            drawShadowedText(row.label, "", labelX, rowY(i), 2.2, white, 255);
        else
            drawText(row.label, "", "CENTRO", labelX, rowY(i), depth, 1.5, 1.5, {80, 20, 20}, 255,
                     0);
        if (row.setting) drawValue(row, i, selected);
    }
    drawSprite("ABERTURA", 28 + r, "CENTRO", 2.55, -1.75, 1.1, 1.1, depth, "CENTRO", "", white, 255,
               0, 0, 1, 0, 1);
    drawShadowedText(options::hintText(1, "/BT1-bCONFIRMA"), "", -3.1, -2.75, 1.5, white, 255);
    drawShadowedText(options::hintText(2, "/BT2-cCANCELA"), "", 0.3, -2.75, 1.5, white, 255);
}

void openSubScreen(std::string_view screen) {
    gs.optionsScreen = screen;
    gs.inputLock = 5;
}

void takeInput() {
    const MenuSnapshot& now = gs.menuInput;
    const MenuSnapshot& prev = gs.menuInputPrev;
    const int r = gs.menuCursor;
    const ConfigRow& row = rows[r - 1];
    const bool confirm = pressed(now.button1, prev.button1);
    if (pressed(now.up, prev.up)) gs.menuCursor -= 1;
    if (pressed(now.down, prev.down)) gs.menuCursor += 1;
    if (row.setting) {
        u8& value = gs.*row.setting;
        const bool left = pressed(now.left, prev.left), right = pressed(now.right, prev.right);
        if (isSwitch(row)) {
            if (left) value = 1;
            if (right) value = 0;
        } else {
            if (left) value -= 1;
            if (right) value += 1;
        }
    }
    if (confirm && r == 6) {
        openSubScreen("CONFIGURAR-CONTROLES");
        gs.keyAssignSlot = 1;
        gs.joy1Row = 1;
        gs.joy2Row = 1;
    } else if (confirm && r == 7) {
        openSubScreen("VOLUME");
        gs.menuCursor = 1;
    } else if ((confirm && r == rowCount) || pressed(now.button2, prev.button2)) {
        openSubScreen("SALVAR-CONFIGURACOES");
        gs.menuCursor = 1;
    }
}

// Settings are held inside their ranges every tick, so a value stepped past an end (or
// never chosen, as a difficulty of 0) shows as the nearest one.
void clampSettings() {
    for (const ConfigRow& row : rows) {
        if (!row.setting || isSwitch(row)) continue;
        u8& value = gs.*row.setting;
        if (value < row.low) value = row.low;
        if (value > row.high) value = row.high;
    }
}

} // namespace

void configurationMenuScene() {
    gs.gameCycle += 1;
    if (gs.gameCycle >= 50) gs.gameCycle = 0;
    gs.pauseCycle += 1;
    if (gs.pauseCycle >= 50) gs.pauseCycle = 0;
    gfx().loadIdentity();
    clampSettings();
    drawBackground();

    // The list takes the keys only while it is shown: the sub-screens read their own.
    if (gs.optionsScreen == "OPCOES-ABERTURA") {
        if (gs.menuCursor < 1) gs.menuCursor = 1;
        if (gs.menuCursor > rowCount) gs.menuCursor = rowCount;
        drawRows();
        if (gs.transitionTimer() == 0) takeInput();
    } else if (gs.optionsScreen == "CONFIGURAR-CONTROLES" || gs.optionsScreen == "VOLUME" ||
               gs.optionsScreen == "SALVAR-CONFIGURACOES") {
        optionsMenu();
    }
    runScreenEffects();
}
