#include "app/replay_recorder.h"

#include <filesystem>

#include "app/build_identity.h"
#include "shell/state_dump.h"

bool ReplayRecorder::begin(long long firstTick, const std::string& path, std::string& error) {
    discard();
    Replay head;
    head.gameVersion = thisGameVersion();
    head.contentHash = thisGameContentHash();
    head.firstTick = firstTick;
    head.start = std::make_unique<SavedState>();
    saveState(*head.start);
    const GameState& g = head.start->game;
    fighters_ = {g.fighters[1].character, g.fighters[2].character};
    arena_ = g.arena;
    path_ = path;
    return file_.open(path, head, error);
}

void ReplayRecorder::add(const TickInput& input) {
    add(input, [] { return std::optional<std::uint64_t>(stateHash()); });
}

void ReplayRecorder::add(const TickInput& input,
                         const std::function<std::optional<std::uint64_t>()>& hashAfter) {
    if (!active()) return;
    if (last_) file_.add(*last_, lastHash_ ? &*lastHash_ : nullptr);
    last_ = input;
    lastHash_.reset();
    if (tickCount() % replayHashInterval == 0) lastHash_ = hashAfter();
}

bool ReplayRecorder::finish(const std::string& path, std::string& error) {
    return finish(stateHash(), path, error);
}

bool ReplayRecorder::finish(std::optional<std::uint64_t> hashAfterLast, const std::string& path,
                            std::string& error) {
    if (lastHash_) hashAfterLast = lastHash_;
    if (last_) file_.add(*last_, hashAfterLast ? &*hashAfterLast : nullptr);
    last_.reset();
    lastHash_.reset();
    if (!file_.close(error)) return false;
    std::error_code ec;
    if (!path.empty() && path != path_) std::filesystem::rename(path_, path, ec);
    if (ec) {
        std::filesystem::remove(path_, ec);
        error = "cannot write " + path;
        return false;
    }
    return true;
}

void ReplayRecorder::discard() {
    file_.discard();
    last_.reset();
    lastHash_.reset();
}
