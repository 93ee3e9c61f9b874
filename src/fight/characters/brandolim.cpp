#include "fight/characters/brandolim.h"

namespace {

constexpr Rgb none{0, 0, 0};
constexpr Rgb coatBlack{30, 30, 80};
constexpr Rgb coatOther{50, 105, 90};

// name, parent, pivot x, y, z, model, tint (blackParts 1), tint (blackParts 0)
constexpr BodyPartRow parts[] = {
    {"TRONCO", 0, 0, 0.12, 0, 17, coatBlack, coatOther},
    {"BRACO DIR", 1, -0.29, 0.5, 0, 18, none, none},
    {"ANTE BRACO DIR", 2, 0, -0.63, 0, 19, none, none},
    {"MAO DIR", 3, 0, -0.5, 0, 20, none, none},
    {"BRACO ESQ", 1, 0.29, 0.5, 0, 18, none, none},
    {"ANTE BRACO ESQ", 5, 0, -0.63, 0, 19, none, none},
    {"MAO ESQ", 6, 0, -0.5, 0, 20, none, none},
    {"COXA DIR", 1, -0.135, -0.6, 0, 21, none, {10, 20, 10}},
    {"CANELA DIR", 8, 0, -0.72, 0, 22, none, none},
    {"PE DIR", 9, 0, -0.9, 0, 23, none, none},
    {"COXA ESQ", 1, 0.135, -0.6, 0, 21, none, {10, 20, 10}},
    {"CANELA ESQ", 11, 0, -0.72, 0, 22, none, none},
    {"PE ESQ", 12, 0, -0.9, 0, 23, none, none},
    {"CABECA", 1, 0, 0.62, 0.05, 24, none, none},
    {"CHAPEU", 14, 0, 0.34, -0.075, 25, {30, 30, 30}, none},
    {"CARABINA", 1, -0.2, 0.5, -0.27, 26, none, none},
    {"CARABINA", 4, -0.05, 0.05, 0, 26, none, none},
    {"MANGA DIR", 2, 0, 0, 0, 27, coatBlack, coatOther},
    {"MANGA ESQ", 5, 0, 0, 0, 28, coatBlack, coatOther},
    {"CALCA DIR", 9, 0, 0, 0, 29, none, {10, 20, 10}},
    {"CALCA DIR", 12, 0, 0, 0, 29, none, {10, 20, 10}},
    {"QUADRIL", 1, 0, -0.5, 0, 30, none, {10, 20, 10}},
    {"PESCOCO", 1, 0, 0.54, 0, 31, none, none},
    {"JORNAL", 4, 0, 0, 0, 32, none, none},
};

constexpr MoveListRow moves[7] = {
    {"GOLPE-1", "236S"},
    {"GOLPE-2", "623S"},
    {"GOLPE-3", "214S"},
    {"GOLPE-4", "646S"},
    {"GOLPE-5", "A214S"},
    {"fSUPER GOLPE-1", "236236S"},
    {"fSUPER GOLPE-2", "2363214S"},
};

constexpr CharacterSheet sheet{parts, moves, 0.25, 0.21, 0.33, 0.34, 0.3, 0.3, "ADBCAD"};

} // namespace

const CharacterSheet& brandolimSheet() {
    return sheet;
}
