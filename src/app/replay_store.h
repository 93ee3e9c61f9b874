// Where the matches played in a window are kept: $XDG_DATA_HOME/torvel-arena/replays/
// (or ~/.local/share/...), named by date, time, fighters and arena; the newest 100 stay.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>

#include "app/replay_file.h"

constexpr std::size_t replaysKept = 100;

// Empty when neither XDG_DATA_HOME nor HOME is set.
std::string replayFolder();
// "2026-12-10_17-05-09_TORVEL-VS-SEU-BRANDOLIM_CASA-DO-SEU-BRANDOLIM.tvr"
std::string replayFileName(std::tm when, int fighter1, int fighter2, int arena);
// Writes the replay of the match that just ended into the folder, then removes the
// oldest replays beyond the newest `replaysKept`. The written path, or empty with error.
std::string storeMatchReplay(const Replay& replay, std::string& error);
// Removes the oldest replays (by the date and time their names start with, then by when
// they were written) so that at most `keep` are left. Other files are left alone.
void pruneReplays(const std::string& folder, std::size_t keep);
