// Special and super moves: each character's start rules, and the acceptance both share.
#pragma once

#include <span>
#include <string_view>

#include "fight/characters/attack_table.h"

// Each character's start routine: starts the named move when its rules allow it.
void torvelSpecial(int index, std::string_view name);
void brandolimSpecial(int index, std::string_view name);

// True for the supers ("SUPER-..."), which spend stocks; not for their follow-ups.
bool isSuperMove(std::string_view name);
// Starts a special or super whose own rules have allowed it. A super needs a stock for
// "-FRACO" and two for "-FORTE" (false, nothing started, when they are missing), marks them
// to be spent and starts the super flash. Then the animation starts at frame 0 with nothing
// queued, the fighter turns to face the opponent, and the move's windows (rows naming other
// animations are ignored) replace all 30.
bool startSpecial(int index, std::string_view name, std::span<const AttackRow> windows);
