// A fighter's items: the one in hand, the queue, the use prompt and the effect panel.
#pragma once

#include "match/hud_draw.h"

void hudItems(const HudSide& side);
