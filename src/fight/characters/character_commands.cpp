#include "fight/characters/character_commands.h"

#include "fight/commands.h"
#include "fight/fight_hooks.h"
#include "shell/game_state.h"

namespace {

std::span<const SpecialMotion> motionsOf(u8 character) {
    switch (character) {
    case 1:
        return torvelMotions();
    case 2:
        return brandolimMotions();
    default:
        return {};
    }
}

std::string_view buttonWord(const SpecialMotion& m, Press press) {
    return press == Press::Weak ? m.weakButton : m.strongButton;
}

// Buttons must be new presses.
void feed(int index, const SpecialMotion& m) {
    for (const ShapeStep& s : m.shape.steps) {
        const std::string_view word = s.press == Press::None ? s.word : buttonWord(m, s.press);
        motionStep(index, m.slot, word, 0, s.timer, s.to, s.from);
    }
}

void add(SpecialRequests& r, std::string_view name) {
    r.names[r.count++] = name;
}

} // namespace

SpecialRequests characterCommands(int index) {
    SpecialRequests requests;
    for (const SpecialMotion& m : motionsOf(gs.fighter(index).character)) {
        feed(index, m);
        const u8 state = gs.fighter(index).motionState[m.slot];
        if (state == m.shape.weakDone) add(requests, m.weak);
        if (state == m.shape.strongDone) {
            add(requests, m.strong);
            if (m.super) add(requests, m.weak);
        }
    }
    for (std::size_t i = 0; i < requests.count; ++i) startSpecialMove(index, requests.names[i]);
    return requests;
}
