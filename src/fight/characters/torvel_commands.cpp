// TORVEL's motions. The supers come first and the forward-quarter before the plain quarter,
// since their motions end with the shorter ones: 2 3 6 2 3 6 + punch also completes 2 3 6 +
// punch, and the first move to start keeps the others out.
#include "fight/characters/character_commands.h"

namespace {

const SpecialMotion motions[] = {
    {14, doubleQuarterForward, "BT1", "BT3", "SUPER-GOLPE-PROJETIL-FRACO",
     "SUPER-GOLPE-PROJETIL-FORTE", true},
    {15, doubleQuarterBack, "BT2", "BT4", "SUPER-GOLPE-CURTA-DISTANCIA-FRACO",
     "SUPER-GOLPE-CURTA-DISTANCIA-FORTE", true},
    {10, forwardQuarter, "BT1", "BT3", "GOLPE-ANTI-AEREO-FRACO", "GOLPE-ANTI-AEREO-FORTE", false},
    {9, quarterForward, "BT1", "BT3", "GOLPE-PROJETIL-FRACO", "GOLPE-PROJETIL-FORTE", false},
    {11, quarterBack, "BT2", "BT4", "GOLPE-CURTA-DISTANCIA-FRACO", "GOLPE-CURTA-DISTANCIA-FORTE",
     false},
    {12, quarterForward, "BT2", "BT4", "GOLPE-EXPLOSAO-FRACO", "GOLPE-EXPLOSAO-FORTE", false},
    {13, quarterBack, "BT1", "BT3", "GOLPE-AEREO-FRACO", "GOLPE-AEREO-FORTE", false},
};

} // namespace

std::span<const SpecialMotion> torvelMotions() {
    return motions;
}
