// Program start: the initial state, the start-up choices, and the display set-up with
// the loading of everything the game needs before the first scene of play.
#pragma once

#include <cstdint>
#include <optional>

#include "shell/plain_data.h"

// The game's version, shown on the title screen and written into replays.
inline constexpr const char* gameVersion = "2.2";

// Runs once when the window is created. Without a seed the generator is seeded from
// the clock.
void formCreate(std::optional<u32> seed);
// The fixed OpenGL state, once the game's context is current.
void GLInit();
// The start-up choices of the key handler; returns true when the key was consumed.
bool startupChoice(u8 key);
// Display set-up and loading for resolution choice 1..4; the game then opens on the
// versus presentation (after the start-up choices) or on the title screen (--title).
void setUpDisplay(u8 resolution, bool title = false);
// --title: no start-up choices; the display is set up at once and the title opens.
void startOnTitle(u8 resolution);
// How long the last display set-up took, loading included, in microseconds (--stats).
extern std::int64_t lastLoadingMicros;
