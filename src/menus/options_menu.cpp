#include "menus/options_menu.h"

#include <cmath>
#include <string>
#include <string_view>

#include "fight/fighter_setup.h"
#include "fight/fighter_update.h"
#include "fight/objects.h"
#include "fight/training_rules.h"
#include "menus/fight_stop.h"
#include "menus/menu_input.h"
#include "menus/options_screens.h"
#include "platform/keys.h"
#include "render/arena_setup.h"
#include "render/banner_box.h"
#include "render/screen_effects.h"
#include "render/sprites.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/input.h"

namespace options {

bool confirmPressed() {
    return pressed(gs.menuInput.button1, gs.menuInputPrev.button1);
}

bool takeConfirm() {
    if (!confirmPressed()) return false;
    gs.menuInputPrev.button1 = 1;
    return true;
}

bool backPressed() {
    return pressed(gs.menuInput.button2, gs.menuInputPrev.button2);
}

void clampCursor(u8 lo, u8 hi) {
    if (gs.menuCursor < lo) gs.menuCursor = lo;
    if (gs.menuCursor > hi) gs.menuCursor = hi;
}

void goTo(std::string_view screen, u8 cursor) {
    gs.optionsScreen = screen;
    gs.menuCursor = cursor;
    gs.inputLock = 5;
}

std::string_view battleMenuScreen() {
    return trainingBattle() ? "OPCOES-TREINO" : "OPCOES-JOGO-1";
}

u8 moveListRow() {
    return trainingBattle() ? trainingMoveListRow : 2;
}

bool inTitleConfiguration() {
    return gs.sceneName == "CONFIGURACOES";
}

void drawRow(std::string_view text, f64 y, bool selected, f64 size, f64 x) {
    if (!selected) {
        const f64 s = 2.6 * size;
        drawText(text, "CENTRO", "CENTRO", x, y, depth, s, s, {160, 160, 170}, 200, 0);
        return;
    }
    const f64 s = (3 + 0.15 * std::cos(gs.pauseCycle / 4.0)) * size;
    const u8 alpha = gs.pauseCycle <= 40 ? 255 : 160;
    drawText(text, "CENTRO", "CENTRO", x + 0.03, y - 0.03, depth, s, s, black, alpha, 0);
    drawText(text, "CENTRO", "CENTRO", x, y, depth, s, s, {255, 230, 120}, alpha, 0);
}

void drawRowBand(f64 y, f64 halfHeight, f64 x1, f64 x2) {
    const u8 alpha = gs.pauseCycle <= 40 ? 120 : 70;
    drawBanner(0, {200, 140, 20}, "", x1, y + halfHeight, x2, y - halfHeight, alpha);
    drawBanner(0, {255, 230, 150}, "", x1, y - halfHeight + 0.025, x2, y - halfHeight, alpha);
}

void drawTitle(int picture, std::string_view title) {
    drawBanner(0, {10, 20, 70}, "", -3.4, 1.62, 3.4, 1.1, 190);
    drawBanner(picture, {90, 120, 255}, title, -3.4, 1.6, 3.4, 1.12, 60);
}

void drawHelpPicture(int picture, f64 x, f64 y, f64 size) {
    const f64 sway = 4 * std::sin(gs.pauseCycle * 2 * 3.14159265358979 / 51);
    drawSprite("ABERTURA", picture, "CENTRO", x, y, size, size, depth, "CENTRO", "", white, 255,
               sway, 0, 1, 0, 1);
}

std::string hintText(int button, std::string_view hint) {
    std::string text(1, keyCharacter(gs.keyBindings[static_cast<std::size_t>(4 + button)][0]));
    text += hint;
    return text;
}

void drawShadowedText(std::string_view text, std::string_view hAlign, f64 x, f64 y, f64 size,
                      Rgb colour, u8 alpha) {
    drawText(text, hAlign, "CENTRO", x + 0.02, y - 0.02, depth, size, size, black, alpha, 0);
    drawText(text, hAlign, "CENTRO", x, y, depth, size, size, colour, alpha, 0);
}

// The hints' picture glyphs (check, cross, triangles) are those of the wavy font.
void drawHintLine(std::string_view text, f64 x, f64 y) {
    drawWavyText(text, "", "CENTRO", x + 0.01, y - 0.01, depth, 1.5, 1.5, black, 200, 0);
    drawWavyText(text, "", "CENTRO", x, y, depth, 1.5, 1.5, white, 255, 0);
}

void drawHints(std::string_view hint1, std::string_view hint2) {
    std::string text;
    if (!hint1.empty()) text += hintText(1, hint1);
    if (!hint2.empty()) text += hintText(2, hint2);
    drawHintLine(text, -3.2, -2.95);
}

void drawQuestion(int picture, std::string_view title) {
    drawTitle(picture, "");
    drawWavyText(title, "CENTRO", "CENTRO", 0.03, 0.67, depth, 3, 3, black, 220, 0);
    drawWavyText(title, "CENTRO", "CENTRO", 0, 0.7, depth, 3, 3, white, 255, 0);
    constexpr f64 rowY[] = {-0.2, -0.9};
    drawRowBand(rowY[gs.menuCursor - 1], 0.25, -2.2, 2.2);
    drawRow("SIM", rowY[0], gs.menuCursor == 1, 1.2);
    drawRow("NÃO", rowY[1], gs.menuCursor == 2, 1.2);
    drawHelpPicture(46, -1.2, rowY[0], 0.45);
    drawHelpPicture(47, -1.2, rowY[1], 0.45);
    drawHints("/BT1-aCONFIRMA   ", "/BT2-bCANCELA");
}

} // namespace options

