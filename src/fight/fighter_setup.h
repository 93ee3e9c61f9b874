// Registration and resets of a fighter record. Fighters are numbered 1 and 2.
#pragma once

#include <span>
#include <string_view>

#include "shell/game_state.h"

// Body-part row of a character's table; tints are (red, green, blue) for blackParts 1 / 0.
struct BodyPartRow {
    std::string_view name;
    u8 parent;
    f64 pivotX, pivotY, pivotZ;
    u8 model;
    Rgb tintBlack;
    Rgb tintOther;
};

struct MoveListRow {
    std::string_view name;
    std::string_view motion;
};

// Everything registration takes from a character unit.
struct CharacterSheet {
    std::span<const BodyPartRow> parts;
    std::span<const MoveListRow, 7> moves;
    f64 walkForwardSpeed, walkBackSpeed, runSpeed, backdashSpeed, rollBackSpeed, rollForwardSpeed;
    std::string_view airComboRoute;
};

// Character n's sheet, or null for a roster entry without a body.
const CharacterSheet* characterSheet(u8 character);

// Sets `character`; a character with a body also gets its parts, moves, speeds and name,
// while any other number (0 = none, as an empty selection cell) builds nothing.
void registerFighter(int index, u8 character, std::span<const std::string_view> roster);
// Game mode 1 "P1-VS-CPU", 2 "P1-VS-P2", 3 "CPU-VS-CPU" or 4 "TREINO": who of the two is
// human, the mode's name and whether the battle is a training one. Any other number
// changes nothing.
constexpr int trainingMode = 4;
void chooseGameMode(int mode);
void setPart(int index, int part, std::string_view name, u8 parent, u32 tint, f64 pivotX,
             f64 pivotY, f64 pivotZ, u8 model);
void setPartHitRadii(int index, int part, f64 rx, f64 ry, f64 rz);
void resetForMatch(int index);
void resetForRound(int index);

inline u32 packTint(Rgb c) {
    return u32{c.r} | (u32{c.g} << 8) | (u32{c.b} << 16);
}
