// The fourth phase of a round: who won it, its mark, and the next round or the victory
// screen. Runs while `resultTimer` counts down from 100.
#pragma once

#include <string>

#include "shell/game_state.h"

// 1 or 2 for the fighter with more life, 0 for a draw.
int roundWinner();
// The winner's mark for the round: "V" (time left), "S" (a super finished it) or "T"
// (the clock ran out), the stocks its last super spent, and "P" for a perfect round.
std::string roundMark(const personagem& winner, i32 roundTime);
void resultStep();
