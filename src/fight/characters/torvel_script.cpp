#include "fight/characters/character_script.h"

namespace {

using namespace bodyBoxGroups;
constexpr N standing[] = {"PARADO", "DEFESA-ALTA", "SOFRE-ATAQUE-ALTO-1", "SOFRE-ATAQUE-ALTO-2",
                          "SOFRE-ATAQUE-BAIXO"};
constexpr N crouched[] = {"AGACHAR", "DEFESA-BAIXA"};
constexpr N antiAir[] = {"GOLPE-ANTI-AEREO-FRACO", "GOLPE-ANTI-AEREO-FORTE"};
// The spinning advance is the move this box row names "GOLPE-CHUTE-GIRAR", a name no
// move of his carries; both names are kept.
constexpr N spinKick[] = {"GOLPE-CURTA-DISTANCIA-FRACO", "GOLPE-CURTA-DISTANCIA-FORTE",
                          "GOLPE-CHUTE-GIRAR-FRACO", "GOLPE-CHUTE-GIRAR-FORTE"};
constexpr N dive[] = {"GOLPE-AEREO-FRACO", "GOLPE-AEREO-FORTE"};

constexpr BodyBoxRow boxes[] = {
    {standing, -0.45, 0.5, -1.7, 1.15, -0.3, 0.3},  {crouched, -0.45, 0.65, -1.7, 1.15, -0.3, 0.3},
    {backDash, -0.5, 0.6, -1.7, 0.75, -0.3, 0.3},   {run, -0.6, 0.7, -1.7, 0.9, -0.3, 0.3},
    {rolls, -0.6, 0.6, -0.7, 0.7, -0.3, 0.3},       {jump, -0.45, 0.45, -0.9, 0.7, -0.3, 0.3},
    {flyingKick, -0.45, 1.2, -0.6, 0.9, -0.3, 0.3}, {thrown, -0.5, 0.9, -0.6, 0.9, -0.3, 0.3},
    {lying, -0.4, 1.0, -0.5, 0.6, -0.3, 0.3},       {gettingUp, -0.5, 0.6, -1.5, 0.9, -0.3, 0.3},
    {hitInAir, -0.45, 0.9, -0.5, 0.6, -0.3, 0.3},   {guardBroken, -0.4, 0.55, -1.7, 1.1, -0.3, 0.3},
    {juggled, -0.8, 1.0, -0.6, 0.6, -0.3, 0.3},     {dizzy, -0.45, 0.45, -1.7, 1.1, -0.3, 0.3},
    {antiAir, -0.3, 0.3, -1.7, 1.1, -0.3, 0.3},     {spinKick, -0.37, 0.37, -1.2, 1.0, -0.3, 0.3},
    {explosion, -0.4, 0.4, -1.45, 1.0, -0.3, 0.3},  {dive, -0.4, 0.4, -0.7, 0.7, -0.3, 0.3},
};

// The slingshot (part 16) and the broom (part 17) are hidden at the start of every tick.
constexpr u8 hiddenProps[] = {16, 17};

const CharacterScript script{{{}, hiddenProps}, boxes, torvelMoves()};

} // namespace

const CharacterScript& torvelScript() {
    return script;
}
