// The computer opponent's difficulty: per-tick chances in percent, its attack pause, the
// damage handicap and the rhythm of its walking, one row per difficulty 1..5.
#pragma once

#include <array>

#include "shell/fighter_record.h"
#include "shell/plain_data.h"

// Places in the fighter's `cpuWeights`.
enum class CpuWeight : std::size_t {
    move,     // re-drawing the wanted distance, jumping
    guard,    // guarding an attack
    dodge,    // guarding a projectile
    grab,     // grabs
    run,      // rolls, running, back-dash
    attack,   // normal attacks, chains, charge, flying kick, air-combo start
    special,  // special moves
    airCombo, // continuing an air combo
    item,     // using items
};

struct CpuLevel {
    std::array<f64, 9> weights;        // in CpuWeight order
    f64 cooldownReset;                 // ticks between attack decisions
    f64 ownDamageScale;                // the computer's damage
    f64 humanDamageScale;              // a human opponent's damage
    u8 moveTimerBase, moveTimerSpread; // wanted distance kept base + random(spread) ticks
    f64 dizzyShake;                    // extra "TONTO" frames per tick
    f64 reading;                       // how strongly it answers the opponent's habits
};

// The row of a difficulty; 0 (never chosen) and values past 5 take the nearest row.
const CpuLevel& cpuLevel(u8 difficulty);

// A difficulty for one side's computer in place of the game's, by fighter index 1..2; 0
// leaves the game's. Outside the game state and never set by the game: only tools that
// pit one level against another set it.
extern std::array<u8, 3> cpuLevelOverride;
// The difficulty fighter `index`'s computer plays at.
u8 cpuDifficulty(int index);

f64& cpuWeight(personagem& f, CpuWeight w);

// True with p per cent: never at 0, always at 100, otherwise when 10 p >= random(1000).
bool chance(f64 p);
