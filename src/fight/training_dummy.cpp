#include "fight/training_dummy.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "fight/animation.h"
#include "fight/fight_hooks.h"
#include "fight/training_recorder.h"
#include "fight/training_rules.h"
#include "shell/game_state.h"
#include "shell/rng.h"

namespace {

// The animation each plain action keeps asking for, by DummyAction.
constexpr std::array<std::string_view, 4> actionAnims = {"PARADO", "AGACHAR", "PULAR",
                                                         "ANDAR-FRENTE"};

constexpr std::string_view busyAnims[] = {"SOFRE-ATAQUE-ALTO-1",
                                          "SOFRE-ATAQUE-ALTO-2",
                                          "SOFRE-ATAQUE-BAIXO",
                                          "SOFRE-ATAQUE-AR",
                                          "SOFRE-COMBO-AEREO",
                                          "SOFRE-AGARRAMENTO",
                                          "QUEDA-1",
                                          "QUEDA-2",
                                          "QUEDA-3",
                                          "DEITADO",
                                          "LEVANTAR",
                                          "QUEBRA-GUARDA",
                                          "TONTO",
                                          "DESMAIAR",
                                          "DEFESA-ALTA",
                                          "DEFESA-BAIXA",
                                          "DEFESA-AEREA"};

constexpr std::string_view hitReactions[] = {"SOFRE-ATAQUE-ALTO-1", "SOFRE-ATAQUE-ALTO-2",
                                             "SOFRE-ATAQUE-BAIXO",  "SOFRE-ATAQUE-AR",
                                             "SOFRE-COMBO-AEREO",   "QUEDA-1"};

template <std::size_t N> bool isOneOf(const Name& anim, const std::string_view (&names)[N]) {
    return std::any_of(std::begin(names), std::end(names),
                       [&](std::string_view n) { return anim == n; });
}

// The opponent's attack is live while one of its windows still carries damage, or while
// a harmful object of its own is in the air; low when a window strikes low.
struct Threat {
    bool live = false;
    bool low = false;
};

Threat threatAgainst(int index) {
    const int foe = 3 - index;
    const personagem& o = gs.fighter(foe);
    Threat t;
    const bool attacking = o.attacking == 1 || o.specialAttacking == 1;
    for (const Acertos& h : o.hits) {
        if (h.damage <= 0 || !attacking) continue;
        t.live = true;
        if (h.hitType == "BAIXO" || h.hitType == "BAIXO-DERRUBA") t.low = true;
    }
    for (const objeto& obj : gs.objectPool)
        if (obj.kind != 0 && obj.harmful == 1 && obj.owner == foe) t.live = true;
    return t;
}

// Whether the dummy guards a live attack, by DummyGuard.
constexpr bool (*guardRules[])(const TrainingState&) = {
    [](const TrainingState&) { return false; },
    [](const TrainingState&) { return true; },
    [](const TrainingState& t) { return t.guardRaised == 1; },
    [](const TrainingState& t) { return t.guardRoll == 1; },
};

bool guards(const TrainingState& t) {
    return t.dummyGuard < std::size(guardRules) && guardRules[t.dummyGuard](t);
}

// The transition rules take the guard that fits where the dummy stands.
void raiseGuard(int index, const Threat& threat) {
    requestAnimation(index, "DEFESA-AEREA");
    requestAnimation(index, threat.low ? "DEFESA-BAIXA" : "DEFESA-ALTA");
}

} // namespace

bool dummyAtRest(const personagem& f) {
    return !isOneOf(f.anim, busyAnims);
}

void trainingDummyStep(int index) {
    TrainingState& t = gs.training;
    personagem& f = gs.fighter(index);
    const Threat threat = threatAgainst(index);
    // A random guard is drawn once for each attack as it starts.
    if (threat.live && t.threatSeen == 0 && t.dummyGuard == u8(DummyGuard::random))
        t.guardRoll = random(2) == 0 ? 1 : 0;
    t.threatSeen = threat.live ? 1 : 0;
    if (isOneOf(f.anim, hitReactions)) t.guardRaised = 1;

    if (recorderDrivesDummy(index)) return;

    if (t.dummyAction == u8(DummyAction::computer)) {
        cpuStep(index);
        return;
    }
    if (threat.live && guards(t)) {
        raiseGuard(index, threat);
        return;
    }
    if (t.dummyAction < actionAnims.size()) requestAnimation(index, actionAnims[t.dummyAction]);
}
