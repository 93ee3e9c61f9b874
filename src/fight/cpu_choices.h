// The computer opponent's choices of special moves and items, one table line per draw.
#pragma once

#include <array>
#include <string_view>

// The specials one chooser run asked for, in order (at most one per table line).
struct CpuSpecialPicks {
    std::array<std::string_view, 7> names{};
    int count = 0;
};

// The chooser of fighter index's character: every line whose condition holds is its own
// draw; a success picks the "-FORTE" version when random(2) != 0, else "-FRACO". Nothing
// when `cpuMayAttack` is 0 or the character has no chooser.
CpuSpecialPicks cpuChooseSpecials(int index);
// Runs the chooser and asks the character's move set for each pick.
void cpuSpecials(int index);
// The item lines: each carried kind whose distance, draw and vitality conditions hold is used.
void cpuItems(int index);
