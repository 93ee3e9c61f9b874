// "Config.dat": the player's settings and the first key of the main keyboard bindings,
// 42 lines ended by CR LF.
#pragma once

#include <string>

// The file's bytes for the current settings.
std::string configText();
// Writes "Config.dat" in the settings folder (platform/game_folders.h), made when missing,
// through a temporary file and a rename, so a crash never leaves half a file. False if it
// could not be written. Under a run mode that holds the settings (replays, re-simulated
// ticks) nothing is written and the save counts as done.
bool saveConfig();
// Reads "Config.dat" back when present and well formed (42 lines of numbers and keys);
// otherwise nothing changes. Numbers are clamped to the ranges the menus allow.
bool loadConfig();
// Applies a configuration text when it is well formed.
bool applyConfigText(const std::string& text);
