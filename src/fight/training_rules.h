// The rules a training battle changes in the fight itself.
#pragma once

#include "shell/game_state.h"

inline bool trainingBattle() {
    return gs.training.active == 1;
}

// In training nobody is knocked out: vitality stops at 1.
inline void keepTrainingLife(personagem& f) {
    if (trainingBattle() && f.life < 1) f.life = 1;
}

// Fighter 2 is the dummy.
constexpr int dummyIndex = 2;
