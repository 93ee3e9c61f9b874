// A battle for the computer's step: fighter 2 played by the computer against an idle
// person, and the tally of what the step asks for from one situation.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "battle_support.h"
#include "fight/fight_hooks.h"

inline personagem& person() {
    return gs.fighter(1);
}
inline personagem& cpu() {
    return gs.fighter(2);
}

// TORVEL, played by an idle person at x 0, against SEU BRANDOLIM played by the computer
// `distance` to the right, both standing, in the fight phase.
inline void cpuBattle(u8 difficulty, f64 distance, u32 seed = 1) {
    freshBattle(seed);
    gs.difficulty = difficulty;
    gs.introTimer = 0;
    cpu().isHuman = 0;
    person().posX = 0;
    cpu().posX = distance;
    person().facing = "DIR";
    cpu().facing = "ESQ";
    person().opponentSide = "DIR";
    cpu().opponentSide = "ESQ";
    gs.fighterGap = distance;
}

// Gives fighter 1 a live attack window of the reaction `hitType`, open at its frame 3
// when `open`, still winding up otherwise.
inline void personAttacks(std::string_view hitType, bool open = true) {
    personagem& p = person();
    p.anim = "SOCO-FORTE";
    p.attacking = 1;
    p.frame = 3;
    p.hits[1].damage = 5;
    p.hits[1].firstFrame = open ? 2 : 6;
    p.hits[1].lastFrame = open ? 5 : 8;
    p.hits[1].hitType = hitType;
}

// Runs the computer's step `trials` times, each from the state as it is now, the
// generator running on from trial to trial; counts the animations it ends in.
inline std::map<std::string, int> decisions(int trials) {
    const GameState start = gs;
    std::map<std::string, int> seen;
    for (int t = 0; t < trials; ++t) {
        const u32 rng = gs.rngState;
        gs = start;
        gs.rngState = rng;
        cpuStep(2);
        ++seen[std::string(cpu().anim.view())];
    }
    return seen;
}
