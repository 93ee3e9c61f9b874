#include "fight/cpu_attacks.h"

#include "shell/rng.h"

namespace {

constexpr std::string_view standingBlows[] = {"SOCO-FRACO", "CHUTE-FRACO", "SOCO-FORTE",
                                              "CHUTE-FORTE"};
constexpr std::string_view crouchingBlows[] = {"SOCO-FRACO-AGACHADO", "CHUTE-FRACO-AGACHADO",
                                               "SOCO-FORTE-AGACHADO", "CHUTE-FORTE-AGACHADO"};
constexpr std::string_view airBlows[] = {"SOCO-FRACO-AR", "CHUTE-FRACO-AR", "SOCO-FORTE-AR",
                                         "CHUTE-FORTE-AR"};

// One of eight blows, standing or crouched, plus its air version for a fighter in the air.
void attack(CpuTick& c) {
    personagem& f = c.f;
    if (f.cpuCooldown != 0 || f.cpuDistance > 1.8 || f.cpuFoeIntangible != 0 ||
        f.cpuMayAttack != 1 || !chance(c.weight(CpuWeight::attack)))
        return;
    const u32 k = random(8);
    if (k < 4) {
        c.ask(standingBlows[k]);
    } else {
        c.ask("AGACHAR");
        c.ask(crouchingBlows[k - 4]);
    }
    if (!(c.o.anim == "SOFRE-COMBO-AEREO")) c.ask(airBlows[k % 4]);
    f.cpuCooldown = f.cpuCooldownReset;
}

struct Chain {
    std::string_view from, next;
};
// In this order; a later success replaces an earlier one.
constexpr Chain chains[] = {
    {"SOCO-FRACO", "CHUTE-FRACO"},  {"SOCO-FRACO-AGACHADO", "CHUTE-FRACO-AGACHADO"},
    {"SOCO-FRACO", "SOCO-FORTE"},   {"SOCO-FRACO-AGACHADO", "SOCO-FORTE-AGACHADO"},
    {"CHUTE-FRACO", "CHUTE-FORTE"}, {"CHUTE-FRACO-AGACHADO", "CHUTE-FORTE-AGACHADO"},
};

void chain(CpuTick& c) {
    for (const Chain& link : chains)
        if (c.f.cpuOwnAnim == link.from && chance(0.5 * c.weight(CpuWeight::attack)))
            c.f.queuedAnim = link.next;
}

void flyingKick(CpuTick& c) {
    personagem& f = c.f;
    if (f.cpuCooldown == 0 && f.cpuOwnAnim == "CORRIDA" && f.cpuObjectNear == 0 &&
        chance(0.25 * c.weight(CpuWeight::attack))) {
        c.ask("VOADORA");
        f.cpuCooldown = f.cpuCooldownReset;
    }
}

void launch(CpuTick& c) {
    personagem& f = c.f;
    if (f.cpuCooldown == 0 && f.cpuObjectNear == 0 && f.cpuDistance <= 2.3 &&
        f.cpuFoeIntangible == 0 && f.cpuMayAttack == 1 &&
        chance(0.3 * c.weight(CpuWeight::attack))) {
        c.ask("GOLPE-COMBO-AEREO");
        f.cpuCooldown = f.cpuCooldownReset;
    }
}

std::string_view airBlowOf(char letter) {
    if (letter < 'A' || letter > 'D') return {};
    return airBlows[static_cast<std::size_t>(letter - 'A')];
}

// Follows the route at the juggled opponent's frame 10: the first blow always, later
// ones by the airCombo weight. `airComboStep` counts the blows landed, so the next blow
// is the route's letter number airComboStep + 1.
void continueAirCombo(CpuTick& c) {
    personagem& f = c.f;
    if (!(c.o.anim == "SOFRE-COMBO-AEREO") || c.o.frame != 10 || !(f.posY > 1.2)) return;
    if (f.airComboStep + 1 >= 2 && !chance(c.weight(CpuWeight::airCombo))) return;
    const std::string_view blow = airBlowOf(nextAirComboLetter(f));
    if (blow.empty()) return;
    f.anim = "PULAR";
    c.ask(blow);
}

} // namespace

void cpuAttacks(CpuTick& c) {
    attack(c);
    chain(c);
    flyingKick(c);
    launch(c);
    continueAirCombo(c);
}
