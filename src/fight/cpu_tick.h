// One computer step's view of its fighter, opponent and difficulty, shared by its parts.
#pragma once

#include <string_view>

#include "fight/animation.h"
#include "fight/cpu_weights.h"
#include "shell/game_state.h"

struct CpuTick {
    int index;
    personagem& f;
    personagem& o;
    const CpuLevel& level;

    f64 weight(CpuWeight w) { return cpuWeight(f, w); }
    bool ask(std::string_view name) { return requestAnimation(index, name); }
};
