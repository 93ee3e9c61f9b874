#include "app/match_recording.h"

#include <cstdio>

#include "app/replay_store.h"
#include "shell/game_state.h"

namespace {

bool startsMatch(const Name& scene) {
    return scene == "VS-APRESENTACAO" || scene == "BATALHA";
}

} // namespace

void MatchRecording::atTickBoundary(long long nextTick) {
    const Name scene = gs.sceneName;
    if (recorder_.active()) {
        const bool left = !(startsMatch(scene) || scene == "VS-VITORIA");
        const bool rematch = lastScene_ == "VS-VITORIA" && !(scene == "VS-VITORIA");
        if (left || rematch) store();
    }
    if (!recorder_.active() && startsMatch(scene)) {
        std::string error;
        const std::string spool = replaySpoolPath(error);
        if (spool.empty() || !recorder_.begin(nextTick, spool, error))
            std::fprintf(stderr, "torvel-arena: replay not kept: %s\n", error.c_str());
    }
    lastScene_ = scene;
}

void MatchRecording::afterTick(const TickInput& input) {
    if (recorder_.active()) recorder_.add(input);
}

void MatchRecording::end() {
    if (recorder_.active()) store();
}

void MatchRecording::store() {
    if (recorder_.tickCount() == 0) {
        recorder_.discard();
        return;
    }
    std::string error;
    lastStored_ = storeMatchReplay(recorder_, error);
    if (lastStored_.empty())
        std::fprintf(stderr, "torvel-arena: replay not kept: %s\n", error.c_str());
}
