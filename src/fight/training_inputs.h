// A fighter's controls of one tick packed in 16 bits with the directions seen from the
// fighter (back and forward towards its opponent), so that a recording plays the same
// from either side; and player 1's input history for the training display.
#pragma once

#include "shell/fighter_record.h"

namespace packed {
constexpr u16 up = 1 << 0, down = 1 << 1, back = 1 << 2, forward = 1 << 3;
// Button b (1..10) is bit 3 + b.
constexpr u16 button(std::size_t b) {
    return static_cast<u16>(1u << (3 + b));
}
} // namespace packed

// The controls `f` holds now, back and forward as `seenBy` sees them (the side its
// opponent stands on).
u16 packedInput(const personagem& f, const personagem& seenBy);
inline u16 packedInput(const personagem& f) {
    return packedInput(f, f);
}
// The last tick's controls become the previous ones and `input` the current ones, back
// and forward turned into left and right for the side the opponent stands on now.
void applyPackedInput(personagem& f, u16 input);
// The keypad direction (1..9, 5 for none) of a packed input.
u8 keypadDirection(u16 input);
// The buttons of a packed input, bit b - 1 for button b.
u16 packedButtons(u16 input);

// Counts player 1's controls of this tick into the history: the same controls as last
// tick add a tick to the newest entry, others start a new one.
void noteTrainingInput(u16 input);
