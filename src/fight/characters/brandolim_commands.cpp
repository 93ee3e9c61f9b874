// SEU BRANDOLIM's motions, all on the punch buttons. Tried in the same order as TORVEL's:
// supers first, the forward-quarter before the plain quarter.
#include "fight/characters/character_commands.h"

namespace {

const SpecialMotion motions[] = {
    {14, doubleQuarterForward, "BT1", "BT3", "SUPER-GOLPE-CURTA-DISTANCIA-FRACO",
     "SUPER-GOLPE-CURTA-DISTANCIA-FORTE", true},
    {15, forwardThenHalfBack, "BT1", "BT3", "SUPER-GOLPE-SEQUENCIA-FRACO",
     "SUPER-GOLPE-SEQUENCIA-FORTE", true},
    {10, forwardQuarter, "BT1", "BT3", "GOLPE-ANTI-AEREO-FRACO", "GOLPE-ANTI-AEREO-FORTE", false},
    {9, quarterForward, "BT1", "BT3", "GOLPE-PROJETIL-FRACO", "GOLPE-PROJETIL-FORTE", false},
    {11, forwardBackForward, "BT1", "BT3", "GOLPE-CURTA-DISTANCIA-FRACO",
     "GOLPE-CURTA-DISTANCIA-FORTE", false},
    // One motion, two moves: the explosion on the ground, the aerial one from a jump.
    {12, quarterBack, "BT1", "BT3", "GOLPE-EXPLOSAO-FRACO", "GOLPE-EXPLOSAO-FORTE", false},
    {13, quarterBack, "BT1", "BT3", "GOLPE-AEREO-FRACO", "GOLPE-AEREO-FORTE", false},
};

} // namespace

std::span<const SpecialMotion> brandolimMotions() {
    return motions;
}