using namespace options;

void leaveForTitle() {
    stopFight();
    gs.training.active = 0;
    gs.optionsScreen = "";
    gs.victoryTimer = 0;
    gs.frameDelayExtra = 0;
    gs.superOwner = 0;
    clearObjects();
    // One update takes each fighter to its idle pose: the fight stands still under the
    // curtain, and shows them standing where a new match begins.
    for (int i = 1; i <= 2; ++i) {
        resetForMatch(i);
        resetForRound(i);
        updateFighter(i);
    }
    gs.rematchReady = {};
    gs.soundRequest = 19;
    requestScene("OPCOES");
}

namespace {

void rematch() {
    gs.rematchReady = {};
    requestScene("BATALHA", 30);
    gs.soundRequest = 19;
    gs.optionsScreen = "";
    resetForMatch(1);
    resetForMatch(2);
    gs.introTimer = 100;
    gs.roundNumber = 1;
    gs.lightingVariant = 1;
    arenaSetup(gs.arena);
}

// Online, each player's own confirm on "LUTAR NOVAMENTE" counts (player 1 stands where
// the keyboard stands, player 2 where the first joystick does); the match starts once
// both have confirmed.
bool bothWantARematch() {
    const bool pressed1 = pressed(gs.kbInput.buttons[1], gs.kbInputPrev.buttons[1]);
    const bool pressed2 = pressed(gs.joy1Input.buttons[1], gs.joy1InputPrev.buttons[1]);
    if (pressed1) gs.rematchReady[1] = 1;
    if (pressed2) gs.rematchReady[2] = 1;
    return gs.rematchReady[1] == 1 && gs.rematchReady[2] == 1;
}

void drawRematchMarks() {
    for (int p = 1; p <= 2; ++p) {
        if (gs.rematchReady[static_cast<std::size_t>(p)] == 0) continue;
        drawShadowedText(p == 1 ? "P1 PRONTO" : "P2 PRONTO", "CENTRO", p == 1 ? -3.0 : 3.0, -2.35,
                         1.6, {120, 255, 120}, 255);
    }
}

// After the match: the next match in the same arena, or the title screen.
void afterMatchMenu() {
    clampCursor(1, 2);
    constexpr f64 rowY[] = {-2.35, -2.8};
    drawBanner(0, black, "", -2.4, -2.05, 2.4, -3.05, 110);
    drawRowBand(rowY[gs.menuCursor - 1], 0.2, -2.2, 2.2);
    drawRow("LUTAR NOVAMENTE", rowY[0], gs.menuCursor == 1, 0.85);
    drawRow("TELA INICIAL", rowY[1], gs.menuCursor == 2, 0.85);
    drawHintLine(hintText(1, "/BT1-aCONFIRMA"), -3.2, -3.2);
    if (gs.onlineSession == 1) drawRematchMarks();
    if (!confirmPressed() || gs.inputLock != 0 || gs.transitionTimer() != 0) return;
    if (gs.menuCursor == 2)
        leaveForTitle();
    else if (gs.onlineSession == 0 || bothWantARematch())
        rematch();
}

// A row of a menu list: its label and where confirming it leads (cursor 0 leaves the
// cursor alone; `enter` prepares the screen entered).
struct MenuRow {
    std::string_view label;
    std::string_view screen;
    u8 cursor;
    int helpPicture;
    void (*enter)();
};

// The fight does not go on without a player's lost joystick.
void closeMenu() {
    if (gs.controllerLost == 0)
        gs.pauseMenuOpen = 0;
    else
        gs.optionsScreen = "OPCOES-JOGO-1";
}

constexpr MenuRow battleMenuRows[] = {
    {"CONTINUAR", "", 0, 17, closeMenu},
    {"LISTA DE GOLPES", "LISTA-GOLPES", 0, 18, nullptr},
    {"OPÇÕES", "OPCOES-JOGO-2", 1, 19, nullptr},
    {"TELA INICIAL", "TELA-PRINCIPAL", 2, 20, nullptr},
    {"SAIR DO JOGO", "SAIR-JOGO", 2, 21, nullptr},
};

void enterControlMode() {
    gs.menuColumn = gs.controlMode;
}

void enterKeyAssignment() {
    gs.keyAssignSlot = 1;
    gs.joy1Row = 1;
    gs.joy2Row = 1;
}

constexpr MenuRow settingsRows[] = {
    {"CONTROLES", "CONTROLES", 0, 23, enterControlMode},
    {"CONFIGURAR CONTROLES", "CONFIGURAR-CONTROLES", 0, 24, enterKeyAssignment},
    {"VOLUME", "VOLUME", 1, 25, nullptr},
    {"OUTLINES", "OUTLINES", 0, 26, nullptr},
    {"FLASH", "FLASH", 0, 27, nullptr},
    {"MOSTRAR CREDITOS", "MOSTRAR-CREDITOS", 0, 38, nullptr},
    {"SALVAR CONFIGURAÇÕES", "SALVAR-CONFIGURACOES", 1, 28, nullptr},
    {"VOLTAR", "OPCOES-JOGO-1", 3, 39, nullptr},
};

template <std::size_t N> void drawMenuList(const MenuRow (&rows)[N], f64 top, f64 step, f64 size) {
    const u8 r = gs.menuCursor;
    drawRowBand(top - step * (r - 1), 0.45 * step);
    for (std::size_t i = 1; i <= N; ++i)
        drawRow(rows[i - 1].label, top - step * static_cast<f64>(i - 1), i == r, size, 0.45);
    drawHelpPicture(rows[r - 1].helpPicture, -2.6, top - step * (N - 1) / 2.0, 1.1);
}

// Confirming row r of a list leads where its table row says.
template <std::size_t N> void confirmRow(const MenuRow (&rows)[N]) {
    const MenuRow& row = rows[gs.menuCursor - 1];
    goTo(row.screen, row.cursor == 0 ? gs.menuCursor : row.cursor);
    if (row.enter) row.enter();
}

void battleMenu() {
    clampCursor(1, 5);
    drawTitle(16, "PAUSA");
    drawMenuList(battleMenuRows, 0.7, 0.5, 1);
    drawHints("/BT1-aCONFIRMA   ", "/BT2-dCONTINUAR");
    if (backPressed()) {
        gs.menuCursor = 1;
        confirmRow(battleMenuRows);
    } else if (takeConfirm()) {
        confirmRow(battleMenuRows);
    }
}

void settingsMenu() {
    clampCursor(1, 8);
    drawTitle(19, "OPÇÕES");
    drawMenuList(settingsRows, 0.85, 0.36, 0.8);
    drawHints("/BT1-aCONFIRMA   ", "/BT2-cVOLTAR");
    if (backPressed()) {
        gs.menuCursor = 8;
        confirmRow(settingsRows);
    } else if (takeConfirm()) {
        confirmRow(settingsRows);
    }
}

// A yes/no question of the battle menu: "NÃO" or back returns to the row that asked;
// "SIM" acts only when the question has an action.
struct Question {
    std::string_view title;
    int picture;
    u8 askingRow;
    void (*yes)();
};

void quitGame() {
    gs.quitRequested = 1;
}

constexpr Question titleQuestion{"TELA INICIAL ?", 20, 4, leaveForTitle};
constexpr Question quitQuestion{"SAIR DO JOGO ?", 21, 5, quitGame};

void askQuestion(const Question& q) {
    clampCursor(1, 2);
    drawQuestion(q.picture, q.title);
    const bool no = backPressed() || (gs.menuCursor == 2 && confirmPressed());
    if (no) {
        goTo("OPCOES-JOGO-1", q.askingRow);
    } else if (gs.menuCursor == 1 && q.yes && takeConfirm()) {
        q.yes();
    }
}

void titleScreenQuestion() {
    askQuestion(titleQuestion);
}

void quitQuestionScreen() {
    askQuestion(quitQuestion);
}

struct OptionsScreen {
    std::string_view name;
    void (*run)();
};

constexpr OptionsScreen screens[] = {
    {"OPCOES-JOGO-1", battleMenu},
    {"LISTA-GOLPES", moveListScreen},
    {"OPCOES-JOGO-2", settingsMenu},
    {"CONTROLES", controlModeScreen},
    {"CONFIGURAR-CONTROLES", keyAssignmentScreen},
    {"VOLUME", volumeScreen},
    {"OUTLINES", outlinesScreen},
    {"FLASH", flashScreen},
    {"MOSTRAR-CREDITOS", creditsScreen},
    {"TELA-PRINCIPAL", titleScreenQuestion},
    {"SAIR-JOGO", quitQuestionScreen},
    {"SALVAR-CONFIGURACOES", saveQuestionScreen},
    {"OPCOES-JOGO-3", afterMatchMenu},
    {"OPCOES-TREINO", trainingMenuScreen},
};

} // namespace

char keyCharacter(unsigned char code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return static_cast<char>(code);
    if (code >= vk::Numpad0 && code <= vk::Numpad0 + 9)
        return static_cast<char>('0' + code - vk::Numpad0);
    return '?';
}

void optionsMenu() {
    moveMenuCursors();
    // Over a fight or the configuration list the screens sit on a dark veil, so what lies
    // behind stays readable but quiet.
    if (gs.pauseMenuOpen == 1 || inTitleConfiguration())
        drawGradientQuad(black, black, 'V', -3.5, 1.8, 3.5, -3.5, depth, 110);
    for (const OptionsScreen& s : screens) {
        if (gs.optionsScreen == s.name) {
            s.run();
            return;
        }
    }
}
