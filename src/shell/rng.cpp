#include "shell/rng.h"

#include "shell/game_state.h"

u32 random(u32 n) {
    gs.rngState = gs.rngState * 134775813u + 1u;
    return static_cast<u32>((static_cast<std::uint64_t>(n) * gs.rngState) >> 32);
}

void seedRandom(u32 seed) {
    gs.rngState = seed;
}
