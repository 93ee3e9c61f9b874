// A fighter's device flags set by hand, as the input sampling sets them for one tick.
#pragma once

#include <string_view>

#include "shell/game_state.h"

// `held` names what is down this tick: U D L R for the stick, digits for buttons 1..9.
// Last tick's flags become the previous ones.
inline void hold(int index, std::string_view held) {
    personagem& f = gs.fighter(index);
    f.inUpPrev = f.inUp;
    f.inDownPrev = f.inDown;
    f.inLeftPrev = f.inLeft;
    f.inRightPrev = f.inRight;
    f.inButtonsPrev = f.inButtons;
    auto has = [&](char c) -> u8 { return held.find(c) != std::string_view::npos ? 1 : 0; };
    f.inUp = has('U');
    f.inDown = has('D');
    f.inLeft = has('L');
    f.inRight = has('R');
    for (std::size_t b = 1; b <= 9; ++b) f.inButtons[b] = has(static_cast<char>('0' + b));
    f.inButtons[10] = 0;
}
