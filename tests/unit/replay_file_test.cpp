// Replay files: what is written reads back the same; a file that is not a good replay is
// refused with what is wrong, in the same words from memory and from a file in chunks of
// any size, and never read past its end; an input changed in a good file is caught by the
// first stored hash after it.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <unistd.h>

#include "app/build_identity.h"
#include "app/frame.h"
#include "app/match_recording.h"
#include "app/net_packets.h"
#include "app/replay_reader.h"
#include "app/replay_recorder.h"
#include "app/replay_run.h"
#include "app/replay_store.h"
#include "app/replay_writer.h"
#include "app/tick_input.h"
#include "battle_support.h"
#include "platform/keys.h"
#include "scratch_dir.h"
#include "shell/run_mode.h"
#include "shell/state_dump.h"

namespace {

// Player 1 walks in and mashes punches; player 2 on joystick 1 steps back and kicks.
TickInput inputOfTick(int t) {
    TickInput in;
    if (t % 30 == 0) in.keys.push_back({vk::Right, 1});
    if (t % 30 == 12) in.keys.push_back({vk::Right, 0});
    if (t % 9 == 0) in.keys.push_back({'Z', 1});
    if (t % 9 == 2) in.keys.push_back({'Z', 0});
    if (t % 50 == 25) in.keys.push_back({'X', 1});
    if (t % 50 == 27) in.keys.push_back({'X', 0});
    return in;
}

// The reader's ticks, read one at a time, are the replay's ticks and hashes.
void expectTicks(ReplayReader& reader, const Replay& replay) {
    ASSERT_EQ(reader.tickCount(), replay.ticks.size());
    std::size_t nextHash = 0;
    TickInput in;
    std::optional<std::uint64_t> hash;
    for (std::size_t t = 0; t < replay.ticks.size(); ++t) {
        ASSERT_TRUE(reader.next(in, hash)) << t;
        const TickInput& want = replay.ticks[t];
        ASSERT_EQ(in.keys.size(), want.keys.size()) << t;
        for (std::size_t k = 0; k < in.keys.size(); ++k) {
            EXPECT_EQ(in.keys[k].vk, want.keys[k].vk) << t;
            EXPECT_EQ(in.keys[k].down, want.keys[k].down) << t;
        }
        for (std::size_t j = 0; j < 2; ++j) {
            EXPECT_EQ(in.joys[j].taken, want.joys[j].taken) << t;
            EXPECT_EQ(in.joys[j].info.x, want.joys[j].info.x) << t;
            EXPECT_EQ(in.joys[j].info.buttons, want.joys[j].info.buttons) << t;
        }
        EXPECT_EQ(in.session, want.session) << t;
        EXPECT_EQ(in.words, want.words) << t;
        const bool stored = nextHash < replay.hashes.size() && replay.hashes[nextHash].index == t;
        ASSERT_EQ(hash.has_value(), stored) << t;
        if (stored) {
            EXPECT_EQ(*hash, replay.hashes[nextHash++].hash) << t;
        }
    }
    EXPECT_FALSE(reader.next(in, hash)) << "past the last tick";
}

// A recording streamed into a scratch file as it plays, and the file read back.
struct RecordingToFile {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("torvel-unit-" + std::to_string(::getpid()) + "-recording.tvr"))
                                 .string();
    ReplayRecorder recorder;

    RecordingToFile() {
        std::string error;
        EXPECT_TRUE(recorder.begin(1, path, error)) << error;
    }
    Replay finish() {
        std::string error;
        Replay replay;
        EXPECT_TRUE(recorder.finish(path, error)) << error;
        EXPECT_TRUE(readReplayFile(path, replay, error)) << error;
        // Written a tick at a time, the file holds the very bytes the whole replay encodes
        // to.
        std::ifstream f(path, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)),
                                              std::istreambuf_iterator<char>());
        EXPECT_EQ(bytes, encodeReplay(replay));
        EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
        readTickByTick(replay);
        std::filesystem::remove(path);
        return replay;
    }
    // Read as a replay is played, a tick at a time, the file gives the same ticks and hashes.
    void readTickByTick(const Replay& replay) const {
        ReplayReader reader;
        std::string error;
        ASSERT_TRUE(reader.open(path, error)) << error;
        EXPECT_EQ(reader.head().firstTick, replay.firstTick);
        expectTicks(reader, replay);
    }
};

