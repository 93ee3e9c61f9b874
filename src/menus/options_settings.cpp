// The settings screens of the options: control mode, volumes, the three switches and the
// save question (also run by the title configuration).
#include <cmath>
#include <string>
#include <string_view>

#include "assets/config_file.h"
#include "menus/options_screens.h"
#include "render/banner_box.h"
#include "render/screen_effects.h"
#include "render/sprites.h"
#include "render/text.h"
#include "shell/game_state.h"

namespace options {

namespace {

void drawIcon(int icon, f64 x, f64 y, f64 size) {
    drawSprite("ICONE", icon, "CENTRO", x, y, size, size, depth, "CENTRO", "", white, 255, 0, 0, 1,
               0, 1);
}

struct Volume {
    std::string_view label;
    i32 GameState::*value;
};

constexpr Volume volumes[] = {
    {"MUSICA", &GameState::musicVolume},
    {"EFEITOS SONOROS", &GameState::soundVolume},
};

constexpr i32 quietest = -2000, loudest = 0, initialVolume = -1000, volumeStep = 100;

// A switch screen: the flag it toggles and the row of "OPCOES-JOGO-2" it returns to.
struct Switch {
    std::string_view title;
    int picture;
    u8 GameState::*flag;
    u8 row;
};

constexpr Switch switches[] = {
    {"OUTLINES", 26, &GameState::outlinesOn, 4},
    {"FLASH", 27, &GameState::flashOn, 5},
    {"MOSTRAR CREDITOS", 38, &GameState::showCredits, 6},
};

void runSwitch(const Switch& s) {
    u8& flag = gs.*s.flag;
    drawTitle(s.picture, s.title);
    constexpr struct {
        std::string_view word;
        u8 value;
        f64 x;
        int picture;
    } choices[] = {{"SIM", 1, -1.1, 46}, {"NÃO", 0, 1.1, 47}};
    for (const auto& c : choices) {
        const bool on = flag == c.value;
        if (on) drawRowBand(-0.2, 0.3, c.x - 1.0, c.x + 1.0);
        drawRow(c.word, -0.2, on, 1.3, c.x + 0.2);
        drawHelpPicture(c.picture, c.x - 0.7, -0.2, on ? 0.5 : 0.35);
    }
    drawHints("/BT1-aCONFIRMA   ", "/BT2-cVOLTAR");
    if (backPressed()) {
        goTo("OPCOES-JOGO-2", s.row);
    } else if (takeConfirm()) {
        flag = flag == 1 ? 0 : 1;
    }
}

void drawVolumeBar(i32 value, f64 y, bool selected) {
    constexpr f64 left = -2.3, right = 1.95;
    const f64 share = static_cast<f64>(value - quietest) / (loudest - quietest);
    drawGradientQuad({10, 10, 20}, {40, 40, 60}, 'V', left - 0.03, y + 0.1, right + 0.03, y - 0.1,
                     depth, 220);
    if (share > 0)
        drawGradientQuad({255, 220, 90}, {200, 90, 20}, 'V', left, y + 0.07,
                         left + (right - left) * share, y - 0.07, depth, selected ? 255 : 150);
    drawShadowedText(std::to_string(std::lround(share * 100)) + "%", "", right + 0.2, y, 1.5, white,
                     255);
    if (selected) {
        drawIcon(34, left - 0.3, y, 0.25);
        drawIcon(30, right + 1.05, y, 0.25);
    }
}

} // namespace

void controlModeScreen() {
    if (gs.menuColumn < 1) gs.menuColumn = 1;
    if (gs.menuColumn > 3) gs.menuColumn = 3;
    drawTitle(23, "CONTROLES");
    drawSprite("ABERTURA", 52, "CENTRO", 0, 0.3, 2.6, 1.3, depth, "CENTRO", "", white, 255, 0, 0, 1,
               0, 1);
    const ControlMode& m = controlModes[gs.menuColumn - 1];
    drawRowBand(-0.75, 0.25, -2.2, 2.2);
    drawRow(m.name, -0.75, true, 1.1);
    if (gs.menuColumn > 1) drawIcon(34, -1.7, -0.75, 0.3);
    if (gs.menuColumn < 3) drawIcon(30, 1.7, -0.75, 0.3);
    if (gs.menuColumn == gs.controlMode)
        drawWavyText("a", "CENTRO", "CENTRO", 1.25, -0.75, depth, 2.6, 2.6, white, 255, 0);
    drawShadowedText(m.player1, "CENTRO", 0, -1.35, 1.8, {150, 190, 255}, 255);
    drawShadowedText(m.player2, "CENTRO", 0, -1.65, 1.8, {255, 150, 150}, 255);
    drawHints("/BT1-aCONFIRMA   ", "/BT2-cVOLTAR");
    if (backPressed()) {
        goTo("OPCOES-JOGO-2", 1);
    } else if (takeConfirm()) {
        gs.controlMode = gs.menuColumn;
    }
}

void volumeScreen() {
    clampCursor(1, 2);
    drawTitle(25, "VOLUME");
    i32& value = gs.*volumes[gs.menuCursor - 1].value;
    if (gs.menuInput.left == 1) value -= volumeStep;
    if (gs.menuInput.right == 1) value += volumeStep;
    if (value < quietest) value = quietest;
    if (value > loudest) value = loudest;
    if (gs.inputLock == 0 && takeConfirm()) value = initialVolume;

    constexpr f64 rowY[] = {0.6, -0.7};
    drawRowBand(rowY[gs.menuCursor - 1] - 0.2, 0.5);
    for (std::size_t r = 1; r <= 2; ++r) {
        const bool selected = r == gs.menuCursor;
        drawRow(volumes[r - 1].label, rowY[r - 1], selected, 0.9);
        drawVolumeBar(gs.*volumes[r - 1].value, rowY[r - 1] - 0.42, selected);
    }
    drawHints("/BT1-eINICIAL   ", "/BT2-cVOLTAR");
    if (backPressed()) {
        if (inTitleConfiguration())
            goTo("OPCOES-ABERTURA", 7);
        else
            goTo("OPCOES-JOGO-2", 3);
    }
}

void outlinesScreen() {
    runSwitch(switches[0]);
}

void flashScreen() {
    runSwitch(switches[1]);
}

void creditsScreen() {
    runSwitch(switches[2]);
}

// Yes writes "Config.dat"; yes, no and back then leave: over a battle to the settings
// list, in the title configuration to the title menu.
void saveQuestionScreen() {
    clampCursor(1, 2);
    drawQuestion(28, "SALVAR CONFIGURAÇÕES ?");
    const bool confirmed = gs.inputLock == 0 && takeConfirm();
    if (!confirmed && !backPressed()) return;
    if (confirmed && gs.menuCursor == 1) saveConfig();
    if (inTitleConfiguration()) {
        // Back to the title under the curtain, the list shown while it closes.
        gs.soundRequest = 20;
        gs.optionsScreen = "OPCOES-ABERTURA";
        gs.inputLock = 5;
        requestScene("OPCOES");
    } else {
        goTo("OPCOES-JOGO-2", 7);
    }
}

} // namespace options
