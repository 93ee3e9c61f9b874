#include "fight/animation.h"
#include "fight/characters/specials.h"
#include "shell/game_state.h"

// A super's follow-ups ("...-ACERTANDO-...") are paid for by the super that led to them.
bool isSuperMove(std::string_view name) {
    return name.starts_with("SUPER-") && name.find("-ACERTANDO") == std::string_view::npos;
}

bool startSpecial(int index, std::string_view name, std::span<const AttackRow> windows) {
    personagem& f = gs.fighter(index);
    if (isSuperMove(name)) {
        const u8 cost = name.ends_with("-FORTE") ? 2 : 1;
        if (f.stocks < cost) return false;
        f.stocksToSpend = cost;
        gs.effectTimers[3] = 13;
        gs.superOwner = static_cast<u8>(index);
        gs.soundRequest = 13;
    }
    f.anim = name;
    f.frame = 0;
    f.queuedAnim = "";
    faceOpponent(index);
    defineAttackRows(index, windows);
    return true;
}
