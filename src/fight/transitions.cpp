// The transition rules: which animation may follow which, under which conditions, and
// what an accepted request sets up.
#include <initializer_list>
#include <string_view>

#include "fight/animation.h"
#include "fight/fight_hooks.h"

namespace {

// A current animation a request may come from, optionally only in some frames.
struct From {
    std::string_view anim;
    enum Frames { Any, AtLeast, AtMost, Above } frames = Any;
    f64 frame = 0;

    bool matches(const personagem& f) const {
        if (!(f.anim == anim)) return false;
        switch (frames) {
        case Any:
            return true;
        case AtLeast:
            return f.frame >= frame;
        case AtMost:
            return f.frame <= frame;
        case Above:
            return f.frame > frame;
        }
        return false;
    }
};

// A request being decided: who asks, the opponent, and the animation asked for.
struct Request {
    int index;
    const personagem& f;
    const personagem& o;
    std::string_view name;
};
using Condition = bool (*)(const Request& r);

struct Rule {
    std::initializer_list<std::string_view> requests;
    Condition condition;
    // Empty: from any current animation.
    std::initializer_list<From> from;
};

bool locked(const personagem& f) {
    return f.actionLock != 0 || f.crouchLock != 0;
}

bool guardPossible(int index, const personagem& o) {
    return ((o.attacking == 1 || o.specialAttacking == 1) && gs.fighterGap <= 3.2) ||
           opponentObjectNear(index, 4.0);
}

bool notLocked(const Request& r) {
    return !locked(r.f);
}
bool always(const Request&) {
    return true;
}
bool mayAttack(const Request& r) {
    return r.f.actionLock <= 3 && r.f.crouchLock == 0;
}
bool itemUse(const personagem& f) {
    const bool fromState = f.anim == "PARADO" || f.anim == "ANDAR-FRENTE" ||
                           f.anim == "ANDAR-TRAS" || f.anim == "AGACHAR" ||
                           f.anim == "DEFESA-ALTA" || f.anim == "DEFESA-BAIXA";
    return f.actionLock == 0 && f.airborne == 0 &&
           (fromState || (f.attacking == 1 && f.frame <= 3));
}

// The letter of an air attack in an air-combo route.
char airComboLetter(std::string_view name) {
    if (name == "SOCO-FRACO-AR") return 'A';
    if (name == "CHUTE-FRACO-AR") return 'B';
    if (name == "SOCO-FORTE-AR") return 'C';
    if (name == "CHUTE-FORTE-AR") return 'D';
    return '\0';
}

const Rule rules[] = {
    {{"AGARRAR-SOCO", "AGARRAR-CHUTE"},
     [](const Request& r) {
         return gs.fighterGap <= 0.5 && r.f.actionLock == 0 && r.f.crouchLock == 0 &&
                r.f.stunLock == 0 && r.o.intangible == 0 && r.o.posY <= 0.65;
     },
     {{"PARADO"},
      {"ANDAR-FRENTE"},
      {"ANDAR-TRAS"},
      {"DEFESA-ALTA"},
      {"DEFESA-BAIXA"},
      {"LEVANTAR", From::AtLeast, 12}}},
    {{"PARADO"},
     always,
     {{"ANDAR-TRAS"}, {"ANDAR-FRENTE"}, {"CORRIDA"}, {"AGACHAR"}, {"AUMENTAR-PODER"}}},
    {{"ANDAR-TRAS"},
     notLocked,
     {{"PARADO"}, {"ANDAR-FRENTE"}, {"CORRIDA"}, {"AUMENTAR-PODER"}, {"PROVOCAR", From::Above, 5}}},
    {{"ANDAR-FRENTE"},
     notLocked,
     {{"PARADO"}, {"ANDAR-TRAS"}, {"AUMENTAR-PODER"}, {"PROVOCAR", From::Above, 5}}},
    {{"RECUO"}, notLocked, {{"PARADO"}, {"ANDAR-FRENTE"}, {"ANDAR-TRAS"}, {"CORRIDA"}}},
    {{"CORRIDA"}, notLocked, {{"PARADO"}, {"ANDAR-FRENTE"}, {"ANDAR-TRAS"}}},
    {{"AUMENTAR-PODER"},
     [](const Request& r) { return !locked(r.f) && r.f.stocks < 3; },
     {{"PARADO"}, {"ANDAR-FRENTE"}, {"ANDAR-TRAS"}}},
    {{"AGACHAR"}, notLocked, {{"PARADO"}, {"ANDAR-FRENTE"}, {"ANDAR-TRAS"}}},
    {{"PULAR", "PULAR-TRAS", "PULAR-FRENTE", "PULAR-FRENTE-RAPIDO", "PULAR-TRAS-RAPIDO"},
     notLocked,
     {{"PARADO"}, {"ANDAR-FRENTE"}, {"ANDAR-TRAS"}, {"RECUO"}, {"CORRIDA"}, {"DEFESA-ALTA"}}},
    {{"DEFESA-ALTA", "DEFESA-BAIXA"},
     [](const Request& r) { return r.f.crouchLock == 0 && guardPossible(r.index, r.o); },
     {{"PARADO"},
      {"AGACHAR"},
      {"ANDAR-FRENTE"},
      {"ANDAR-TRAS"},
      {"DEFESA-ALTA"},
      {"DEFESA-BAIXA"},
      {"AUMENTAR-PODER"},
      {"LEVANTAR", From::AtLeast, 13}}},
    {{"DEFESA-AEREA"},
     [](const Request& r) { return guardPossible(r.index, r.o); },
     {{"PULAR"}, {"DEFESA-AEREA"}}},
    {{"ROLAR-TRAS"},
     notLocked,
     {{"PARADO"},
      {"ANDAR-FRENTE"},
      {"ANDAR-TRAS"},
      {"RECUO"},
      {"DEFESA-ALTA"},
      {"DEITADO", From::AtLeast, 4},
      {"SOCO-FRACO", From::AtMost, 3},
      {"CHUTE-FRACO", From::AtMost, 3}}},
    {{"ROLAR-FRENTE"},
     notLocked,
     {{"PARADO"},
      {"ANDAR-FRENTE"},
      {"ANDAR-TRAS"},
      {"CORRIDA"},
      {"DEITADO", From::AtLeast, 4},
      {"SOCO-FRACO", From::AtMost, 3},
      {"CHUTE-FRACO", From::AtMost, 3}}},
    {{"SOCO-FRACO", "CHUTE-FRACO", "SOCO-FORTE"},
     mayAttack,
     {{"PARADO"}, {"ANDAR-FRENTE"}, {"ANDAR-TRAS"}, {"CORRIDA"}, {"DEFESA-ALTA"}}},
    // No strong kick out of a run.
    {{"CHUTE-FORTE"}, mayAttack, {{"PARADO"}, {"ANDAR-FRENTE"}, {"ANDAR-TRAS"}, {"DEFESA-ALTA"}}},
    {{"SOCO-FRACO-AGACHADO", "CHUTE-FRACO-AGACHADO", "SOCO-FORTE-AGACHADO", "CHUTE-FORTE-AGACHADO"},
     mayAttack,
     {{"AGACHAR"}, {"DEFESA-BAIXA"}}},
    {{"SOCO-FRACO-AR", "CHUTE-FRACO-AR", "SOCO-FORTE-AR", "CHUTE-FORTE-AR"},
     [](const Request& r) {
         const bool juggling = r.o.anim == "SOFRE-COMBO-AEREO";
         const bool normal = r.f.actionLock == 0 &&
                             (r.f.anim == "PULAR" || r.f.anim == "DEFESA-AEREA") && !juggling;
         const bool airCombo = nextAirComboLetter(r.f) == airComboLetter(r.name) &&
                               r.f.anim == "PULAR" && r.f.posY > 1.0 && juggling;
         return normal || airCombo;
     },
     {}},
    {{"VOADORA"}, always, {{"CORRIDA"}}},
    {{"PROVOCAR", "VITORIA-1", "VITORIA-2", "DERROTA"},
     notLocked,
     {{"PARADO"}, {"ANDAR-TRAS"}, {"ANDAR-FRENTE"}, {"AGACHAR"}}},
    {{"DESMAIAR"}, [](const Request& r) { return r.f.posY == 0; }, {}},
    {{"GOLPE-COMBO-AEREO"},
     [](const Request& r) { return !locked(r.f) && r.f.airborne == 0; },
     {{"PARADO"},
      {"ANDAR-FRENTE"},
      {"ANDAR-TRAS"},
      {"DEFESA-ALTA"},
      {"DEFESA-BAIXA"},
      {"SOCO-FORTE", From::AtMost, 3},
      {"CHUTE-FORTE", From::AtMost, 3}}},
    {{"USAR-ITEM"}, [](const Request& r) { return itemUse(r.f) && r.f.posY == 0; }, {}},
    {{"JOGAR-ITEM"}, [](const Request& r) { return itemUse(r.f); }, {}},
};

struct Jump {
    std::string_view name;
    f64 velX;
};
constexpr Jump jumps[] = {{"PULAR", 0},
                          {"PULAR-TRAS", -0.23},
                          {"PULAR-FRENTE", 0.23},
                          {"PULAR-TRAS-RAPIDO", -0.3},
                          {"PULAR-FRENTE-RAPIDO", 0.3}};

constexpr std::string_view attacks[] = {"SOCO-FRACO",
                                        "CHUTE-FRACO",
                                        "SOCO-FORTE",
                                        "CHUTE-FORTE",
                                        "SOCO-FRACO-AGACHADO",
                                        "CHUTE-FRACO-AGACHADO",
                                        "SOCO-FORTE-AGACHADO",
                                        "CHUTE-FORTE-AGACHADO",
                                        "SOCO-FRACO-AR",
                                        "CHUTE-FRACO-AR",
                                        "SOCO-FORTE-AR",
                                        "CHUTE-FORTE-AR",
                                        "VOADORA",
                                        "GOLPE-COMBO-AEREO"};

const Rule* ruleFor(std::string_view name) {
    for (const Rule& r : rules)
        for (std::string_view n : r.requests)
            if (n == name) return &r;
    return nullptr;
}

bool allowed(const Rule& rule, const Request& r) {
    if (!rule.condition(r)) return false;
    if (rule.from.size() == 0) return true;
    for (const From& from : rule.from)
        if (from.matches(r.f)) return true;
    return false;
}

} // namespace

