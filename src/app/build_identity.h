// Which build of the game this is, for what must only meet its own build: replays and
// online sessions. The version is the game's own; the content hash covers the data
// folders, the state's layout and the program itself, so a replay or a peer from another
// build is refused rather than played to a desync.
#pragma once

#include <cstdint>
#include <string>

std::string thisGameVersion();
// Worked out once, on the first call.
std::uint64_t thisGameContentHash();
// The same for the game run from `runDir` as `program` (a test speaking for the game).
std::uint64_t gameContentHash(const std::string& runDir, const std::string& program);
