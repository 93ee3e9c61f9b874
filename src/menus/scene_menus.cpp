#include "menus/scene_menus.h"

#include "match/battle_scene.h"
#include "match/victory_screen.h"
#include "menus/options_menu.h"
#include "render/banner_box.h"
#include "render/screen_effects.h"
#include "render/text.h"
#include "shell/game_state.h"
#include "shell/input.h"

namespace {

// A player's joystick lost in the fight opens the pause, which stays until the joystick
// is back or the player takes another device in the options.
void holdForLostController() {
    if (!controllerStillLost()) {
        gs.controllerLost = 0;
        return;
    }
    if (gs.pauseMenuOpen == 0) {
        gs.pauseMenuOpen = 1;
        gs.paused = 0;
        gs.optionsScreen = "OPCOES-JOGO-1";
        gs.menuCursor = 1;
        gs.inputLock = 3;
    }
    drawBanner(0, {150, 20, 20}, "", -3.4, -1.75, 3.4, -2.35, 200);
    drawText("CONTROLE DESCONECTADO", "CENTRO", "CENTRO", 0, -2.05, -5, 2.4, 2.4, {255, 255, 255},
             255, 0);
}

} // namespace

void battleSceneWithOptions() {
    battleScene();
    if (gs.controllerLost != 0) holdForLostController();
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
