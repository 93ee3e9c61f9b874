#include "app/run_outputs.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "app/frame.h"
#include "app/startup.h"
#include "platform/clock.h"
#include "platform/png_writer.h"
#include "platform/window.h"
#include "shell/state_dump.h"

namespace {

bool writeText(const std::string& path, const std::string& text) {
    std::ofstream f(path, std::ios::binary);
    f << text;
    return static_cast<bool>(f);
}

long long percentile(std::vector<std::int64_t> v, double p) {
    if (v.empty()) return 0;
    std::size_t i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(i), v.end());
    return v[i];
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
    workTimes_.push_back(workMicros);
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
    std::printf("ticks %zu\n", workTimes_.size());
    std::printf(
        "work per tick (us): p50 %lld  p95 %lld  p99 %lld  max %lld\n",
        percentile(workTimes_, 0.50), percentile(workTimes_, 0.95), percentile(workTimes_, 0.99),
        workTimes_.empty()
            ? 0LL
            : static_cast<long long>(*std::max_element(workTimes_.begin(), workTimes_.end())));
    std::printf("peak memory (KiB): %lld\n", static_cast<long long>(peakMemoryKiB()));
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
