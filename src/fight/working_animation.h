// The fighter update's working copy of the animation fields. The update plays the tick on
// these locals and writes them back to the record before the character's own update and
// at the end, so a change made inside the tick only shows once it is written back.
#pragma once

#include "shell/game_state.h"

struct WorkingAnimation {
    Name anim;
    Name queuedAnim;
    f64 frame = 0;
    f64 frameCount = 0;
    f64 blend = 0;

    static WorkingAnimation of(const personagem& f) {
        return {f.anim, f.queuedAnim, f.frame, f.frameCount, f.blend};
    }
    void storeIn(personagem& f) const {
        f.anim = anim;
        f.queuedAnim = queuedAnim;
        f.frame = frame;
        f.frameCount = frameCount;
        f.blend = blend;
    }
};
