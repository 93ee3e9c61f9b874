#include "fight/command_attacks.h"

#include "fight/animation.h"

namespace {

// Buttons 1..4: weak punch, weak kick, strong punch, strong kick.
constexpr std::string_view standing[] = {"", "SOCO-FRACO", "CHUTE-FRACO", "SOCO-FORTE",
                                         "CHUTE-FORTE"};
constexpr std::string_view crouching[] = {"", "SOCO-FRACO-AGACHADO", "CHUTE-FRACO-AGACHADO",
                                          "SOCO-FORTE-AGACHADO", "CHUTE-FORTE-AGACHADO"};
constexpr std::string_view inTheAir[] = {"", "SOCO-FRACO-AR", "CHUTE-FRACO-AR", "SOCO-FORTE-AR",
                                         "CHUTE-FORTE-AR"};

// The attack a button press queues while the current one leaves a chain window open:
// weak punch, then weak kick, then strong punch; either weak blow into the strong kick.
struct Chain {
    std::string_view from;
    int button;
    std::string_view next;
};
constexpr Chain chains[] = {
    {"SOCO-FRACO", 2, "CHUTE-FRACO"},
    {"SOCO-FRACO", 3, "SOCO-FORTE"},
    {"SOCO-FRACO", 4, "CHUTE-FORTE"},
    {"CHUTE-FRACO", 3, "SOCO-FORTE"},
    {"CHUTE-FRACO", 4, "CHUTE-FORTE"},
    {"SOCO-FRACO-AGACHADO", 2, "CHUTE-FRACO-AGACHADO"},
    {"SOCO-FRACO-AGACHADO", 3, "SOCO-FORTE-AGACHADO"},
    {"SOCO-FRACO-AGACHADO", 4, "CHUTE-FORTE-AGACHADO"},
    {"CHUTE-FRACO-AGACHADO", 3, "SOCO-FORTE-AGACHADO"},
    {"CHUTE-FRACO-AGACHADO", 4, "CHUTE-FORTE-AGACHADO"},
};

const Chain* chainFor(const personagem& f, int button) {
    for (const Chain& c : chains)
        if (c.button == button && f.anim == c.from) return &c;
    return nullptr;
}

// The air-combo route names the buttons by letters A..D.
char routeLetter(int button) {
    return static_cast<char>('A' + button - 1);
}

} // namespace

void groundAttacks(int index, const Controls& c) {
    personagem& f = gs.fighter(index);
    for (int b = 1; b <= 4; ++b) {
        if (!c.pressed(b)) continue;
        if (f.chainWindow > 0 && f.queuedAnim.empty()) {
            if (const Chain* chain = chainFor(f, b)) {
                f.queuedAnim = chain->next;
                continue;
            }
        }
        requestAnimation(index, standing[b]);
        requestAnimation(index, crouching[b]);
    }
}

// In an air combo the route decides: the right button queues its attack, a wrong one lets
// the opponent drop out of the combo.
void airAttacks(int index, const Controls& c) {
    personagem& f = gs.fighter(index);
    personagem& o = gs.opponent(index);
    for (int b = 1; b <= 4; ++b) {
        if (!c.pressed(b)) continue;
        requestAnimation(index, inTheAir[b]);
        if (!(o.anim == "SOFRE-COMBO-AEREO") || f.posY <= 0.5) continue;
        if (nextAirComboLetter(f) == routeLetter(b))
            f.queuedAnim = inTheAir[b];
        else
            o.intangible = 1;
    }
}
