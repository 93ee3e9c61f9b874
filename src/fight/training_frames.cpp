#include "fight/training_frames.h"

#include <algorithm>

#include "fight/animation.h"
#include "fight/training_rules.h"
#include "shell/game_state.h"

namespace {

constexpr int playerIndex = 1;
// A move whose figures are not all in by then is left as it stands.
constexpr i32 longestMeasure = 600;

bool attacking(const personagem& f) {
    return f.attacking == 1 || f.specialAttacking == 1;
}

// Keeps the frames of every window the move defines, live now or later.
void noteWindows(TrainingMove& m, const personagem& p) {
    for (const Acertos& a : p.hits) {
        if (!(a.damage > 0)) continue;
        const std::array<f64, 2> w = {a.firstFrame, a.lastFrame};
        const auto known = m.windows.begin() + m.windowCount;
        if (std::find(m.windows.begin(), known, w) != known || m.windowCount == m.windows.size())
            continue;
        m.windows[m.windowCount++] = w;
    }
}

// The move's own animation in one of its windows' frames.
bool inWindow(const TrainingMove& m, const personagem& p) {
    if (p.attacking != 1 || !(p.anim == m.anim)) return false;
    const auto known = m.windows.begin() + std::min<std::size_t>(m.windowCount, m.windows.size());
    return std::any_of(m.windows.begin(), known, [&](const std::array<f64, 2>& w) {
        return w[0] <= p.frame && p.frame <= w[1];
    });
}

// Whether fighter `index` could start a blow this tick: a weak punch, standing, crouching
// or in the air, would be accepted.
bool fighterCanAct(int index) {
    for (const char* blow : {"SOCO-FRACO", "SOCO-FRACO-AGACHADO", "SOCO-FRACO-AR"})
        if (animationAllowed(index, blow)) return true;
    return false;
}

u8 harmfulObjectsOf(int owner) {
    const auto n = std::count_if(gs.objectPool.begin(), gs.objectPool.end(), [&](const objeto& o) {
        return o.kind != 0 && o.harmful == 1 && o.owner == owner;
    });
    return static_cast<u8>(std::min<long>(n, 255));
}

// A new move: player 1 attacks in another animation than the one measured, or the same
// one started again, or after not attacking.
bool moveStarted(const TrainingMove& m, const personagem& p) {
    if (!attacking(p)) return false;
    return m.wasAttacking == 0 || !(p.anim == m.anim) || p.frame < m.frameSeen;
}

void startMove(TrainingMove& m, const personagem& p) {
    const f64 comboDamage = m.comboDamage;
    const u8 comboHits = m.comboHits;
    m = {};
    m.anim = p.anim;
    m.comboDamage = comboDamage;
    m.comboHits = comboHits;
    m.phase = static_cast<u8>(MovePhase::measuring);
    m.objectsAtStart = harmfulObjectsOf(playerIndex);
}

void settleIfKnown(TrainingMove& m) {
    if (m.age >= longestMeasure) m.phase = static_cast<u8>(MovePhase::settled);
    if (m.playerFreeAt == 0 || m.dummyFreeAt == 0) return;
    const i32 advantage = m.dummyFreeAt - m.playerFreeAt;
    if (m.outcome == static_cast<u8>(MoveOutcome::hit)) m.onHit = advantage;
    if (m.outcome == static_cast<u8>(MoveOutcome::guarded)) m.onGuard = advantage;
    m.phase = static_cast<u8>(MovePhase::settled);
}

void measureTick(TrainingMove& m, const personagem& p) {
    m.age += 1;
    noteWindows(m, p);
    // A projectile counts as the move's active tick when it leaves the hand.
    const bool thrown = harmfulObjectsOf(playerIndex) > m.objectsAtStart && m.startup == 0;
    if (inWindow(m, p) || thrown) {
        if (m.startup == 0) m.startup = m.age;
        m.lastActive = m.age;
        m.active = m.lastActive - m.startup + 1;
    }
    if (m.playerFreeAt == 0 && fighterCanAct(playerIndex)) {
        m.playerFreeAt = m.age;
        m.recovery = m.age - (m.startup == 0 ? 1 : m.lastActive + 1);
    }
    if (m.outcome != static_cast<u8>(MoveOutcome::none) && m.dummyFreeAt == 0 &&
        fighterCanAct(dummyIndex))
        m.dummyFreeAt = m.age;
    settleIfKnown(m);
}

} // namespace

void measureTrainingMove() {
    if (!trainingBattle()) return;
    TrainingMove& m = gs.training.lastMove;
    const personagem& p = gs.fighter(playerIndex);
    if (gs.worldFrozen != 0 && p.movesWhileFrozen == 0) return;
    if (moveStarted(m, p)) startMove(m, p);
    if (m.phase == static_cast<u8>(MovePhase::measuring)) measureTick(m, p);
    m.wasAttacking = attacking(p) ? 1 : 0;
    m.frameSeen = p.frame;
}

void noteTrainingContact(int victim, bool guarded, double damage, double guardDamage) {
    if (!trainingBattle() || victim != dummyIndex) return;
    TrainingMove& m = gs.training.lastMove;
    if (m.phase == static_cast<u8>(MovePhase::idle)) return;
    m.outcome = static_cast<u8>(guarded ? MoveOutcome::guarded : MoveOutcome::hit);
    m.damage += damage;
    m.guardDamage += guardDamage;
    m.dummyFreeAt = 0;
    m.lastContact = m.age;
    m.phase = static_cast<u8>(MovePhase::measuring);
    if (!guarded) {
        const personagem& p = gs.fighter(playerIndex);
        m.comboDamage = p.comboDamage;
        m.comboHits = p.hitCount;
    }
}
