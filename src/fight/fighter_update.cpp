#include "fight/fighter_update.h"

#include "fight/animation.h"
#include "shell/game_state.h"

// Until the animation tables arrive, a fighter holds its idle key pose: pose 1 of its
// character's range (character 2's poses start 109 further on).
void updateFighter(int index) {
    const int idle = 1 + (gs.fighter(index).character == 2 ? 109 : 0);
    setKeyframe(index, idle, "INICIAL");
    setKeyframe(index, idle, "FINAL");
    blendKeyframes(index, 0);
}
