#include "platform/clock.h"

#include <chrono>
#include <thread>

#include <sys/resource.h>

std::int64_t wallClockMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::int64_t monotonicMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void waitUntilWallClockMs(std::int64_t endMs) {
    std::int64_t left = endMs - wallClockMs();
    if (left > 2) std::this_thread::sleep_for(std::chrono::milliseconds(left - 2));
    while (wallClockMs() < endMs) {
    }
}

std::int64_t peakMemoryKiB() {
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0) return 0;
    return usage.ru_maxrss;
}
