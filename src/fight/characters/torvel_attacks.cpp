#include "fight/characters/attack_table.h"

namespace {

constexpr ComboFactor d = ComboFactor::d;
constexpr ComboFactor z = ComboFactor::z;
constexpr ComboFactor n = ComboFactor::none;

// clang-format off
constexpr AttackRow rows[] = {
    // animation               parts    frames   level            damage   guard     dizzy    push   stop sound
    {"SOCO-FRACO",            "06-07",  2,  4, "ALTO-1",        {4, d}, {10, n}, {8, z},  -0.11, 3,   4},
    {"CHUTE-FRACO",           "09-10",  2,  6, "BAIXO",         {4, d}, {10, n}, {8, z},  -0.11, 3,   5},
    {"SOCO-FORTE",            "03-04",  3,  9, "ALTO-2",        {8, d}, {12, n}, {10, z}, -0.14, 3.5, 4},
    {"CHUTE-FORTE",           "09-10",  4,  8, "ALTO-1",        {8, d}, {12, n}, {10, z}, -0.14, 3.5, 5},
    {"SOCO-FRACO-AGACHADO",   "06-07",  2,  4, "BAIXO",         {4, d}, {10, n}, {8, z},  -0.11, 3,   4},
    {"CHUTE-FRACO-AGACHADO",  "12-13",  2,  6, "BAIXO",         {4, d}, {10, n}, {8, z},  -0.11, 3,   5},
    {"SOCO-FORTE-AGACHADO",   "03-04",  3,  9, "BAIXO",         {8, d}, {12, n}, {10, z}, -0.14, 3.5, 4},
    {"CHUTE-FORTE-AGACHADO",  "09-10",  3, 11, "BAIXO-DERRUBA", {9, d}, {13, z}, {11, n}, -0.08, 3.5, 5},
    {"SOCO-FRACO-AR",         "06-07",  2,  4, "ALTO-3",        {4, d}, {10, n}, {8, z},  -0.11, 3,   4},
    {"CHUTE-FRACO-AR",        "12-13",  2,  4, "ALTO-3",        {4, d}, {10, n}, {8, z},  -0.11, 3,   5},
    {"SOCO-FORTE-AR",         "03-04",  3,  9, "ALTO-4",        {8, d}, {12, n}, {10, z}, -0.14, 3.5, 4},
    {"CHUTE-FORTE-AR",        "12-13",  3,  9, "ALTO-4",        {8, d}, {12, n}, {10, z}, -0.14, 3.5, 5},
    {"VOADORA",               "12-13",  5, 14, "VOADORA",       {10, n}, {15, n}, {15, n}, -0.14, 4, 5},
    {"GOLPE-COMBO-AEREO",     "06-07",  9, 15, "ALTO-COMBO",    {5, n}, {10, n}, {0, n},  -0.14, 4,   5},
    {"AGARRAR-SOCO",          "04",     3,  9, "-",             {4, n}, {0, n},  {2, n},  0,     3.5, 22},
    {"AGARRAR-SOCO",          "07",    15, 21, "-",             {4, n}, {0, n},  {2, n},  0,     3.5, 22},
    {"AGARRAR-SOCO",          "04",    27, 33, "ALTO-DERRUBA",  {4, n}, {0, n},  {6, n},  -0.1,  3.5, 22},
};
// clang-format on

} // namespace

std::span<const AttackRow> torvelAttacks() {
    return rows;
}
