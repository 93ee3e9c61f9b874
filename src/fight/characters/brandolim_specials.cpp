// Seu Brandolim's specials and supers: from what each may start, what refuses it, and the
// windows it opens. The "-ACERTANDO" follow-ups are started only by his own moves' scripts.
#include <array>

#include "fight/animation.h"
#include "fight/characters/specials.h"
#include "fight/objects.h"
#include "shell/game_state.h"

namespace {

// What the fighter may be doing when the move starts.
enum From : unsigned {
    neutral = 1,      // standing, walking, crouching, running
    backDash = 2,     // "RECUO"
    guards = 4,       // "DEFESA-ALTA", "DEFESA-BAIXA"
    earlyPunches = 8, // the four ground punches at frame <= 1
    risen = 16,       // "LEVANTAR" at frame >= 12
    jumping = 32,     // "PULAR", "DEFESA-AEREA", the two air punches
    flurry = 64,      // the jab flurry
    dive = 128,       // the diving kick
    dash = 256,       // the grabbing dash
};

// What refuses it.
enum class Refusal {
    none,
    blastOrLocks, // his own carbine blast still exists, or actionLock or crouchLock
    antiAir,      // actionLock, or crouchLock >= 2
    anyLock,      // actionLock or crouchLock
    actionLock,
};

struct StartRule {
    const char* move;
    Refusal refusal;
    unsigned from;
};

constexpr unsigned ground = neutral | backDash | guards | earlyPunches;

// clang-format off
constexpr StartRule startRules[] = {
    {"GOLPE-PROJETIL-FRACO",                 Refusal::blastOrLocks, ground},
    {"GOLPE-PROJETIL-FORTE",                 Refusal::blastOrLocks, ground},
    {"GOLPE-ANTI-AEREO-FRACO",               Refusal::antiAir,      ground | risen},
    {"GOLPE-ANTI-AEREO-FORTE",               Refusal::antiAir,      ground | risen},
    {"GOLPE-CURTA-DISTANCIA-FRACO",          Refusal::antiAir,      ground | risen},
    {"GOLPE-CURTA-DISTANCIA-FORTE",          Refusal::antiAir,      ground | risen},
    {"GOLPE-EXPLOSAO-FRACO",                 Refusal::antiAir,      ground | risen},
    {"GOLPE-EXPLOSAO-FORTE",                 Refusal::antiAir,      ground | risen},
    {"GOLPE-AEREO-FRACO",                    Refusal::actionLock,   jumping},
    {"GOLPE-AEREO-FORTE",                    Refusal::actionLock,   jumping},
    {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO",    Refusal::anyLock,      ground | risen},
    {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE",    Refusal::anyLock,      ground | risen},
    {"SUPER-GOLPE-SEQUENCIA-FRACO",          Refusal::anyLock,      ground | risen},
    {"SUPER-GOLPE-SEQUENCIA-FORTE",          Refusal::anyLock,      ground | risen},
    {"GOLPE-CURTA-DISTANCIA-ACERTANDO",      Refusal::none,         flurry},
    {"GOLPE-AEREO-ACERTANDO",                Refusal::none,         dive},
    // Both beatings follow only the dash: started from anything, the weak one would be a
    // free super.
    {"SUPER-GOLPE-SEQUENCIA-ACERTANDO-FRACO", Refusal::none,        dash},
    {"SUPER-GOLPE-SEQUENCIA-ACERTANDO-FORTE", Refusal::none,        dash},
};
// clang-format on

bool isAny(const Name& anim, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (anim == n) return true;
    return false;
}

unsigned doing(const personagem& f) {
    unsigned d = 0;
    if (isAny(f.anim, {"PARADO", "ANDAR-TRAS", "ANDAR-FRENTE", "AGACHAR", "CORRIDA"})) d |= neutral;
    if (f.anim == "RECUO") d |= backDash;
    if (isAny(f.anim, {"DEFESA-ALTA", "DEFESA-BAIXA"})) d |= guards;
    if (f.frame <= 1 &&
        isAny(f.anim, {"SOCO-FRACO", "SOCO-FORTE", "SOCO-FRACO-AGACHADO", "SOCO-FORTE-AGACHADO"}))
        d |= earlyPunches;
    if (f.anim == "LEVANTAR" && f.frame >= 12) d |= risen;
    if (isAny(f.anim, {"PULAR", "DEFESA-AEREA", "SOCO-FRACO-AR", "SOCO-FORTE-AR"})) d |= jumping;
    if (isAny(f.anim, {"GOLPE-CURTA-DISTANCIA-FRACO", "GOLPE-CURTA-DISTANCIA-FORTE"})) d |= flurry;
    if (isAny(f.anim, {"GOLPE-AEREO-FRACO", "GOLPE-AEREO-FORTE"})) d |= dive;
    if (isAny(f.anim, {"SUPER-GOLPE-SEQUENCIA-FRACO", "SUPER-GOLPE-SEQUENCIA-FORTE"})) d |= dash;
    return d;
}

bool refused(int index, Refusal r) {
    const personagem& f = gs.fighter(index);
    switch (r) {
    case Refusal::none:
        return false;
    case Refusal::blastOrLocks:
        return objectExists(41, static_cast<u8>(index)) || f.actionLock != 0 || f.crouchLock != 0;
    case Refusal::antiAir:
        return f.actionLock != 0 || f.crouchLock >= 2;
    case Refusal::anyLock:
        return f.actionLock != 0 || f.crouchLock != 0;
    case Refusal::actionLock:
        return f.actionLock != 0;
    }
    return true;
}

constexpr ComboFactor n = ComboFactor::none;

constexpr AttackRow row(const char* anim, const char* parts, f64 a, f64 b, const char* level,
                        f64 damage, f64 guard, f64 dizzy, f64 push, f64 stop) {
    return {anim, parts, a, b, level, {damage, n}, {guard, n}, {dizzy, n}, push, stop, 6};
}

// clang-format off
constexpr AttackRow fixedWindows[] = {
    row("GOLPE-ANTI-AEREO-FRACO", "03-04", 2, 10, "ALTO-DERRUBA", 8, 12, 12, -0.15, 4),
    row("GOLPE-ANTI-AEREO-FORTE", "03-04", 2, 10, "ALTO-DERRUBA", 12, 14, 14, -0.18, 4),
    row("GOLPE-CURTA-DISTANCIA-ACERTANDO", "06-07", 37, 39, "ALTO-DERRUBA", 2, 1, 5, -0.2, 2),
    row("GOLPE-EXPLOSAO-FRACO", "03-04", 4, 5, "ALTO-1", 3, 4, 4, 0, 2),
    row("GOLPE-EXPLOSAO-FRACO", "03-04", 8, 9, "ALTO-1", 3, 4, 4, 0, 2),
    row("GOLPE-EXPLOSAO-FRACO", "03-04", 12, 13, "ALTO-1", 2, 4, 4, 0, 2),
    row("GOLPE-EXPLOSAO-FRACO", "03-04", 17, 22, "ALTO-DERRUBA", 6, 7, 7, -0.3, 4),
    row("GOLPE-EXPLOSAO-FORTE", "03-04", 4, 5, "ALTO-1", 3, 4, 4, 0, 2),
    row("GOLPE-EXPLOSAO-FORTE", "03-04", 8, 9, "ALTO-1", 3, 4, 4, 0, 2),
    row("GOLPE-EXPLOSAO-FORTE", "03-04", 12, 13, "ALTO-1", 2, 4, 4, 0, 2),
    row("GOLPE-EXPLOSAO-FORTE", "03-04", 17, 22, "ALTO-DERRUBA", 6, 7, 7, -0.3, 4),
    row("GOLPE-AEREO-FRACO", "09-10-12-13", 3, 25, "ALTO-1", 4, 6, 6, -0.18, 2),
    row("GOLPE-AEREO-FORTE", "09-10-12-13", 3, 25, "ALTO-1", 4, 6, 6, -0.18, 2),
    row("GOLPE-AEREO-ACERTANDO", "03-04", 2, 4, "ALTO-2", 1, 0, 0, 0, 2),
    row("GOLPE-AEREO-ACERTANDO", "06-07", 8, 10, "ALTO-1", 1, 0, 0, 0, 2),
    row("GOLPE-AEREO-ACERTANDO", "03-04", 14, 16, "ALTO-2", 1, 0, 0, 0, 2),
    row("GOLPE-AEREO-ACERTANDO", "06-07", 20, 22, "ALTO-1", 1, 0, 0, 0, 2),
    row("GOLPE-AEREO-ACERTANDO", "12-13", 25, 32, "ALTO-DERRUBA", 5, 0, 10, -0.3, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FRACO", "02-03-04", 5, 6, "ALTO-2", 3, 5, 2, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FRACO", "02-03-04", 7, 8, "ALTO-2", 4, 7, 2, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FRACO", "02-03-04", 9, 10, "ALTO-2", 5, 9, 2, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FRACO", "02-03-04", 18, 19, "ALTO-2", 3, 6, 2, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FRACO", "02-03-04", 21, 22, "ALTO-2", 4, 7, 2, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FRACO", "02-03-04", 24, 25, "ALTO-DERRUBA", 5, 8, 3, -0.2, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FORTE", "02-03-04", 5, 6, "ALTO-2", 3, 5, 1, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FORTE", "02-03-04", 7, 8, "ALTO-2", 3, 5, 2, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FORTE", "02-03-04", 9, 10, "ALTO-2", 4, 7, 2, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FORTE", "02-03-04", 18, 19, "ALTO-2", 3, 5, 1, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FORTE", "02-03-04", 21, 22, "ALTO-2", 3, 6, 2, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FORTE", "02-03-04", 24, 25, "ALTO-2", 4, 7, 2, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FORTE", "02-03-04", 33, 34, "ALTO-2", 3, 6, 1, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FORTE", "02-03-04", 36, 37, "ALTO-2", 3, 5, 2, 0, 2),
    row("SUPER-GOLPE-CURTA-DISTANCIA-FORTE", "02-03-04", 39, 40, "ALTO-DERRUBA", 6, 8, 2, -0.3, 2),
    row("SUPER-GOLPE-SEQUENCIA-FRACO", "03-04", 12, 22, "ALTO-1", 2, 8, 0, 0, 2),
    row("SUPER-GOLPE-SEQUENCIA-FORTE", "03-04", 12, 22, "ALTO-1", 2, 8, 0, 0, 2),
};
// clang-format on

// The beating's ten blows, in order.
struct Blow {
    const char* parts;
    const char* level;
};
constexpr Blow blows[10] = {
    {"06-07", "ALTO-1"}, {"12-13", "BAIXO"},  {"06-07", "ALTO-1"}, {"03-04", "ALTO-2"},
    {"09-10", "BAIXO"},  {"06-07", "ALTO-1"}, {"03-04", "ALTO-1"}, {"12-13", "BAIXO"},
    {"09-10", "BAIXO"},  {"03-04", "ALTO-1"},
};
constexpr f64 weakBeatingDamage[10] = {1, 2, 1, 2, 1, 3, 1, 2, 1, 3};

// The repeating windows: the flurry's jabs (both strengths and the follow-up) and the two
// beatings; adjacent windows share their boundary frame.
constexpr std::size_t repeatedCount = 2 * 5 + 7 + 10 + 20;
constexpr std::array<AttackRow, repeatedCount> repeatedWindows() {
    std::array<AttackRow, repeatedCount> r{};
    std::size_t i = 0;
    for (const char* anim : {"GOLPE-CURTA-DISTANCIA-FRACO", "GOLPE-CURTA-DISTANCIA-FORTE"})
        for (int k = 0; k < 5; ++k)
            r[i++] = row(anim, "06-07", 5 * k + 2, 5 * k + 4, "ALTO-1", 5, 7, 5, 0, 1);
    for (int k = 0; k < 7; ++k)
        r[i++] = row("GOLPE-CURTA-DISTANCIA-ACERTANDO", "06-07", 5 * k + 2, 5 * k + 4, "ALTO-1", 1,
                     0, 0, 0, 1);
    for (int k = 0; k < 10; ++k)
        r[i++] = row("SUPER-GOLPE-SEQUENCIA-ACERTANDO-FRACO", blows[k].parts, 4 * k, 4 * k + 4,
                     blows[k].level, weakBeatingDamage[k], 0, 0, 0, 2);
    for (int k = 0; k < 20; ++k)
        r[i++] = row("SUPER-GOLPE-SEQUENCIA-ACERTANDO-FORTE", blows[k % 10].parts, 4 * k, 4 * k + 4,
                     blows[k % 10].level, 1, 0, 0, 0, 2);
    return r;
}
constexpr auto repeated = repeatedWindows();

// One table for every move: defining them keeps only the rows of the move started, each
// move's windows in frame order (the flurry follow-up's knock-down comes after its jabs).
constexpr std::array<AttackRow, std::size(fixedWindows) + repeatedCount> allWindows() {
    std::array<AttackRow, std::size(fixedWindows) + repeatedCount> r{};
    std::size_t i = 0;
    for (const AttackRow& w : repeated) r[i++] = w;
    for (const AttackRow& w : fixedWindows) r[i++] = w;
    return r;
}
constexpr auto windows = allWindows();

} // namespace

void brandolimSpecial(int index, std::string_view name) {
    for (const StartRule& rule : startRules) {
        if (name != rule.move) continue;
        if (refused(index, rule.refusal)) return;
        if ((doing(gs.fighter(index)) & rule.from) == 0) return;
        startSpecial(index, name, windows);
        return;
    }
}
