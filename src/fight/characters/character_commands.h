// The special and super moves a player enters as stick motions, per character.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "fight/command_shapes.h"

// One special move: its recogniser slot (9..15), motion, buttons and the two names.
struct SpecialMotion {
    u8 slot;
    const MotionShape& shape;
    std::string_view weakButton, strongButton; // "BT1".."BT4"
    std::string_view weak, strong;             // the "-FRACO" and "-FORTE" names
    bool super;                                // a refused strong super falls back to the weak
};

// Rows in the order their moves are tried when several motions end in the same tick.
std::span<const SpecialMotion> torvelMotions();
std::span<const SpecialMotion> brandolimMotions();

// The moves asked for in one tick, in the order they were asked for.
struct SpecialRequests {
    std::array<std::string_view, 16> names{};
    std::size_t count = 0;
};

// Feeds the fighter's character recognisers this tick and starts what they recognise.
// Characters other than 1 and 2 have none.
SpecialRequests characterCommands(int index);
