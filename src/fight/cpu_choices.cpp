#include "fight/cpu_choices.h"

#include <span>

#include "fight/cpu_weights.h"
#include "fight/fight_hooks.h"
#include "fight/items.h"
#include "shell/game_state.h"
#include "shell/rng.h"

namespace {

// A distance condition: d within [low, high]; an open end is marked by a negative number,
// and `lowOpen`/`highOpen` make the bound strict.
struct Range {
    f64 low = -1, high = -1;
    bool lowOpen = false, highOpen = false;
    bool holds(f64 d) const {
        if (low >= 0 && (lowOpen ? d <= low : d < low)) return false;
        if (high >= 0 && (highOpen ? d >= high : d > high)) return false;
        return true;
    }
};

constexpr Range above(f64 x) {
    return {x, -1, true, false};
}
constexpr Range atLeast(f64 x) {
    return {x, -1, false, false};
}
constexpr Range below(f64 x) {
    return {-1, x, false, true};
}
constexpr Range atMost(f64 x) {
    return {-1, x, false, false};
}
constexpr Range between(f64 x, f64 y) {
    return {x, y, true, true};
}

struct SpecialLine {
    std::string_view strong, weak; // the "-FORTE" and "-FRACO" versions of the move
    bool needsNoObject;            // `cpuObjectNear` = 0
    bool needsTangibleFoe;         // `cpuFoeIntangible` = 0
    Range distance;
    f64 minHeight; // own `posY` above this; negative = anywhere
    f64 weightFactor;
};

#define VERSIONS(move) move "-FORTE", move "-FRACO"
// clang-format off
constexpr SpecialLine torvelSpecials[] = {
    {VERSIONS("GOLPE-PROJETIL"),              true,  false, above(3),    -1,  1.0},
    {VERSIONS("GOLPE-ANTI-AEREO"),            true,  true,  atMost(1.5), -1,  1.0},
    {VERSIONS("GOLPE-EXPLOSAO"),              true,  true,  atMost(2.5), -1,  1.0},
    {VERSIONS("GOLPE-CURTA-DISTANCIA"),       true,  true,  atMost(2.0), -1,  1.0},
    {VERSIONS("GOLPE-AEREO"),                 false, true,  atMost(3),   1.8, 2.0},
    {VERSIONS("SUPER-GOLPE-PROJETIL"),        false, true,  atLeast(1),  -1,  0.2},
    {VERSIONS("SUPER-GOLPE-CURTA-DISTANCIA"), false, true,  atMost(2.5), -1,  0.2},
};
constexpr SpecialLine brandolimSpecials[] = {
    {VERSIONS("GOLPE-PROJETIL"),              true,  false, below(3),      -1,  1.0},
    {VERSIONS("GOLPE-ANTI-AEREO"),            true,  true,  atMost(1.5),   -1,  1.0},
    {VERSIONS("GOLPE-CURTA-DISTANCIA"),       true,  true,  atMost(1.5),   -1,  1.0},
    {VERSIONS("GOLPE-EXPLOSAO"),              true,  true,  atMost(2.5),   -1,  1.0},
    {VERSIONS("GOLPE-AEREO"),                 false, true,  atMost(3),     1.8, 2.0},
    {VERSIONS("SUPER-GOLPE-CURTA-DISTANCIA"), false, true,  below(3),      -1,  0.2},
    {VERSIONS("SUPER-GOLPE-SEQUENCIA"),       false, true,  between(1, 4), -1,  0.2},
};
// clang-format on
#undef VERSIONS

std::span<const SpecialLine> specialsOf(u8 character) {
    if (character == 1) return torvelSpecials;
    if (character == 2) return brandolimSpecials;
    return {};
}

struct ItemLine {
    u8 kind;
    f64 minDistance; // d above this
    f64 weightFactor;
    f64 minLife, maxLife; // `life` within, inclusive
    u8 maxStocks;         // `stocks` at most this
};

// clang-format off
constexpr ItemLine itemLines[] = {
    {1, 3.0, 1.0, 25, 1e9, 255},
    {2, 1.5, 2.0,  0,  40, 255},
    {3, 2.0, 1.0, 25, 1e9,   1},
    {4, 1.5, 2.0,  0,  40, 255},
    {5, 2.0, 1.0, 25, 1e9, 255},
    {6, 3.0, 1.0, 25, 1e9, 255},
};
// clang-format on

} // namespace

CpuSpecialPicks cpuChooseSpecials(int index) {
    CpuSpecialPicks picks;
    personagem& f = gs.fighter(index);
    if (f.cpuMayAttack != 1) return picks;
    const f64 special = cpuWeight(f, CpuWeight::special);
    for (const SpecialLine& line : specialsOf(f.character)) {
        if (line.needsNoObject && f.cpuObjectNear != 0) continue;
        if (!line.distance.holds(f.cpuDistance)) continue;
        if (line.minHeight >= 0 && !(f.posY > line.minHeight)) continue;
        if (line.needsTangibleFoe && f.cpuFoeIntangible != 0) continue;
        if (!chance(line.weightFactor * special)) continue;
        picks.names[static_cast<std::size_t>(picks.count++)] =
            random(2) != 0 ? line.strong : line.weak;
    }
    return picks;
}

void cpuSpecials(int index) {
    const CpuSpecialPicks picks = cpuChooseSpecials(index);
    for (int k = 0; k < picks.count; ++k)
        startSpecialMove(index, picks.names[static_cast<std::size_t>(k)]);
}

void cpuItems(int index) {
    personagem& f = gs.fighter(index);
    const f64 item = cpuWeight(f, CpuWeight::item);
    for (const ItemLine& line : itemLines) {
        // Checked per line: a use started this tick must keep the item it put in hand.
        if (f.cpuCooldown != 0 || f.cpuObjectNear == 1 || f.anim == "USAR-ITEM" ||
            f.anim == "JOGAR-ITEM")
            return;
        if (!(f.cpuDistance > line.minDistance)) continue;
        if (!chance(line.weightFactor * item)) continue;
        if (f.life < line.minLife || f.life > line.maxLife || f.stocks > line.maxStocks) continue;
        useItem(index, line.kind);
    }
}
