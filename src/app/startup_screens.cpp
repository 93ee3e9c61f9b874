#include "app/startup_screens.h"

#include <string>

#include "shell/game_state.h"
#include "shell/rosters.h"

namespace {

constexpr CanvasColor white{255, 255, 255};
constexpr CanvasColor grey{150, 150, 150};
constexpr CanvasColor highlight{255, 150, 150};
constexpr CanvasColor background{40, 80, 130};

int listY(int line) {
    return 90 + 15 * line;
}

std::string numbered(int n, std::string_view text) {
    return std::to_string(n) + "-" + std::string(text);
}

constexpr std::string_view modeLines[] = {"P1 VS CPU", "P1 VS P2", "CPU VS CPU", "TREINO"};
constexpr std::string_view modeNames[] = {"P1-VS-CPU", "P1-VS-P2", "CPU-VS-CPU", "TREINO"};
constexpr int modeCount = 4;
constexpr std::string_view difficultyLines[] = {"MUITO FACIL", "FACIL", "NORMAL", "DIFICIL",
                                                "MUITO DIFICIL"};
constexpr std::string_view resolutionLines[] = {"640x480", "800x600", "1024x768", "1280x1024"};

int characterColumnX(int player) {
    return 20 + 120 * (player - 1);
}

// Every choice made so far, on every screen, so the screen fills up as the player goes.
void drawHighlights() {
    for (int p = 1; p <= 2; ++p) {
        u8 c = gs.fighter(p).character;
        if (c >= 1 && c <= 2)
            canvasText(characterColumnX(p), listY(c), numbered(c, fighterRoster[c]), highlight);
    }
    if (gs.arena >= 1 && gs.arena <= 2)
        canvasText(260, listY(gs.arena), numbered(gs.arena, arenaRoster[gs.arena]), highlight);
    for (int m = 1; m <= modeCount; ++m)
        if (gs.gameMode == modeNames[m - 1])
            canvasText(430, listY(m), numbered(m, modeLines[m - 1]), highlight);
    if (gs.difficulty >= 1 && gs.difficulty <= 5)
        canvasText(430, 190 + 15 * gs.difficulty,
                   numbered(gs.difficulty, difficultyLines[gs.difficulty - 1]), highlight);
}

void drawCharacterScreen() {
    int p = gs.fighter(1).character == 0 ? 1 : gs.fighter(2).character == 0 ? 2 : 0;
    if (p == 0) return;
    const int x = characterColumnX(p);
    drawFrameRect(10 + 120 * (p - 1), 80, 120 + 120 * (p - 1), 140, white);
    canvasText(x, 90, p == 1 ? "P1" : "P2", white);
    for (int c = 1; c <= 2; ++c) canvasText(x, listY(c), numbered(c, fighterRoster[c]), grey);
}

void drawArenaScreen() {
    drawFrameRect(250, 80, 410, 140, white);
    canvasText(260, 90, "CENÁRIO", white);
    for (int a = 1; a <= 2; ++a) canvasText(260, listY(a), numbered(a, arenaRoster[a]), grey);
}

void drawModeScreen() {
    drawFrameRect(420, 80, 520, 170, white);
    canvasText(430, 90, "MODO DE JOGO", white);
    for (int m = 1; m <= modeCount; ++m)
        canvasText(430, listY(m), numbered(m, modeLines[m - 1]), grey);
}

void drawDifficultyScreen() {
    drawFrameRect(420, 180, 520, 285, white);
    canvasText(430, 190, "DIFICULDADE", white);
    for (int d = 1; d <= 5; ++d)
        canvasText(430, 190 + 15 * d, numbered(d, difficultyLines[d - 1]), grey);
}

void drawResolutionScreen() {
    drawFrameRect(420, 295, 520, 385, white);
    canvasText(430, 305, "RESOLUÇÃO", white);
    for (int r = 1; r <= 4; ++r)
        canvasText(430, 305 + 15 * r, numbered(r, resolutionLines[r - 1]), grey);
}

} // namespace

void drawFrameRect(int left, int top, int right, int bottom, CanvasColor c) {
    canvasFillRect(left, top, left + 4, bottom, c);
    canvasFillRect(right - 4, top, right, bottom, c);
    canvasFillRect(left, top, right - 4, top + 4, c);
    canvasFillRect(left, bottom - 4, right - 4, bottom, c);
    canvasSetBrushHollow();
}

void drawStartupScreen() {
    canvasSetWindowColor(background);
    canvasText(10, 10,
               "TORVEL ARENA   " + std::string(gs.versionText.view()) + "   " +
                   std::string(gs.versionDate.view()),
               white);
    canvasText(10, 60, "SELECIONE :", white);
    drawFrameRect(10, 410, 80, 440, white);
    canvasText(20, 420, "ESC-SAIR", white);

    if (gs.sceneName == "DEBUG-PERSONAGEM")
        drawCharacterScreen();
    else if (gs.sceneName == "DEBUG-CENARIO")
        drawArenaScreen();
    else if (gs.sceneName == "DEBUG-MODO")
        drawModeScreen();
    else if (gs.sceneName == "DEBUG-DIFICULDADE")
        drawDifficultyScreen();
    else if (gs.sceneName == "DEBUG-RESOLUCAO")
        drawResolutionScreen();
    drawHighlights();
}
