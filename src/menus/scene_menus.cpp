#include "menus/scene_menus.h"

#include "match/battle_scene.h"
#include "match/victory_screen.h"
#include "menus/options_menu.h"
#include "render/screen_effects.h"
#include "shell/game_state.h"

void battleSceneWithOptions() {
    battleScene();
    if (gs.pauseMenuOpen == 1) optionsMenu();
}

// The after-match menu comes up once the winner has had 25 ticks alone on the screen.
void victorySceneWithMenu() {
    victoryScene();
    if (gs.victoryTimer <= 25) {
        gs.optionsScreen = "OPCOES-JOGO-3";
        optionsMenu();
        gs.pauseCycle += 1;
        if (gs.pauseCycle > 50) gs.pauseCycle = 0;
    }
    runScreenEffects();
}
