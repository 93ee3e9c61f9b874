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
#include "shell/game_state.h"
#include "shell/state_dump.h"

namespace {

bool writeText(const std::string& path, const std::string& text) {
    std::ofstream f(path, std::ios::binary);
    f << text;
    return static_cast<bool>(f);
}

void printPercentiles(const char* name, const TickTimes& t) {
    std::printf("%s: p50 %lld  p95 %lld  p99 %lld  max %lld\n", name,
                static_cast<long long>(t.percentile(0.50)),
                static_cast<long long>(t.percentile(0.95)),
                static_cast<long long>(t.percentile(0.99)), static_cast<long long>(t.max()));
}

bool inBattle() {
    return gs.sceneName == "BATALHA";
}

} // namespace

RunOutputs::RunOutputs(const CommandLine& options) : options_(options) {
    realGfx().timeCalls(options.stats);
}

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

std::vector<std::uint8_t>* RunOutputs::captureFor(long long frame) {
    return shotAt(frame) ? &capture_ : nullptr;
}

void RunOutputs::afterScreen(long long frame) {
    if (counting_) writeShots(frame);
}

void RunOutputs::beforeTick() {
    battleAtStart_ = inBattle();
    gfx().takeCallNanos();
}

void RunOutputs::afterTick(long long tick, std::int64_t workMicros) {
    if (options_.stats) {
        workTimes_.add(workMicros);
        const std::int64_t draw = gfx().takeCallNanos() / 1000;
        if (battleAtStart_ && inBattle()) {
            const std::int64_t present = frameControl.lastPresentMicros;
            battle_.work.add(workMicros);
            battle_.draw.add(draw);
            battle_.present.add(present);
            battle_.simulation.add(std::max<std::int64_t>(workMicros - draw - present, 0));
        }
    }
    if (!counting_) return;
    writeShots(tick);
    for (const TickFile& d : options_.dumps) {
        if (d.tick == tick && !writeText(d.path, stateDumpJson(tick))) {
            std::fprintf(stderr, "torvel-arena: cannot write %s\n", d.path.c_str());
            status_ = 1;
        }
    }
}

void RunOutputs::printStats() const {
    std::printf("ticks %llu\n", static_cast<unsigned long long>(workTimes_.count()));
    printPercentiles("work per tick (us)", workTimes_);
    if (battle_.work.count() > 0) {
        std::printf("battle ticks %llu\n", static_cast<unsigned long long>(battle_.work.count()));
        printPercentiles("battle work per tick (us)", battle_.work);
        printPercentiles("battle simulation per tick (us)", battle_.simulation);
        printPercentiles("battle draw submission per tick (us)", battle_.draw);
        printPercentiles("battle present per tick (us)", battle_.present);
    }
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