// A recorded stretch of battle between two players, 200 ticks.
Replay recordBattle(int ticks = 200) {
    freshBattle(3);
    runMode.pace = false;
    gs.resolutionChoice = 0; // nothing for a replay to set up
    joyVirtualPlug(0);
    RecordingToFile recording;
    ReplayRecorder& recorder = recording.recorder;
    for (int t = 0; t < ticks; ++t) {
        joyVirtualAxis(0, 'x', t % 40 < 20 ? 65535 : 32767);
        joyVirtualButton(0, 3, t % 13 == 0);
        TickInput in = inputOfTick(t);
        EXPECT_TRUE(advanceLiveTick(in));
        recorder.add(in);
    }
    return recording.finish();
}

// The replay played headless from its start, read from its bytes as --replay reads its
// file: 0 when every stored hash matched, else the tick of the first that did not.
long long firstDesync(const Replay& replay) {
    const std::vector<std::uint8_t> bytes = encodeReplay(replay);
    ReplayReader reader;
    std::string error;
    EXPECT_TRUE(reader.open(std::make_unique<MemorySource>(bytes.data(), bytes.size()), error))
        << error;
    ReplayPlayer player(reader);
    while (!player.done()) {
        const long long tick = player.nextTick();
        if (!player.step()) return tick;
    }
    return 0;
}

// Bytes written to a scratch file, removed with it.
struct ScratchFile {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("torvel-unit-" + std::to_string(::getpid()) + "-bytes.tvr"))
                                 .string();
    explicit ScratchFile(const std::vector<std::uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    ~ScratchFile() { std::filesystem::remove(path); }
};

// The message each way of reading refuses `bytes` with: whole from memory, from a file,
// and from memory and the file in pieces of a few bytes. All must say the same.
std::string refusal(const std::vector<std::uint8_t>& bytes, const char* what) {
    std::string first;
    Replay r;
    EXPECT_FALSE(decodeReplay(bytes.data(), bytes.size(), r, first)) << what;
    const ScratchFile file(bytes);
    std::string error;
    EXPECT_FALSE(readReplayFile(file.path, r, error)) << what;
    EXPECT_EQ(error, first) << what << ", from its file";
    for (std::size_t piece : {1, 3, 7}) {
        ReplayReader reader;
        EXPECT_FALSE(
            reader.open(std::make_unique<MemorySource>(bytes.data(), bytes.size(), piece), error));
        EXPECT_EQ(error, first) << what << ", from memory in pieces of " << piece;
        auto source = std::make_unique<FileSource>(piece);
        EXPECT_TRUE(source->open(file.path));
        EXPECT_FALSE(reader.open(std::move(source), error));
        EXPECT_EQ(error, first) << what << ", from its file in pieces of " << piece;
    }
    return first;
}

} // namespace

TEST(ReplayFile, ReadsBackWhatWasWrittenAndPlaysToTheSameHashes) {
    const Replay replay = recordBattle();
    const std::uint64_t endHash = stateHash();
    ASSERT_EQ(replay.ticks.size(), 200u);
    // Every 40th tick and the last.
    ASSERT_EQ(replay.hashes.size(), 5u);
    EXPECT_EQ(replay.hashes.back().index, 199u);

    const std::vector<std::uint8_t> bytes = encodeReplay(replay);
    Replay back;
    std::string error;
    ASSERT_TRUE(decodeReplay(bytes.data(), bytes.size(), back, error)) << error;
    EXPECT_EQ(back.firstTick, 1);
    EXPECT_TRUE(replayFitsThisGame(back, error)) << error;
    ASSERT_EQ(back.ticks.size(), replay.ticks.size());
    for (std::size_t t = 0; t < back.ticks.size(); ++t) {
        ASSERT_EQ(back.ticks[t].keys.size(), replay.ticks[t].keys.size()) << t;
        for (std::size_t j = 0; j < 2; ++j) {
            EXPECT_EQ(back.ticks[t].joys[j].taken, replay.ticks[t].joys[j].taken) << t;
            EXPECT_EQ(back.ticks[t].joys[j].info.x, replay.ticks[t].joys[j].info.x) << t;
            EXPECT_EQ(back.ticks[t].joys[j].info.buttons, replay.ticks[t].joys[j].info.buttons);
        }
    }
    // Compact: the start state packs to far less than its size, ticks to a few bytes.
    EXPECT_LT(bytes.size(), sizeof(SavedState) / 3);

    EXPECT_EQ(firstDesync(back), 0);
    EXPECT_EQ(stateHash(), endHash);
}