bool animationAllowed(int index, std::string_view name) {
    const Rule* rule = ruleFor(name);
    return rule && allowed(*rule, {index, gs.fighter(index), gs.opponent(index), name});
}

bool requestAnimation(int index, std::string_view name) {
    personagem& f = gs.fighter(index);
    const Rule* rule = ruleFor(name);
    if (!rule || !allowed(*rule, {index, f, gs.opponent(index), name})) return false;

    for (std::string_view a : attacks)
        if (a == name) gs.soundRequest = 7;
    if (name == "ROLAR-TRAS" || name == "ROLAR-FRENTE") {
        f.posY = 0;
        f.jumpVelY = 0;
        f.airborne = 0;
    }
    if (name == "AGARRAR-SOCO" || name == "AGARRAR-CHUTE") prepareThrowVictim(index);

    f.anim = name;
    f.frame = 0;
    f.queuedAnim = "";
    if (f.posY == 0) faceOpponent(index);
    if (name == "DEFESA-AEREA") f.rotX = 0;
    for (const Jump& j : jumps) {
        if (j.name != name) continue;
        f.jumpVelY = 0.85;
        f.jumpVelX = f.facing == "ESQ" ? -j.velX : j.velX;
        f.airborne = 1;
        gs.soundRequest = 8;
        f.anim = "PULAR";
    }
    characterAttackData(index);
    return true;
}
