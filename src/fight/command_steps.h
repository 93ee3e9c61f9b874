// The pieces the command reader is made of: the stick words, recogniser step tables and
// the slot states that make requests.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "shell/game_state.h"

// Whether a recogniser word ("TRAS", "FRENTE", "BAIXO", "BAIXOTRAS", "BAIXOFRENTE", "-",
// "BT1".."BT8") matches the fighter's stick and buttons this tick. A button matches when held
// with a previous-tick flag equal to `wantedPrevious` (0: a new press, 1: held already).
// Unknown words never match.
bool wordMatches(const personagem& f, std::string_view word, u8 wantedPrevious);

// One row of a recogniser: in slot `slot`, state `from` goes to `to` on `word`, and the slot
// then lives `timer` ticks.
struct MotionStep {
    u8 slot;
    std::string_view word;
    u8 wantedPrevious;
    f64 timer;
    u8 from;
    u8 to;
};

// Runs the rows in order, so one tick can carry a slot through several of them.
void runSteps(int index, std::span<const MotionStep> steps);

// A slot state that asks for an animation for as long as the slot stays in it.
struct SlotRequest {
    u8 slot;
    u8 state;
    std::string_view anim;
};

void requestFromSlots(int index, std::span<const SlotRequest> requests);

// This tick's stick and buttons as the command reader sees them: the direction relative to
// the opponent, and no buttons at all during the round intro. Buttons are numbered 1..10.
struct Controls {
    bool up = false, down = false, back = false, forward = false;
    std::array<bool, 11> held{}, heldBefore{};

    bool pressed(int button) const { return held[button] && !heldBefore[button]; }
};
