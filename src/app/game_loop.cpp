#include "app/game_loop.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/local_play.h"
#include "app/online_run.h"
#include "app/pose_sheet.h"
#include "app/replay_run.h"
#include "app/run_display.h"
#include "app/run_outputs.h"
#include "app/startup.h"
#include "app/tick_loop.h"
#include "shell/input_script.h"
#include "shell/scene_change.h"

namespace {

// Live play from the start-up screens or the title; online, the session takes over at
// the host's start, or at once for the joiner. The exit status: 2 when the session could
// not be opened, and nothing was played.
int playLive(TickLoop& loop, const CommandLine& options) {
    setTraceTick(1);
    formCreate(options.seed);
    // The joiner sets up its own display; the host's choices come with the start.
    const bool joining = !options.joinAddress.empty();
    if (options.title || joining) startOnTitle(options.displaySize);

    std::unique_ptr<OnlineMode> online;
    if (options.online()) {
        online = std::make_unique<OnlineMode>(options);
        std::string error;
        if (!online->open(error)) {
            std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
            return 2;
        }
    }
    LocalPlay local(options, joining ? nullptr : online.get());
    if (online) online->returnsTo(local);
    loop.run(joining ? static_cast<PlayMode&>(*online) : local);
    return std::max(local.finish(), online ? online->status() : 0);
}

int playReplay(TickLoop& loop, ReplayReader& replay, const CommandLine& options) {
    ReplayMode mode(replay, options);
    loop.run(mode);
    return mode.status();
}

} // namespace

int runGame(const CommandLine& options) {
    // A replay or a script that cannot be read ends the run before any window opens.
    std::unique_ptr<ReplayReader> replay;
    if (!options.replayPath.empty() && !(replay = openReplay(options))) return 2;
    InputScript script;
    const bool scripted = !replay && !options.scriptPath.empty();
    std::string error;
    if (scripted && !loadInputScript(options.scriptPath, script, error)) {
        std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
        return 2;
    }

    const RunDisplay display(options, scripted ? &script : nullptr, replay || options.headless);
    if (!display.opened()) return 1;
    const RunModeScope mode(startingRunMode(options));
    if (options.poseTool()) return writePoseTool(options);
    setTraceEnabled(options.trace);
    RunOutputs outputs(options);
    TickLoop loop(script, scripted, outputs);
    const int status = replay ? playReplay(loop, *replay, options) : playLive(loop, options);
    if (status == 2) return status;
    if (options.stats) outputs.printStats();
    return std::max(status, outputs.status());
}
