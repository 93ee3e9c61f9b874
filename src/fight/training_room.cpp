#include "fight/training_room.h"

#include "fight/fighter_setup.h"
#include "fight/objects.h"
#include "fight/training_dummy.h"
#include "fight/training_rules.h"
#include "shell/game_state.h"

namespace {

void refill(personagem& f) {
    f.life = 100;
    f.lifeTrail = 100;
    f.guard = 100;
    f.guardDelay = 0;
    f.dizzy = 0;
    f.dizzyDelay = 0;
}

// Where each place puts the dummy: from which x, and how far; player 1 stands 4 from it
// towards the middle.
struct Placement {
    f64 GameState::*from; // nullptr: the middle of the arena
    f64 dummyOffset;
};
constexpr Placement placements[] = {
    {nullptr, 2},
    {&GameState::arenaLimitX1, 1},
    {&GameState::arenaLimitX2, -1},
};

} // namespace

void trainingRoomStep() {
    if (!trainingBattle()) return;
    TrainingState& t = gs.training;
    for (int i = 1; i <= 2; ++i) {
        personagem& f = gs.fighter(i);
        keepTrainingLife(f);
        if (t.powerRefill == 1) f.stocks = 3;
    }
    personagem& dummy = gs.fighter(dummyIndex);
    if (!dummyAtRest(dummy))
        t.dummyRestTicks = 0;
    else if (gs.worldFrozen == 0 && t.dummyRestTicks < trainingRefillTicks)
        t.dummyRestTicks += 1;
    if (t.dummyRestTicks >= trainingRefillTicks) {
        refill(dummy);
        t.guardRaised = 0;
    }
}

void resetToKeptPlace() {
    resetTrainingPositions(static_cast<ResetPlace>(gs.training.resetPlace));
}

void resetTrainingPositions(ResetPlace place) {
    const std::size_t p = static_cast<std::size_t>(place);
    if (p >= std::size(placements)) return;
    const Placement& where = placements[p];
    const f64 middle = (gs.arenaLimitX1 + gs.arenaLimitX2) / 2;
    const f64 base = where.from ? gs.*where.from : middle;
    const f64 dummyX = base + where.dummyOffset;
    const f64 towardsMiddle = dummyX > middle ? -1 : 1;
    clearObjects();
    // The animation's clock starts over too, so that a reset is the same whatever came
    // before it: a recording then plays as it was made.
    for (int i = 1; i <= 2; ++i) {
        resetForRound(i);
        refill(gs.fighter(i));
        personagem& f = gs.fighter(i);
        f.frameCount = 0;
        f.blend = 0;
        f.hits = {};
    }
    gs.fighter(dummyIndex).posX = dummyX;
    gs.fighter(3 - dummyIndex).posX = dummyX + 4 * towardsMiddle;
    gs.hitStop = 0;
    gs.cameraHold = 0;
    gs.cameraX = (gs.fighter(1).posX + gs.fighter(2).posX) / 2;
    TrainingState& t = gs.training;
    t.resetPlace = static_cast<u8>(place);
    t.dummyRestTicks = 0;
    t.guardRaised = 0;
    t.threatSeen = 0;
}
