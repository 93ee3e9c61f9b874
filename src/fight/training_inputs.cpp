#include "fight/training_inputs.h"

#include <algorithm>

#include "shell/game_state.h"

namespace {

// Towards the opponent is right when it stands on the right, left when on the left.
struct Sides {
    u8 personagem::*backFlag;
    u8 personagem::*forwardFlag;
};

Sides sidesOf(const personagem& f) {
    if (f.opponentSide == "ESQ") return {&personagem::inRight, &personagem::inLeft};
    return {&personagem::inLeft, &personagem::inRight};
}

constexpr u16 directionBits = packed::up | packed::down | packed::back | packed::forward;

} // namespace

u16 packedInput(const personagem& f, const personagem& seenBy) {
    const Sides s = sidesOf(seenBy);
    u16 in = 0;
    if (f.inUp) in |= packed::up;
    if (f.inDown) in |= packed::down;
    if (f.*s.backFlag) in |= packed::back;
    if (f.*s.forwardFlag) in |= packed::forward;
    for (std::size_t b = 1; b <= 10; ++b)
        if (f.inButtons[b]) in |= packed::button(b);
    return in;
}

void applyPackedInput(personagem& f, u16 input) {
    f.inUpPrev = f.inUp;
    f.inDownPrev = f.inDown;
    f.inLeftPrev = f.inLeft;
    f.inRightPrev = f.inRight;
    f.inButtonsPrev = f.inButtons;
    const Sides s = sidesOf(f);
    f.inUp = (input & packed::up) ? 1 : 0;
    f.inDown = (input & packed::down) ? 1 : 0;
    f.*s.backFlag = (input & packed::back) ? 1 : 0;
    f.*s.forwardFlag = (input & packed::forward) ? 1 : 0;
    for (std::size_t b = 1; b <= 10; ++b) f.inButtons[b] = (input & packed::button(b)) ? 1 : 0;
}

u8 keypadDirection(u16 input) {
    const int column = (input & packed::back) ? 0 : (input & packed::forward) ? 2 : 1;
    const int row = (input & packed::down) ? 0 : (input & packed::up) ? 2 : 1;
    return static_cast<u8>(1 + column + 3 * row);
}

u16 packedButtons(u16 input) {
    return static_cast<u16>((input & ~directionBits) >> 4);
}

void noteTrainingInput(u16 input) {
    TrainingState& t = gs.training;
    const TrainingInput now{keypadDirection(input), packedButtons(input), 1};
    TrainingInput& newest = t.inputs[0];
    if (t.inputCount > 0 && newest.direction == now.direction && newest.buttons == now.buttons) {
        if (newest.ticks < 999) newest.ticks += 1;
        return;
    }
    std::copy_backward(t.inputs.begin(), t.inputs.end() - 1, t.inputs.end());
    t.inputs[0] = now;
    if (t.inputCount < t.inputs.size()) t.inputCount += 1;
}
