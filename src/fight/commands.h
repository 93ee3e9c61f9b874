// A player's stick and buttons turned into animation requests, through twenty motion
// recognisers per fighter.
#pragma once

#include <string_view>

#include "shell/plain_data.h"

// One recogniser transition: when `word` matches this tick and slot `slot` is in state
// `expected`, the slot goes to `newState` with `timer` ticks to live. Buttons "BT1".."BT8"
// match when held with a previous-tick flag equal to `wantedPrevious`.
void motionStep(int index, int slot, std::string_view word, u8 wantedPrevious, f64 timer,
                u8 newState, u8 expected);
// The per-tick command reader of a human-driven fighter.
void readCommands(int index);
