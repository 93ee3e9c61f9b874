#include "app/key_events.h"

#include <string_view>

#include "app/startup.h"
#include "fight/training_recorder.h"
#include "fight/training_room.h"
#include "fight/training_rules.h"
#include "menus/options_screens.h"
#include "platform/keys.h"
#include "render/screen_effects.h"
#include "shell/game_state.h"
#include "shell/input.h"

namespace {

bool inScene(std::string_view name) {
    return gs.sceneName == name;
}

bool onStartupOrErrorScreen() {
    for (const char* s : {"DEBUG-PERSONAGEM", "DEBUG-CENARIO", "DEBUG-MODO", "DEBUG-DIFICULDADE",
                          "DEBUG-RESOLUCAO", "ERRO"})
        if (gs.sceneName == s) return true;
    return false;
}

struct MenuBack {
    std::string_view from;
    std::string_view to;
    u8 cursor;
};

// ESC goes one level back in the battle options, to the row that leads to the screen left.
constexpr MenuBack battleMenuBack[] = {
    {"LISTA-GOLPES", "OPCOES-JOGO-1", 2},
    {"OPCOES-JOGO-2", "OPCOES-JOGO-1", 3},
    {"TELA-PRINCIPAL", "OPCOES-JOGO-1", 4},
    {"SAIR-JOGO", "OPCOES-JOGO-1", 5},
    {"CONTROLES", "OPCOES-JOGO-2", 1},
    {"CONFIGURAR-CONTROLES", "OPCOES-JOGO-2", 2},
    {"VOLUME", "OPCOES-JOGO-2", 3},
    {"OUTLINES", "OPCOES-JOGO-2", 4},
    {"FLASH", "OPCOES-JOGO-2", 5},
    {"MOSTRAR-CREDITOS", "OPCOES-JOGO-2", 6},
    {"SALVAR-CONFIGURACOES", "OPCOES-JOGO-2", 7},
};

// The training menu's one screen beyond it.
constexpr MenuBack trainingMenuBack[] = {
    {"LISTA-GOLPES", "OPCOES-TREINO", options::trainingMoveListRow},
};

constexpr MenuBack configurationMenuBack[] = {
    {"CONFIGURAR-CONTROLES", "OPCOES-ABERTURA", 6},
    {"VOLUME", "OPCOES-ABERTURA", 7},
};

template <std::size_t N> void goBack(const MenuBack (&table)[N]) {
    for (const MenuBack& row : table) {
        if (gs.optionsScreen == row.from) {
            gs.optionsScreen = row.to;
            gs.menuCursor = row.cursor;
            return;
        }
    }
}

void escape() {
    if (onStartupOrErrorScreen()) {
        gs.quitRequested = 1;
        return;
    }
    if (inScene("BATALHA") && gs.pauseMenuOpen == 1) {
        if (gs.optionsScreen == "OPCOES-JOGO-1" || gs.optionsScreen == "OPCOES-TREINO") {
            if (gs.inputLock == 0 && gs.controllerLost == 0) {
                gs.pauseMenuOpen = 0;
                gs.optionsScreen = "";
            }
        } else if (trainingBattle()) {
            goBack(trainingMenuBack);
        } else {
            goBack(battleMenuBack);
        }
        return;
    }
    if (inScene("CONFIGURACOES")) {
        goBack(configurationMenuBack);
        return;
    }
    if ((inScene("SELECAO-LUTADOR") || inScene("SELECAO-CENARIO")) && gs.transitionTimer() == 0)
        requestScene("VS-SELECAO-JOG");
}

void toggleTrainingDisplay() {
    gs.training.display = gs.training.display == 0 ? 1 : 0;
}

// The training room's keys act at once, in the fight, outside its menu.
struct TrainingKey {
    u8 key;
    void (*act)();
};
constexpr TrainingKey trainingKeys[] = {
    {vk::F1 + 3, toggleTrainingDisplay}, // F4
    {vk::F1 + 4, resetToKeptPlace},      // F5: where the last reset put them
    {vk::F1 + 5, toggleDummyRecording},  // F6
    {vk::F1 + 6, toggleDummyPlayback},   // F7
};

void trainingKey(u8 key) {
    if (!inScene("BATALHA") || !trainingBattle() || gs.pauseMenuOpen != 0 ||
        gs.transitionTimer() != 0)
        return;
    for (const TrainingKey& k : trainingKeys)
        if (k.key == key) k.act();
}

bool capturable(u8 key) {
    return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') ||
           (key >= vk::Left && key <= vk::Down) || (key >= vk::Numpad0 && key <= vk::Numpad0 + 9);
}

void captureKey(u8 key) {
    if (capturable(key)) {
        if (gs.keyAssignSlot < 1 || gs.keyAssignSlot > 12) gs.keyAssignSlot = 1;
        gs.keyBindings[gs.keyAssignSlot][0] = key;
        gs.keyAssignSlot = static_cast<u8>(gs.keyAssignSlot % 12 + 1);
    } else if (key == vk::F1) {
        setDefaultKeyBindings();
        gs.keyAssignSlot = 1;
    } else if (key == vk::F1 + 1 || key == vk::F1 + 2) {
        auto& map = key == vk::F1 + 1 ? gs.joy1ButtonMap : gs.joy2ButtonMap;
        for (u8 k = 1; k <= 10; ++k) map[k] = k;
        (key == vk::F1 + 1 ? gs.joy1Row : gs.joy2Row) = 1;
    }
}

} // namespace

void FormKeyDown(u8 key) {
    if (startupChoice(key)) key = 0;

    if (key == vk::Pause && inScene("BATALHA") && gs.pauseMenuOpen == 0 &&
        gs.transitionTimer() == 0) {
        gs.paused = gs.paused ? 0 : 1;
        if (gs.paused == 1) gs.pauseCycle = 0;
    }

    if (key == vk::Escape && inScene("BATALHA") && gs.paused == 0 && gs.introTimer == 0 &&
        gs.timeOverTimer == 0 && gs.knockOutTimer == 0 && gs.resultTimer == 0 &&
        gs.pauseMenuOpen == 0 && gs.inputLock == 0 && gs.transitionTimer() == 0) {
        gs.pauseMenuOpen = 1;
        gs.inputLock = 3;
        gs.optionsScreen = trainingBattle() ? "OPCOES-TREINO" : "OPCOES-JOGO-1";
        gs.menuCursor = 1;
    }

    trainingKey(key);

    if (key == vk::Escape) escape();

    if (gs.optionsScreen == "CONFIGURAR-CONTROLES" && gs.inputLock == 0) captureKey(key);
}
