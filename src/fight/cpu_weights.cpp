#include "fight/cpu_weights.h"

#include <algorithm>

#include "fight/training_rules.h"
#include "shell/game_state.h"
#include "shell/rng.h"

namespace {

// clang-format off
constexpr CpuLevel levels[] = {
    //  move guard dodge grab run attack special airCombo item   pause  own   human  timer  dizzy reads
    {{   13,   20,   25,   8,  4,   16,     3,      40,    0.3},  8,  0.90, 1.10,  14, 6,  0.0,  0.0},
    {{   16,   24,   30,  10,  6,   19,     4,      50,    0.6},  5,  0.95, 1.05,  13, 6,  0.2,  0.0},
    {{   22,   32,   45,  15,  8,   22,     6,      70,    1.0},  3,  1.00, 1.00,  12, 5,  0.6,  0.0},
    {{   32,   45,   65,  22, 13,   28,    10,      90,    1.4},  1,  1.05, 0.95,  10, 5,  1.2,  0.6},
    {{   42,   60,   75,  30, 18,   35,    14,     100,    1.8},  1,  1.10, 0.90,   8, 5,  1.6,  1.0},
};
// clang-format on

} // namespace

const CpuLevel& cpuLevel(u8 difficulty) {
    const int row = std::clamp(static_cast<int>(difficulty), 1, 5) - 1;
    return levels[row];
}

std::array<u8, 3> cpuLevelOverride{};

u8 cpuDifficulty(int index) {
    const u8 own = cpuLevelOverride[static_cast<std::size_t>(index)];
    if (own != 0) return own;
    // The training dummy, when it fights back, plays at the level its menu sets.
    if (trainingBattle() && index == dummyIndex) return gs.training.dummyLevel;
    return gs.difficulty;
}

f64& cpuWeight(personagem& f, CpuWeight w) {
    return f.cpuWeights[static_cast<std::size_t>(w)];
}

bool chance(f64 p) {
    if (p == 0) return false;
    if (p == 100) return true;
    return 10 * p >= static_cast<f64>(random(1000));
}
