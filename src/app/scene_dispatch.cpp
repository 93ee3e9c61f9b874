#include "app/scene_dispatch.h"

#include <string_view>

#include "app/startup_screens.h"
#include "menus/configuration_menu.h"
#include "menus/mode_menu.h"
#include "menus/scene_menus.h"
#include "menus/selection_screens.h"
#include "menus/title_menu.h"
#include "menus/versus_presentation.h"
#include "shell/game_state.h"

namespace {

struct SceneEntry {
    std::string_view name;
    void (*handler)();
};

// "ERRO" has no handler: its frame is black and the tick writes the error text.
constexpr SceneEntry sceneTable[] = {
    {"DEBUG-PERSONAGEM", drawStartupScreen},
    {"DEBUG-CENARIO", drawStartupScreen},
    {"DEBUG-MODO", drawStartupScreen},
    {"DEBUG-DIFICULDADE", drawStartupScreen},
    {"DEBUG-RESOLUCAO", drawStartupScreen},
    {"OPCOES", titleMenuScene},
    {"VS-SELECAO-JOG", modeMenuScene},
    {"CONFIGURACOES", configurationMenuScene},
    {"SELECAO-LUTADOR", fighterSelectionScene},
    {"SELECAO-CENARIO", arenaSelectionScene},
    {"VS-APRESENTACAO", versusPresentationScene},
    {"BATALHA", battleSceneWithOptions},
    {"VS-VITORIA", victorySceneWithMenu},
};

} // namespace

void dispatchScene() {
    for (const SceneEntry& e : sceneTable) {
        if (gs.sceneName == e.name) {
            e.handler();
            return;
        }
    }
}
