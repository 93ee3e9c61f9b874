#include "fight/characters/torvel.h"

namespace {

constexpr Rgb none{0, 0, 0};

// name, parent, pivot x, y, z, model, tint (blackParts 1), tint (blackParts 0)
constexpr BodyPartRow parts[] = {
    {"TRONCO", 0, 0, 0.12, 0, 1, none, {10, 10, 10}},
    {"BRACO DIR", 1, -0.35, 0.47, 0, 2, none, {8, 8, 8}},
    {"ANTE BRACO DIR", 2, 0, -0.63, 0, 3, none, {8, 8, 8}},
    {"MAO DIR", 3, 0, -0.5, 0, 4, none, {8, 8, 8}},
    {"BRACO ESQ", 1, 0.35, 0.47, 0, 2, none, {8, 8, 8}},
    {"ANTE BRACO ESQ", 5, 0, -0.63, 0, 3, none, {8, 8, 8}},
    {"MAO ESQ", 6, 0, -0.5, 0, 4, none, {8, 8, 8}},
    {"COXA DIR", 1, -0.17, -0.57, 0, 5, none, {15, 15, 7}},
    {"CANELA DIR", 8, 0, -0.66, 0, 6, none, none},
    {"PE DIR", 9, 0, -0.74, 0, 7, none, {30, 10, 0}},
    {"COXA ESQ", 1, 0.17, -0.57, 0, 5, none, {15, 15, 7}},
    {"CANELA ESQ", 11, 0, -0.66, 0, 6, none, none},
    {"PE ESQ", 12, 0, -0.74, 0, 7, none, {30, 10, 0}},
    {"CABECA", 1, 0, 0.6, 0.05, 8, none, {8, 8, 8}},
    {"CHAPEU", 14, 0, 0.08, 0, 9, none, {60, 10, 10}},
    {"ESTILINGUE", 7, 0, 0, 0, 10, none, none},
    {"VASSOURA", 13, 0, 0, 0.3, 11, none, none},
    {"MANGA DIR", 2, 0, 0, 0, 12, none, {10, 10, 10}},
    {"MANGA ESQ", 5, 0, 0, 0, 13, none, {10, 10, 10}},
    {"CALCA DIR", 9, 0, 0, 0, 14, none, {15, 15, 7}},
    {"CALCA DIR", 12, 0, 0, 0, 14, none, {15, 15, 7}},
    {"QUADRIL", 1, 0, -0.5, 0, 15, none, {15, 15, 7}},
    {"PESCOCO", 1, 0, 0.54, 0, 16, none, {8, 8, 8}},
};

constexpr MoveListRow moves[7] = {
    {"GOLPE-1", "236S"},           {"GOLPE-2", "623S"},  {"GOLPE-3", "214C"},
    {"GOLPE-4", "236C"},           {"GOLPE-5", "A214S"}, {"fSUPER GOLPE-1", "236236S"},
    {"fSUPER GOLPE-2", "214214C"},
};

constexpr CharacterSheet sheet{parts, moves, 0.25, 0.21, 0.33, 0.34, 0.3, 0.3, "BACDAD"};

} // namespace

const CharacterSheet& torvelSheet() {
    return sheet;
}
