// The stretch of the fighter update that ends and chains animations and moves the body:
// end of animation, the queue, the slide, the air motion and the landing, in that order.
#pragma once

#include "fight/working_animation.h"

void endAnimation(int index, WorkingAnimation& w);
// `queuedAtStart` is the queued animation as the tick began.
void startQueuedAnimation(int index, WorkingAnimation& w, const Name& queuedAtStart);
void slide(int index, const WorkingAnimation& w);
void moveInAir(int index, const WorkingAnimation& w);
void land(int index, WorkingAnimation& w);
