// Stick motions of the special and super moves, shared by the character units. A shape is
// the recogniser rows of one slot with the weak and strong buttons left open; the character
// fills in its buttons and names. Direction rows live 6 ticks (8 where the motion has a long
// reach between its parts), button rows only the tick of the press.
#pragma once

#include <span>
#include <string_view>

#include "shell/plain_data.h"

enum class Press : u8 { None, Weak, Strong };

struct ShapeStep {
    std::string_view word; // empty on button rows
    Press press;
    f64 timer;
    u8 from;
    u8 to;
};

struct MotionShape {
    std::span<const ShapeStep> steps;
    u8 weakDone;   // the slot state reached with the weak button
    u8 strongDone; // ... and with the strong one
};

namespace shape_rows {

// 2 3 6 (down-forward may be skipped)
inline constexpr ShapeStep quarterForward[] = {
    {"BAIXO", Press::None, 6, 0, 1},  {"BAIXOFRENTE", Press::None, 6, 1, 2},
    {"FRENTE", Press::None, 6, 1, 3}, {"FRENTE", Press::None, 6, 2, 3},
    {"", Press::Weak, 0, 3, 4},       {"", Press::Strong, 0, 3, 5},
};
// 2 1 4
inline constexpr ShapeStep quarterBack[] = {
    {"BAIXO", Press::None, 6, 0, 1}, {"BAIXOTRAS", Press::None, 6, 1, 2},
    {"TRAS", Press::None, 6, 1, 3},  {"TRAS", Press::None, 6, 2, 3},
    {"", Press::Weak, 0, 3, 4},      {"", Press::Strong, 0, 3, 5},
};
// 6 2 3 6 (the final forward may be skipped)
inline constexpr ShapeStep forwardQuarter[] = {
    {"FRENTE", Press::None, 8, 0, 1},
    {"BAIXO", Press::None, 6, 1, 2},
    {"BAIXOFRENTE", Press::None, 6, 2, 3},
    {"FRENTE", Press::None, 6, 2, 4},
    {"FRENTE", Press::None, 6, 3, 4},
    {"", Press::Weak, 0, 3, 5},
    {"", Press::Weak, 0, 4, 5},
    {"", Press::Strong, 0, 3, 6},
    {"", Press::Strong, 0, 4, 6},
};
// 2 3 6 2 3 6
inline constexpr ShapeStep doubleQuarterForward[] = {
    {"BAIXO", Press::None, 6, 0, 1},  {"BAIXOFRENTE", Press::None, 6, 1, 2},
    {"FRENTE", Press::None, 8, 1, 3}, {"FRENTE", Press::None, 8, 2, 3},
    {"BAIXO", Press::None, 6, 3, 4},  {"BAIXOFRENTE", Press::None, 6, 4, 5},
    {"FRENTE", Press::None, 6, 4, 6}, {"FRENTE", Press::None, 6, 5, 6},
    {"", Press::Weak, 0, 6, 7},       {"", Press::Strong, 0, 6, 8},
};
// 2 1 4 2 1 4
inline constexpr ShapeStep doubleQuarterBack[] = {
    {"BAIXO", Press::None, 6, 0, 1}, {"BAIXOTRAS", Press::None, 6, 1, 2},
    {"TRAS", Press::None, 8, 1, 3},  {"TRAS", Press::None, 8, 2, 3},
    {"BAIXO", Press::None, 6, 3, 4}, {"BAIXOTRAS", Press::None, 6, 4, 5},
    {"TRAS", Press::None, 6, 4, 6},  {"TRAS", Press::None, 6, 5, 6},
    {"", Press::Weak, 0, 6, 7},      {"", Press::Strong, 0, 6, 8},
};
// 6 4 6
inline constexpr ShapeStep forwardBackForward[] = {
    {"FRENTE", Press::None, 8, 0, 1}, {"TRAS", Press::None, 8, 1, 2},
    {"FRENTE", Press::None, 8, 2, 3}, {"", Press::Weak, 0, 3, 4},
    {"", Press::Strong, 0, 3, 5},
};
// 2 3 6 3 2 1 4
inline constexpr ShapeStep forwardThenHalfBack[] = {
    {"BAIXO", Press::None, 6, 0, 1},       {"BAIXOFRENTE", Press::None, 6, 1, 2},
    {"FRENTE", Press::None, 8, 1, 3},      {"FRENTE", Press::None, 8, 2, 3},
    {"BAIXOFRENTE", Press::None, 6, 3, 4}, {"BAIXO", Press::None, 6, 3, 5},
    {"BAIXO", Press::None, 6, 4, 5},       {"BAIXOTRAS", Press::None, 6, 5, 6},
    {"TRAS", Press::None, 6, 4, 7},        {"TRAS", Press::None, 6, 5, 7},
    {"TRAS", Press::None, 6, 6, 7},        {"", Press::Weak, 0, 7, 8},
    {"", Press::Strong, 0, 7, 9},
};

} // namespace shape_rows

inline constexpr MotionShape quarterForward{shape_rows::quarterForward, 4, 5};
inline constexpr MotionShape quarterBack{shape_rows::quarterBack, 4, 5};
inline constexpr MotionShape forwardQuarter{shape_rows::forwardQuarter, 5, 6};
inline constexpr MotionShape doubleQuarterForward{shape_rows::doubleQuarterForward, 7, 8};
inline constexpr MotionShape doubleQuarterBack{shape_rows::doubleQuarterBack, 7, 8};
inline constexpr MotionShape forwardBackForward{shape_rows::forwardBackForward, 4, 5};
inline constexpr MotionShape forwardThenHalfBack{shape_rows::forwardThenHalfBack, 8, 9};
