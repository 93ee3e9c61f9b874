#include "app/replay_run.h"

#include <cstdio>

#include "app/frame.h"
#include "app/replay_reader.h"
#include "app/startup.h"
#include "app/tick_loop.h"
#include "assets/arena_assets.h"
#include "platform/keys.h"
#include "shell/game_state.h"
#include "shell/scene_change.h"
#include "shell/state_dump.h"

namespace {

// What the replay's start state stands on outside the state: the display set up and
// loaded when the recorded run had done it, and the arenas it had loaded.
void prepareFor(const SavedState& start) {
    RunMode quiet = runMode;
    quiet.traceMuted = true;
    const RunModeScope loading(quiet);
    formCreate(1);
    const GameState& g = start.game;
    const u8 size = g.resolutionChoice;
    if (size >= 1 && size <= 4) setUpDisplay(size, true);
    for (u8 arena = 1; arena <= 2; ++arena)
        if (g.arenaModelsLoaded[arena] == 1) loadArenaAssets(arena);
    loadState(start);
}

} // namespace

ReplayPlayer::ReplayPlayer(ReplayReader& reader)
    : reader_(&reader), count_(reader.tickCount()), firstTick_(reader.head().firstTick) {
    prepareFor(*reader.head().start);
}

bool ReplayPlayer::step() {
    ++next_;
    TickInput input;
    std::optional<std::uint64_t> hash;
    if (!reader_->next(input, hash)) return false;
    advanceReplayedTick(input);
    return !hash || *hash == stateHash();
}

std::unique_ptr<ReplayReader> openReplay(const CommandLine& options) {
    auto replay = std::make_unique<ReplayReader>();
    std::string error;
    if (!replay->open(options.replayPath, error) || !replayFitsThisGame(replay->head(), error)) {
        std::printf("replay %s: %s\n", options.replayPath.c_str(), error.c_str());
        return nullptr;
    }
    return replay;
}

ReplayMode::ReplayMode(ReplayReader& reader, const CommandLine& options)
    : reader_(reader), options_(options), windowed_(!options.headless) {}

// Watching a match never changes the player's settings.
RunMode ReplayMode::runModeFrom(const RunMode& base) const {
    RunMode m = base;
    m.settingsHeld = true;
    return m;
}

void ReplayMode::enter(TickLoop&) {
    setTraceTick(reader_.head().firstTick);
    player_ = std::make_unique<ReplayPlayer>(reader_);
    traceSceneIfChanged();
    if (windowed_ && gs.musicStartRequest == 0) startCurrentMusic();
}

bool ReplayMode::stopped() const {
    return desync_ || player_->done() || (options_.ticks && player_->nextTick() > *options_.ticks);
}

// In a window the last frame stays until the viewer leaves, unless --ticks ends the run.
bool ReplayMode::over() const {
    return leave_ || (stopped() && (!windowed_ || options_.ticks));
}

void ReplayMode::key(std::uint8_t vk, bool down) {
    if (!down) return;
    if (vk == vk::Escape) leave_ = true;
    if (vk == vk::Pause) paused_ = !paused_;
    if (vk == vk::Space) {
        paused_ = true;
        ++steps_;
    }
    if (vk == vk::Digit0 + 4) fast_ = !fast_;
}

FrameEnd ReplayMode::frame(TickLoop& loop) {
    if (leave_) return {};
    if (stopped() || (paused_ && steps_ == 0)) return {loopNowMs() + 10};
    if (steps_ > 0) --steps_;
    const long long tick = player_->nextTick();
    // At four times the speed, three ticks in four run ahead unseen.
    const bool unseen =
        windowed_ && fast_ && !paused_ && tick % 4 != 0 && !loop.outputs().shotAt(tick);
    RunMode ahead = runMode;
    if (unseen) ahead.presenting = ahead.pace = false;
    const RunModeScope scope(ahead);
    const bool musicAsked = gs.musicStartRequest == 1;
    bool inStep = true;
    loop.runTick(tick, [&] {
        inStep = player_->step();
        if (unseen && musicAsked && gs.musicStartRequest == 0) startCurrentMusic();
        return true;
    });
    ++played_;
    if (!inStep) {
        std::printf("replay desync at tick %lld\n", tick);
        std::fflush(stdout);
        status_ = 1;
        desync_ = ended_ = true;
    } else if (stopped()) {
        endPlaying();
    }
    return {};
}

void ReplayMode::endPlaying() {
    if (ended_) return;
    ended_ = true;
    std::printf("replay ok %lld ticks\n", played_);
    std::fflush(stdout);
}

void ReplayMode::leave(TickLoop&) {
    endPlaying();
}
