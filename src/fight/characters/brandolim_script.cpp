#include "fight/characters/character_script.h"

namespace {

using namespace bodyBoxGroups;
constexpr N standing[] = {"PARADO",
                          "DEFESA-ALTA",
                          "AGACHAR",
                          "DEFESA-BAIXA",
                          "SOFRE-ATAQUE-ALTO-1",
                          "SOFRE-ATAQUE-ALTO-2",
                          "SOFRE-ATAQUE-BAIXO"};
constexpr N shot[] = {"GOLPE-PROJETIL-FRACO", "GOLPE-PROJETIL-FORTE"};

constexpr BodyBoxRow boxes[] = {
    {standing, -0.3, 0.45, -1.8, 1.1, -0.3, 0.3},    {backDash, -0.5, 0.6, -1.8, 0.75, -0.3, 0.3},
    {run, -0.6, 0.7, -1.8, 0.9, -0.3, 0.3},          {rolls, -0.6, 0.6, -0.7, 0.7, -0.3, 0.3},
    {jump, -0.4, 0.45, -0.9, 0.7, -0.3, 0.3},        {flyingKick, -0.55, 1.4, -0.4, 0.5, -0.3, 0.3},
    {thrown, -0.5, 0.9, -0.6, 0.9, -0.3, 0.3},       {lying, -0.4, 1.0, -0.5, 0.6, -0.3, 0.3},
    {gettingUp, -0.5, 0.6, -1.5, 0.9, -0.3, 0.3},    {hitInAir, -0.45, 0.9, -0.5, 0.6, -0.3, 0.3},
    {guardBroken, -0.4, 0.55, -1.8, 1.1, -0.3, 0.3}, {juggled, -0.8, 1.0, -0.6, 0.6, -0.3, 0.3},
    {dizzy, -0.45, 0.45, -1.8, 0.8, -0.3, 0.3},      {shot, -0.3, 0.45, -1.7, 1.1, -0.3, 0.3},
    {explosion, -0.5, 0.5, -1.7, 0.9, -0.3, 0.3},
};

// The carbine slung on the torso (part 16) shows; the one in the hand (17) and the
// newspaper (24) are hidden, unless a move shows them for its tick.
constexpr u8 shownProps[] = {16};
constexpr u8 hiddenProps[] = {17, 24};

const CharacterScript script{{shownProps, hiddenProps}, boxes, brandolimMoves()};

} // namespace

const CharacterScript& brandolimScript() {
    return script;
}