// Online ticks carry the two players' words instead of devices; they read back and play
// to the same hashes, and a version-1 file cannot hold them.
TEST(ReplayFile, OnlineTicksKeepTheirWordsAndPlayToTheSameHashes) {
    freshBattle(3);
    runMode.pace = false;
    gs.resolutionChoice = 0;
    RecordingToFile recording;
    ReplayRecorder& recorder = recording.recorder;
    for (int t = 0; t < 120; ++t) {
        InputSnapshot p1, p2;
        p1.right = t % 40 < 25;
        p1.buttons[1] = t % 9 == 0;
        p2.left = t % 30 < 10;
        p2.buttons[3] = t % 11 == 0;
        TickInput in;
        in.session = true;
        in.words = {packInput(p1), packInput(p2)};
        ASSERT_TRUE(advanceReplayedTick(in));
        recorder.add(in);
    }
    const std::uint64_t endHash = stateHash();
    const Replay replay = recording.finish();
    std::vector<std::uint8_t> bytes = encodeReplay(replay);
    Replay back;
    std::string error;
    ASSERT_TRUE(decodeReplay(bytes.data(), bytes.size(), back, error)) << error;
    ASSERT_EQ(back.ticks.size(), 120u);
    for (std::size_t t = 0; t < back.ticks.size(); ++t) {
        EXPECT_TRUE(back.ticks[t].session);
        EXPECT_EQ(back.ticks[t].words, replay.ticks[t].words) << t;
    }
    EXPECT_EQ(firstDesync(back), 0);
    EXPECT_EQ(stateHash(), endHash);

    bytes[8] = 1;
    sealReplay(bytes);
    EXPECT_FALSE(decodeReplay(bytes.data(), bytes.size(), back, error));
    EXPECT_NE(error.find("unknown flags"), std::string::npos) << error;
}

TEST(ReplayFile, AChangedInputIsCaughtAtTheFirstStoredHashAfterIt) {
    Replay replay = recordBattle();
    // One punch press of player 1 after tick 85 becomes a press of an unbound key.
    std::size_t changed = 0;
    for (std::size_t t = 85; t < replay.ticks.size(); ++t) {
        if (!replay.ticks[t].keys.empty() && replay.ticks[t].keys[0].vk == 'Z' &&
            replay.ticks[t].keys[0].down == 1) {
            replay.ticks[t].keys[0].vk = 'V';
            changed = t;
            break;
        }
    }
    ASSERT_GT(changed, 0u);
    const long long expected = (static_cast<long long>(changed) / 40 + 1) * 40;
    EXPECT_EQ(firstDesync(replay), expected);
}

