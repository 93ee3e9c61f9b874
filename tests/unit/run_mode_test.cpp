// The run mode and the one loop: whatever runs ticks another way for a while puts back
// the whole run mode it found, and modes that follow one another in the loop each play
// under their own and share one script.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/replay_run.h"
#include "app/resimulation.h"
#include "app/run_outputs.h"
#include "app/tick_loop.h"
#include "assets/config_file.h"
#include "platform/game_folders.h"
#include "scratch_dir.h"
#include "shell/input_script.h"
#include "shell/run_mode.h"

namespace {

bool same(const RunMode& a, const RunMode& b) {
    return a.presenting == b.presenting && a.silent == b.silent && a.pace == b.pace &&
           a.capture == b.capture && a.traceMuted == b.traceMuted &&
           a.settingsHeld == b.settingsHeld;
}

} // namespace

TEST(RunMode, EveryScopePutsBackTheWholeModeItFound) {
    std::vector<std::uint8_t> picture;
    RunMode shown;
    shown.capture = &picture;
    RunMode frozen = shown;
    frozen.silent = frozen.traceMuted = frozen.settingsHeld = true;
    RunMode fastForward = shown;
    fastForward.presenting = fastForward.pace = false;
    const RunMode cases[] = {shown, frozen, fastForward, RunMode::unseen()};

    const RunMode before = runMode;
    for (const RunMode& outer : cases) {
        const RunModeScope a(outer);
        for (const RunMode& inner : cases) {
            {
                const RunModeScope b(inner);
                EXPECT_TRUE(same(runMode, inner));
            }
            EXPECT_TRUE(same(runMode, outer));
        }
    }
    EXPECT_TRUE(same(runMode, before));
}

// Ticks re-simulated while a replay plays (run ahead, rolled back) must leave the replay's
// hold on the player's settings in place: a save asked for afterwards writes nothing.
TEST(RunMode, TicksRunAgainInsideAReplayLeaveTheSettingsHeld) {
    const ScratchDir dir("run-mode-settings");
    const GameFolders kept = gameFolders();
    useGameFolders({".", dir.path().string(), false});

    ReplayReader reader;
    CommandLine options;
    options.headless = true;
    const ReplayMode replay(reader, options);
    {
        const RunModeScope watching(replay.runModeFrom(runMode));
        {
            const Resimulation ahead;
            EXPECT_TRUE(saveConfig());
        }
        EXPECT_TRUE(runMode.settingsHeld);
        EXPECT_TRUE(saveConfig()) << "a held save counts as done";
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Config.dat"))
        << "watching a replay wrote the player's settings";
    EXPECT_FALSE(runMode.settingsHeld);
    useGameFolders(kept);
}

namespace {

// A mode that plays `ticks` frames under its own run mode, noting what it was handed.
struct NotingMode : PlayMode {
    RunMode own;
    int ticks = 0, played = 0;
    long long firstTick = 1;
    PlayMode* after = nullptr;
    std::vector<std::string> seen;
    std::vector<RunMode> modes;

    RunMode runModeFrom(const RunMode&) const override { return own; }
    bool over() const override { return played >= ticks; }
    void key(std::uint8_t vk, bool down) override {
        seen.push_back(std::to_string(firstTick + played) + (down ? " down " : " up ") +
                       std::to_string(vk));
    }
    void devicesChanged() override { seen.push_back("devices"); }
    void closed() override { played = ticks; }
    FrameEnd frame(TickLoop& loop) override {
        loop.deliverScript(*this, firstTick + played);
        modes.push_back(runMode);
        ++played;
        return {};
    }
    PlayMode* next() override { return after; }
};

} // namespace

TEST(TickLoop, ModesFollowOneAnotherEachUnderItsOwnRunModeAndShareTheScript) {
    InputScript script;
    std::string error;
    ASSERT_TRUE(
        parseInputScript("1 down Z\n2 up Z\n2 down C\n3 tap X\n5 up C\n", "s", script, error))
        << error;
    CommandLine options;
    RunOutputs outputs(options);
    TickLoop loop(script, true, outputs);

    NotingMode first, second;
    first.ticks = 3;
    first.own.pace = false;
    first.after = &second;
    // The second counts its own ticks from 1 again, as an online session does.
    second.ticks = 6;
    second.own = RunMode::unseen();
    const RunMode before = runMode;
    loop.run(first);

    EXPECT_TRUE(same(runMode, before));
    for (const RunMode& m : first.modes) EXPECT_TRUE(same(m, first.own));
    for (const RunMode& m : second.modes) EXPECT_TRUE(same(m, second.own));
    EXPECT_EQ(first.seen,
              (std::vector<std::string>{"1 down 90", "2 up 90", "2 down 67", "3 down 88"}));
    // What the first did not reach goes to the second, each event once, in the script's
    // order, at the second's own count.
    EXPECT_EQ(second.seen, (std::vector<std::string>{"4 up 88", "5 up 67"}));
}
