// Torvel's specials and supers: when each may start, and the windows it opens. The two
// stone throws open none; their stones hit on their own.
#include <array>

#include "fight/characters/specials.h"
#include "fight/objects.h"
#include "shell/game_state.h"

namespace {

using N = std::string_view;
constexpr ComboFactor n = ComboFactor::none;

// clang-format off
constexpr AttackRow antiAirRows[] = {
    // animation               parts   frames  level           damage   guard    dizzy    push   stop sound
    {"GOLPE-ANTI-AEREO-FRACO", "03-04", 2, 10, "ALTO-DERRUBA", {8, n},  {12, n}, {12, n}, -0.15, 4, 6},
    {"GOLPE-ANTI-AEREO-FORTE", "03-04", 2, 10, "ALTO-DERRUBA", {12, n}, {14, n}, {14, n}, -0.18, 4, 6},
};

// Rows shared by both strengths, named for neither.
constexpr AttackRow spinHits[] = {
    {"", "09-10-12-13",  7, 10, "ALTO-2",       {3, n}, {6, n}, {5, n}, -0.1,  2, 6},
    {"", "09-10-12-13", 13, 16, "ALTO-2",       {4, n}, {6, n}, {4, n}, -0.1,  2, 6},
    {"", "09-10-12-13", 18, 21, "ALTO-2",       {4, n}, {6, n}, {5, n}, -0.1,  2, 6},
    {"", "09-10-12-13", 23, 26, "ALTO-DERRUBA", {4, n}, {6, n}, {4, n}, -0.12, 2, 6},
};
constexpr AttackRow leapHits[] = {
    {"", "09-10",  5,  7, "ALTO-2",       {3, n}, {6, n}, {5, n}, -0.2,  2, 6},
    {"", "12-13", 13, 15, "ALTO-2",       {3, n}, {6, n}, {5, n}, -0.2,  2, 6},
    {"", "09-10", 21, 23, "ALTO-DERRUBA", {6, n}, {8, n}, {7, n}, -0.16, 2, 6},
};
constexpr AttackRow diveHits[] = {
    {"", "10-13-14", 4, 40, "ALTO-DERRUBA", {12, n}, {14, n}, {12, n}, -0.1, 2, 6},
};
// clang-format on

// The shared rows once for the "-FRACO" name and once for the "-FORTE" one.
template <std::size_t count>
constexpr std::array<AttackRow, 2 * count> forBoth(const char* weak, const char* strong,
                                                   const AttackRow (&shared)[count]) {
    std::array<AttackRow, 2 * count> rows{};
    for (std::size_t k = 0; k < count; ++k) {
        rows[k] = shared[k];
        rows[k].anim = weak;
        rows[count + k] = shared[k];
        rows[count + k].anim = strong;
    }
    return rows;
}

constexpr auto spinRows =
    forBoth("GOLPE-CURTA-DISTANCIA-FRACO", "GOLPE-CURTA-DISTANCIA-FORTE", spinHits);
constexpr auto leapRows = forBoth("GOLPE-EXPLOSAO-FRACO", "GOLPE-EXPLOSAO-FORTE", leapHits);
constexpr auto diveRows = forBoth("GOLPE-AEREO-FRACO", "GOLPE-AEREO-FORTE", diveHits);

// The spinning super: hit k (1..count) is live on frames step·k + offset to
// step·k + offset + step; all but the last are light hits of 2 that do not push, the last
// knocks down with `finalDamage` and `finalDizzy`, guard damage 3 and push -0.1.
template <std::size_t count>
constexpr std::array<AttackRow, count> superSpinRows(const char* anim, f64 step, f64 offset,
                                                     f64 dizzy, ScaledValue finalDamage,
                                                     f64 finalDizzy) {
    std::array<AttackRow, count> rows{};
    for (std::size_t k = 1; k <= count; ++k) {
        const f64 first = step * static_cast<f64>(k) + offset;
        rows[k - 1] = {
            anim, "09-10-12-13", first, first + step, "ALTO-2", {2, n}, {2, n}, {dizzy, n}, 0, 2,
            6};
    }
    AttackRow& last = rows[count - 1];
    last.level = "ALTO-DERRUBA";
    last.damage = finalDamage;
    last.guard = {3, n};
    last.dizzy = {finalDizzy, n};
    last.knockback = -0.1;
    return rows;
}

constexpr auto superSpinWeakRows =
    superSpinRows<8>("SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 4, 0, 0, {8, n}, 10);
constexpr auto superSpinStrongRows =
    superSpinRows<16>("SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 2, 2, 0.5, {2, n}, 10);

// Both strengths of the spinning super, in one list.
constexpr auto superSpinAllRows = [] {
    std::array<AttackRow, superSpinWeakRows.size() + superSpinStrongRows.size()> rows{};
    std::size_t k = 0;
    for (const AttackRow& r : superSpinWeakRows) rows[k++] = r;
    for (const AttackRow& r : superSpinStrongRows) rows[k++] = r;
    return rows;
}();

// Where a move may start from. "Ground" is the neutral stance (idle, walking either way,
// crouching, running), the back-dash and both guards.
constexpr N punches[] = {"SOCO-FRACO", "SOCO-FORTE", "SOCO-FRACO-AGACHADO", "SOCO-FORTE-AGACHADO"};
constexpr N kicks[] = {"CHUTE-FRACO", "CHUTE-FRACO-AGACHADO", "CHUTE-FORTE",
                       "CHUTE-FORTE-AGACHADO"};
constexpr N standingKicks[] = {"CHUTE-FRACO", "CHUTE-FORTE"};
constexpr N inTheAir[] = {"PULAR", "DEFESA-AEREA", "SOCO-FRACO-AR", "SOCO-FORTE-AR"};

// crouchLock at or above this refuses the move; the dive ignores it.
constexpr int anyCrouchLock = 1;
constexpr int settledCrouchLock = 2;
constexpr int ignoresCrouchLock = 256; // above any u8

struct StartRule {
    N move;                   // the name without "-FRACO" / "-FORTE"
    bool oneStoneAtATime;     // refused while any of his stones (15..18) is out
    int crouchLockLimit;      // refused when crouchLock >= this (any actionLock refuses)
    bool fromGround;          // neutral, "RECUO", "DEFESA-ALTA", "DEFESA-BAIXA"
    std::span<const N> early; // on their frames 0 and 1
    std::span<const N> anyFrame;
    bool fromGettingUp; // "LEVANTAR" from frame 12
    std::span<const AttackRow> windows;
};

// clang-format off
const StartRule rules[] = {
    // move                         stone  crouchLock         ground early          any       up     windows
    {"GOLPE-PROJETIL",              true,  anyCrouchLock,     true,  punches,       {},       false, {}},
    {"GOLPE-ANTI-AEREO",            false, settledCrouchLock, true,  punches,       {},       true,  antiAirRows},
    {"GOLPE-CURTA-DISTANCIA",       false, anyCrouchLock,     true,  kicks,         {},       true,  spinRows},
    {"GOLPE-EXPLOSAO",              false, anyCrouchLock,     true,  kicks,         {},       false, leapRows},
    {"GOLPE-AEREO",                 false, ignoresCrouchLock, false, {},            inTheAir, false, diveRows},
    {"SUPER-GOLPE-PROJETIL",        true,  anyCrouchLock,     true,  punches,       {},       true,  {}},
    {"SUPER-GOLPE-CURTA-DISTANCIA", false, anyCrouchLock,     true,  standingKicks, {},       true,  superSpinAllRows},
};
// clang-format on

constexpr N groundAnims[] = {"PARADO",  "ANDAR-TRAS", "ANDAR-FRENTE", "AGACHAR",
                             "CORRIDA", "RECUO",      "DEFESA-ALTA",  "DEFESA-BAIXA"};

bool oneOf(const Name& anim, std::span<const N> names) {
    for (N name : names)
        if (anim == name) return true;
    return false;
}

bool stoneOut(int index) {
    const auto owner = static_cast<u8>(index);
    for (u8 kind = 15; kind <= 18; ++kind)
        if (objectExists(kind, owner)) return true;
    return false;
}

bool allowed(const StartRule& r, int index) {
    const personagem& f = gs.fighter(index);
    if (f.actionLock != 0 || f.crouchLock >= r.crouchLockLimit) return false;
    if (r.oneStoneAtATime && stoneOut(index)) return false;
    return (r.fromGround && oneOf(f.anim, groundAnims)) ||
           (f.frame <= 1 && oneOf(f.anim, r.early)) || oneOf(f.anim, r.anyFrame) ||
           (r.fromGettingUp && f.anim == "LEVANTAR" && f.frame >= 12);
}

// The rule of a move name ("-FRACO" or "-FORTE" after a move of the table), or null.
const StartRule* ruleFor(N name) {
    for (const StartRule& r : rules)
        if (name.size() == r.move.size() + 6 && name.starts_with(r.move) &&
            (name.ends_with("-FRACO") || name.ends_with("-FORTE")))
            return &r;
    return nullptr;
}

} // namespace

void torvelSpecial(int index, std::string_view name) {
    const StartRule* r = ruleFor(name);
    if (r && allowed(*r, index)) startSpecial(index, name, r->windows);
}
