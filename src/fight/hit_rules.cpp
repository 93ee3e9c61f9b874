#include "fight/hit_rules.h"

#include <algorithm>
#include <array>

namespace {

struct GuardRow {
    std::string_view guardAnim;
    std::array<std::string_view, 7> stops;
};

// Air attacks "ALTO-3"/"ALTO-4" pass a crouching guard; low attacks need it.
constexpr GuardRow guardRows[] = {
    {"DEFESA-ALTA",
     {"ALTO-1", "ALTO-2", "ALTO-3", "ALTO-4", "ALTO-DERRUBA", "VOADORA", "ALTO-COMBO"}},
    {"DEFESA-BAIXA",
     {"ALTO-1", "ALTO-2", "ALTO-DERRUBA", "VOADORA", "BAIXO", "BAIXO-DERRUBA", "ALTO-COMBO"}},
};

struct ReactionRow {
    std::string_view hitType;
    std::string_view reaction;
};

constexpr ReactionRow reactionRows[] = {
    {"ALTO-1", "SOFRE-ATAQUE-ALTO-1"},
    {"ALTO-3", "SOFRE-ATAQUE-ALTO-1"},
    {"ALTO-2", "SOFRE-ATAQUE-ALTO-2"},
    {"ALTO-4", "SOFRE-ATAQUE-ALTO-2"},
    {"BAIXO", "SOFRE-ATAQUE-BAIXO"},
    {"BAIXO-DERRUBA", "QUEDA-1"},
    {"ALTO-DERRUBA", "QUEDA-1"},
    {"VOADORA", "QUEDA-3"},
    {"ALTO-COMBO", "SOFRE-COMBO-AEREO"},
    {"DESMAIAR", "DESMAIAR"},
    {"SOFRE-ATAQUE-AR", "SOFRE-ATAQUE-AR"},
};

constexpr std::array<std::string_view, 4> airHitKeeps = {"BAIXO-DERRUBA", "ALTO-DERRUBA",
                                                         "SOFRE-COMBO-AEREO", "VOADORA"};

constexpr std::array<f64, 5> levelFactors = {0.5, 0.75, 1, 1.25, 1.5};

} // namespace

bool guardStops(std::string_view guardAnim, std::string_view hitType) {
    for (const GuardRow& g : guardRows) {
        if (g.guardAnim != guardAnim) continue;
        return std::find(g.stops.begin(), g.stops.end(), hitType) != g.stops.end();
    }
    return false;
}

f64 damageLevelFactor(u8 level) {
    if (level < 1 || level > levelFactors.size()) return 1;
    return levelFactors[level - 1u];
}

std::string_view reactionFor(std::string_view hitType) {
    for (const ReactionRow& r : reactionRows)
        if (r.hitType == hitType) return r.reaction;
    return {};
}

bool keepsAirHitLevel(std::string_view hitType) {
    return std::find(airHitKeeps.begin(), airHitKeeps.end(), hitType) != airHitKeeps.end();
}
