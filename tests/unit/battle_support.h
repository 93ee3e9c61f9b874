// A battle in arena 1 between the two fighters, both human with nothing held, in the
// fight phase (no intro): the start of most battle tests.
#pragma once

#include "fight/fighter_setup.h"
#include "render/arena_setup.h"
#include "shell/rosters.h"
#include "test_support.h"

inline void freshBattle(u32 seed = 1) {
    freshGame(seed);
    registerFighter(1, 1, fighterRoster);
    registerFighter(2, 2, fighterRoster);
    gs.arena = 1;
    arenaSetup(1);
    for (int i = 1; i <= 2; ++i) {
        resetForMatch(i);
        resetForRound(i);
        gs.fighter(i).isHuman = 1;
    }
    gs.sceneName = "BATALHA";
    gs.roundNumber = 1;
    gs.roundTime = 60;
    gs.roundTimeF = 99;
    gs.itemTimer = 600;
}
