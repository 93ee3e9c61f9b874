// A fighter's combo counter, its two notices and its win streak.
#pragma once

#include "match/hud_draw.h"

void hudComboCounter(const HudSide& side);
void hudNotices(const HudSide& side);
void hudWinStreak(const HudSide& side);
