#include "app/local_play.h"

#include <cstdio>

#include "app/online_run.h"
#include "app/tick_loop.h"
#include "platform/window.h"
#include "shell/game_state.h"

namespace {

bool reported(bool ok, const std::string& error) {
    if (!ok) std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
    return ok;
}

} // namespace

LocalPlay::LocalPlay(const CommandLine& options, OnlineMode* hosted)
    : options_(options), hosted_(hosted),
      keepMatches_(!options.headless && options.scriptPath.empty()) {
    std::string error;
    // Online, --record names the session's replay, which the session writes.
    if (!options.recordPath.empty() && !options.online())
        recorded_ = reported(recording_.begin(1, options.recordPath, error), error);
    if (options.synctest > 0) sync_ = std::make_unique<SyncTest>(options.synctest);
}

void LocalPlay::enter(TickLoop&) {
    // Back from the session: it is over.
    if (handedTo_) hosted_ = handedTo_ = nullptr;
}

bool LocalPlay::over() const {
    // Online, --ticks counts the session's ticks.
    const bool counted = options_.ticks && !options_.online();
    return stopped_ || handedTo_ || gs.quitRequested != 0 || (counted && tick_ > *options_.ticks);
}

void LocalPlay::key(std::uint8_t vk, bool down) {
    input_.keys.push_back({vk, static_cast<u8>(down ? 1 : 0)});
}

void LocalPlay::focusLost() {
    releaseHeldKeys(input_);
}

void LocalPlay::devicesChanged() {
    input_.devicesChanged = true;
}

void LocalPlay::closed() {
    gs.quitRequested = 1;
}

bool LocalPlay::advance() {
    return sync_ ? sync_->advance(input_, tick_) : advanceLiveTick(input_);
}

FrameEnd LocalPlay::frame(TickLoop& loop) {
    setTraceTick(tick_);
    loop.deliverScript(*this, tick_);
    if (over()) return {};
    // A session that ends before its start (a refusal) says so, then the host plays on
    // alone in a window.
    if (hosted_ && !hosted_->pollWhileHostAlone()) {
        handedTo_ = hosted_;
        return {};
    }
    if (!loop.scripted() && !windowHasFocus()) return {loopNowMs() + 10};
    if (keepMatches_) matches_.atTickBoundary(tick_);

    if (!loop.runTick(tick_, [this] { return advance(); }) || (sync_ && sync_->failed())) {
        stopped_ = true;
        return {};
    }
    afterTick();
    // The host's start-up reached the versus presentation: the session takes over.
    if (hosted_ && gs.sceneName == "VS-APRESENTACAO") {
        if (keepMatches_) matches_.end();
        hosted_->offerStart();
        handedTo_ = hosted_;
    }
    return {};
}

void LocalPlay::afterTick() {
    if (recording_.active()) recording_.add(input_);
    if (keepMatches_) matches_.afterTick(input_);
    input_ = TickInput{};
    ++tick_;
}

PlayMode* LocalPlay::next() {
    return handedTo_;
}

int LocalPlay::finish() {
    int status = 0;
    std::string error;
    if (recording_.active())
        recorded_ = reported(recording_.finish(options_.recordPath, error), error);
    if (!recorded_) status = 1;
    if (keepMatches_) matches_.end();
    if (sync_) {
        if (sync_->failed()) {
            std::fputs(sync_->report().c_str(), stdout);
            status = 1;
        } else {
            std::printf("synctest ok %lld ticks\n", sync_->ticksRun());
        }
    }
    return status;
}
