// Wall-clock time, used only for frame pacing, seeding and profiling; never by game rules.
#pragma once

#include <cstdint>

// Milliseconds since the epoch, local wall clock.
std::int64_t wallClockMs();
// A monotonic microsecond count for measuring work time.
std::int64_t monotonicMicros();
// Wait until wallClockMs() >= endMs: sleep to about 2 ms before, then spin.
void waitUntilWallClockMs(std::int64_t endMs);
// The most memory the process has held at once (resident set), in KiB (--stats).
std::int64_t peakMemoryKiB();
