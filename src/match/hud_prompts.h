// The button prompts: shaking off dizziness, and the attacker's air-combo route (which
// also aims the camera at the juggle).
#pragma once

#include "match/hud_draw.h"

void hudDizzyPrompt(const HudSide& side);
void hudAirComboPrompt(const HudSide& side);
