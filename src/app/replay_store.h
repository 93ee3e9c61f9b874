// Where the matches played in a window are kept: $XDG_DATA_HOME/torvel-arena/replays/
// (or ~/.local/share/...), named by date, time, fighters and arena; the newest 100 stay.
#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>

#include "app/replay_recorder.h"

constexpr std::size_t replaysKept = 100;

// Empty when neither XDG_DATA_HOME nor HOME is set.
std::string replayFolder();
// "2026-12-10_17-05-09_TORVEL-VS-SEU-BRANDOLIM_CASA-DO-SEU-BRANDOLIM.tvr"
std::string replayFileName(std::tm when, int fighter1, int fighter2, int arena);
// Where a match's replay is written while it is played: "recording-PID.part" in the
// folder, made when missing. Empty with error.
std::string replaySpoolPath(std::string& error);
// Ends the recording of the match that just ended and moves it into the folder under the
// date, time, fighters and arena, then removes the oldest replays beyond the newest
// `replaysKept`. The stored path, or empty with error (the recording is then dropped).
// The last tick is followed by the state now.
std::string storeMatchReplay(ReplayRecorder& recording, std::string& error);
// The same, the last tick's after-state hashed as `hashAfterLast`, or stored without a
// hash when there is none.
std::string storeMatchReplay(ReplayRecorder& recording, std::string& error,
                             std::optional<std::uint64_t> hashAfterLast);
// Removes the oldest replays (by the date and time their names start with, then by when
// they were written) so that at most `keep` are left. Other files are left alone.
void pruneReplays(const std::string& folder, std::size_t keep);
