// An online recording: a tick whose after-state hash is not at hand is stored without a
// hash, never with a made-up one, and the replay plays through to its end.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "app/net_packets.h"
#include "app/replay_reader.h"
#include "app/replay_recorder.h"
#include "app/replay_run.h"
#include "battle_support.h"
#include "shell/run_mode.h"
#include "shell/state_dump.h"

TEST(ReplayRecorder, ATickWhoseHashIsNotAtHandIsStoredWithoutOne) {
    freshBattle(3);
    runMode.pace = false;
    gs.resolutionChoice = 0;
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("torvel-unit-" + std::to_string(::getpid()) + "-unhashed.tvr"))
                                 .string();
    ReplayRecorder recorder;
    std::string error;
    ASSERT_TRUE(recorder.begin(1, path, error)) << error;
    // A hash is asked for after the 40th, 80th and 120th ticks; the 80th's is out of reach,
    // and so is the last one.
    for (int t = 0; t < 130; ++t) {
        InputSnapshot p1;
        p1.right = t % 40 < 25;
        p1.buttons[1] = t % 9 == 0;
        TickInput in;
        in.session = true;
        in.words = {packInput(p1), 0};
        ASSERT_TRUE(advanceReplayedTick(in));
        const std::uint64_t hash = stateHash();
        recorder.add(in, [&]() -> std::optional<std::uint64_t> {
            if (t == 79) return std::nullopt;
            return hash;
        });
    }
    ASSERT_TRUE(recorder.finish(std::nullopt, path, error)) << error;

    Replay replay;
    ASSERT_TRUE(readReplayFile(path, replay, error)) << error;
    ASSERT_EQ(replay.ticks.size(), 130u);
    ASSERT_EQ(replay.hashes.size(), 2u);
    EXPECT_EQ(replay.hashes[0].index, 39u);
    EXPECT_EQ(replay.hashes[1].index, 119u);
    ReplayReader reader;
    ASSERT_TRUE(reader.open(path, error)) << error;
    ReplayPlayer player(reader);
    while (!player.done()) ASSERT_TRUE(player.step()) << player.nextTick();
    std::filesystem::remove(path);
}