TEST(ReplayFile, RefusesWhatIsNotAGoodReplayWithWhatIsWrong) {
    const std::vector<std::uint8_t> good = encodeReplay(recordBattle(60));
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* message;
    };
    auto with = [&](auto change) {
        std::vector<std::uint8_t> b = good;
        change(b);
        return b;
    };
    // The flags of the last tick (the 60th), before its hash and the checksum.
    const std::size_t lastFlags = good.size() - 8 - 9;
    const Case cases[] = {
        {"empty", {}, "not a replay file"},
        {"another file", {'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0}, "not a replay file"},
        {"wrong magic", with([](auto& b) { b[0] = 'X'; }), "not a replay file"},
        {"cut in the format", with([](auto& b) { b.resize(9); }),
         "truncated (the file ends in its header)"},
        {"cut after the format", with([](auto& b) { b.resize(10); }),
         "truncated (the file ends before its last tick)"},
        {"cut in the state", with([](auto& b) { b.resize(200); }),
         "truncated (the file ends before its last tick)"},
        {"cut before its end", with([](auto& b) { b.resize(b.size() - 20); }),
         "truncated (the file ends before its last tick)"},
        {"checksum cut off", with([](auto& b) { b.resize(b.size() - 8); }),
         "truncated (the file ends before its last tick)"},
        {"newer format", with([](auto& b) { b[8] = 4; }),
         "replay format version 4, this game reads version 3"},
        {"a flipped byte", with([](auto& b) { b[b.size() / 2] ^= 0x10; }), "damaged"},
        {"first tick out of range", with([](auto& b) {
             b[10 + 1 + b[10] + 8] = 0; // the first tick's low byte: tick 0
             sealReplay(b);
         }),
         "damaged (first tick out of range)"},
        {"bytes after the end", with([](auto& b) {
             b.insert(b.end() - 8, 3, 0);
             sealReplay(b);
         }),
         "damaged (bytes after the last tick)"},
        {"other tick flags", with([&](auto& b) {
             b[lastFlags] = 0xC0; // words follow where the hash was: 4 bytes are left over
             sealReplay(b);
         }),
         "damaged (bytes after the last tick)"},
        {"flags of a later format", with([&](auto& b) {
             b[8] = 1;
             b[lastFlags] = 0x60;
             sealReplay(b);
         }),
         "damaged (unknown flags at tick 60)"},
        // What the bytes show is told only once the checksum matches.
        {"other tick flags, not sealed", with([&](auto& b) { b[lastFlags] = 0xC0; }),
         "damaged (its checksum does not match)"},
        {"a changed checksum", with([](auto& b) { b.back() ^= 1; }),
         "damaged (its checksum does not match)"},
    };
    for (const Case& c : cases) {
        const std::string error = refusal(c.bytes, c.what);
        EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
    }
    // Every shorter file is refused as truncated.
    for (std::size_t n = 10; n < good.size(); n += 7) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + n);
        const std::string error = refusal(cut, "cut");
        EXPECT_NE(error.find("truncated"), std::string::npos) << n << ": " << error;
    }
}

// Read whole or in pieces of any size, from memory or from its file, a replay gives the
// same header, start state, ticks and hashes.
TEST(ReplayFile, ReadsTheSameInChunksOfAnySize) {
    const Replay replay = recordBattle(90);
    const std::vector<std::uint8_t> bytes = encodeReplay(replay);
    const ScratchFile file(bytes);
    for (std::size_t piece : {1, 2, 5, 16, 4096}) {
        std::vector<std::unique_ptr<ByteSource>> sources;
        sources.push_back(std::make_unique<MemorySource>(bytes.data(), bytes.size(), piece));
        auto fromFile = std::make_unique<FileSource>(piece);
        ASSERT_TRUE(fromFile->open(file.path));
        sources.push_back(std::move(fromFile));
        for (auto& source : sources) {
            ReplayReader reader;
            std::string error;
            ASSERT_TRUE(reader.open(std::move(source), error)) << piece << ": " << error;
            EXPECT_EQ(reader.head().gameVersion, replay.gameVersion);
            EXPECT_EQ(reader.head().contentHash, replay.contentHash);
            EXPECT_EQ(
                std::memcmp(reader.head().start.get(), replay.start.get(), sizeof(SavedState)), 0)
                << piece;
            expectTicks(reader, replay);
        }
    }
}

// Files written before must still read: the checksum is the FNV-1a step over every byte
// before it, from the game's own starting value, little-endian.
TEST(ReplayFile, TheChecksumOfTheSameBytesIsWhatItWasWhenTheyWereWritten) {
    struct Case {
        std::string bytes;
        std::uint64_t sum; // worked out apart from the game
    } cases[] = {{"", 0x14650fb0739d0383ull},
                 {"a", 0x44bd8ad473cd9906ull},
                 {"foobar", 0x88fad7c0a8ff07f2ull},
                 {"TORVELRP", 0x484372b7ac3fbd75ull}};
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes(c.bytes.begin(), c.bytes.end());
        bytes.resize(bytes.size() + 8);
        sealReplay(bytes);
        ByteReader r(bytes.data() + c.bytes.size(), 8);
        std::uint64_t sum = 0;
        ASSERT_TRUE(r.number(sum));
        EXPECT_EQ(sum, c.sum) << c.bytes;
    }
}

TEST(ReplayFile, AReplayOfAnotherVersionOrContentIsRefusedByName) {
    Replay r = recordBattle(10);
    std::string error;
    r.gameVersion = "1.9";
    EXPECT_FALSE(replayFitsThisGame(r, error));
    EXPECT_NE(error.find("version 1.9"), std::string::npos) << error;
    r.gameVersion = thisGameVersion();
    r.contentHash ^= 1;
    EXPECT_FALSE(replayFitsThisGame(r, error));
    EXPECT_NE(error.find("other game data"), std::string::npos) << error;
}

