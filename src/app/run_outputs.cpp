#include "app/run_outputs.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "app/frame.h"
#include "app/startup.h"
#include "platform/clock.h"
#include "platform/gfx.h"
#include "platform/png_writer.h"
#include "platform/window.h"
#include "shell/state_dump.h"

namespace {

bool writeText(const std::string& path, const std::string& text) {
    std::ofstream f(path, std::ios::binary);
    f << text;
    return static_cast<bool>(f);
}

} // namespace

bool RunOutputs::shotAt(long long tick) const {
    if (!counting_) return false;
    for (std::size_t i = 0; i < options_.shots.size(); ++i)
        if (options_.shots[i].tick == tick && !shotTaken_[i]) return true;
    return false;
}

void RunOutputs::writeShots(long long tick) {
    std::string error;
    for (std::size_t i = 0; i < options_.shots.size(); ++i) {
        const TickFile& s = options_.shots[i];
        if (s.tick != tick || shotTaken_[i]) continue;
        shotTaken_[i] = true;
        if (!writePng(s.path, frameControl.captureWidth, frameControl.captureHeight, capture_,
                      error)) {
            std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
            status_ = 1;
        }
    }
}

void RunOutputs::afterScreen(long long frame) {
    if (counting_) writeShots(frame);
    frameControl.capture = nullptr;
}

void RunOutputs::beforeTick(long long tick) {
    frameControl.capture = shotAt(tick) ? &capture_ : nullptr;
}

void RunOutputs::afterTick(long long tick, std::int64_t workMicros) {
    if (options_.stats) workTimes_.add(workMicros);
    if (!counting_) return;
    writeShots(tick);
    for (const TickFile& d : options_.dumps) {
        if (d.tick == tick && !writeText(d.path, stateDumpJson(tick))) {
            std::fprintf(stderr, "torvel-arena: cannot write %s\n", d.path.c_str());
            status_ = 1;
        }
    }
    frameControl.capture = nullptr;
}

void RunOutputs::printStats() const {
    std::printf("ticks %llu\n", static_cast<unsigned long long>(workTimes_.count()));
    std::printf("work per tick (us): p50 %lld  p95 %lld  p99 %lld  max %lld\n",
                static_cast<long long>(workTimes_.percentile(0.50)),
                static_cast<long long>(workTimes_.percentile(0.95)),
                static_cast<long long>(workTimes_.percentile(0.99)),
                static_cast<long long>(workTimes_.max()));
    std::printf("peak memory (KiB): %lld\n", static_cast<long long>(peakMemoryKiB()));
    const Gfx::Held held = gfx().held();
    std::printf("held by the display: textures %d  display lists %d\n", held.textures, held.lists);
    if (lastLoadingMicros > 0)
        std::printf("display set-up and loading (ms): %lld\n",
                    static_cast<long long>(lastLoadingMicros / 1000));
    if (!windowIsHeadless()) {
        int w = 0, h = 0;
        windowAreaSize(w, h);
        std::printf("display: window %dx%d%s, picture %dx%d\n", w, h,
                    windowIsFullscreen() ? " full screen" : "", windowWidth(), windowHeight());
    }
    for (const std::string& line : statsLines_) std::printf("%s\n", line.c_str());
}
