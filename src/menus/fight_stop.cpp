#include "menus/fight_stop.h"

#include "shell/game_state.h"

void stopFight() {
    gs.effectTimers = {};
    gs.paused = 0;
    gs.pauseMenuOpen = 0;
    gs.controllerLost = 0;
    gs.worldFrozen = 0;
    gs.hitStop = 0;
    gs.introTimer = 0;
    gs.timeOverTimer = 0;
    gs.knockOutTimer = 0;
    gs.resultTimer = 0;
}