TEST(ReplayStore, NamesByDateFightersAndArena) {
    std::tm when{};
    when.tm_year = 126, when.tm_mon = 11, when.tm_mday = 10;
    when.tm_hour = 17, when.tm_min = 5, when.tm_sec = 9;
    EXPECT_EQ(replayFileName(when, 1, 2, 1),
              "2026-12-10_17-05-09_TORVEL-VS-SEU-BRANDOLIM_PRIMEIRO-PATIO-DA-VILA.tvr");
    EXPECT_EQ(replayFileName(when, 5, 0, 9), "2026-12-10_17-05-09_DONA-TERVINA-VS--_-.tvr");
}

TEST(ReplayStore, KeepsTheNewestHundred) {
    ScratchDir dir("replay-store");
    for (int i = 0; i < 103; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "2026-12-%02d_%02d-00-00_A-VS-B_C.tvr", 1 + i % 28,
                      10 + i / 28);
        dir.write(name, "x");
    }
    dir.write("notes.txt", "mine");
    pruneReplays(dir.path().string(), replaysKept);
    std::set<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        left.insert(e.path().filename().string());
    EXPECT_EQ(left.size(), 101u);
    EXPECT_TRUE(left.count("notes.txt"));
    // The three oldest went: the first day at 10, 11 and 12 o'clock.
    for (const char* gone : {"2026-12-01_10-00-00_A-VS-B_C.tvr", "2026-12-01_11-00-00_A-VS-B_C.tvr",
                             "2026-12-01_12-00-00_A-VS-B_C.tvr"})
        EXPECT_FALSE(left.count(gone)) << gone;
    EXPECT_TRUE(left.count("2026-12-01_13-00-00_A-VS-B_C.tvr"));
    EXPECT_TRUE(left.count("2026-12-02_10-00-00_A-VS-B_C.tvr"));
}

// A match is kept from its first battle tick to the moment its victory screen is left;
// a rematch is a replay of its own; scenes outside a match record nothing.
TEST(MatchRecording, StoresEachMatchIntoTheDataFolder) {
    ScratchDir dir("match-recording");
    const char* before = std::getenv("XDG_DATA_HOME");
    const std::string previous = before ? before : "";
    setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    freshBattle();
    MatchRecording matches;
    const char* scenes[] = {"OPCOES",     "BATALHA",    "BATALHA", "BATALHA",
                            "VS-VITORIA", "VS-VITORIA", "BATALHA", "BATALHA",
                            "VS-VITORIA", "OPCOES",     "OPCOES",  "SELECAO-LUTADOR"};
    std::vector<std::string> stored;
    long long tick = 1;
    for (const char* scene : scenes) {
        gs.sceneName = scene;
        matches.atTickBoundary(tick);
        if (!matches.lastStored().empty() &&
            (stored.empty() || stored.back() != matches.lastStored()))
            stored.push_back(matches.lastStored());
        TickInput in;
        matches.afterTick(in);
        ++tick;
    }
    matches.end();
    if (before)
        setenv("XDG_DATA_HOME", previous.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    ASSERT_EQ(stored.size(), 2u);
    const auto folder = dir.path() / "torvel-arena" / "replays";
    // Written into the folder as they played: nothing of the recordings is left beside them.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              2);
    for (const std::string& path : stored) {
        EXPECT_EQ(std::filesystem::path(path).parent_path(), folder);
        Replay r;
        std::string error;
        ASSERT_TRUE(readReplayFile(path, r, error)) << error;
        EXPECT_EQ(r.start->game.sceneName, "BATALHA");
    }
    Replay first, second;
    std::string error;
    ASSERT_TRUE(readReplayFile(stored[0], first, error));
    ASSERT_TRUE(readReplayFile(stored[1], second, error));
    EXPECT_EQ(first.firstTick, 2);
    EXPECT_EQ(first.ticks.size(), 5u); // three battle ticks and two on the victory screen
    EXPECT_EQ(second.firstTick, 7);
    EXPECT_EQ(second.ticks.size(), 3u);
}
