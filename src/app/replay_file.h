// Replay files: a header (magic, format version, game version, content hash), the saved
// state the replay starts from, every tick's input as the tick consumed it, a stateHash
// every 40 ticks and after the last, and a checksum of everything before it.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/byte_stream.h"
#include "app/tick_input.h"
#include "shell/saved_state.h"

// Version 2 adds online ticks (the two players' input words), version 3 the ticks before
// which a joystick was plugged or unplugged; older files read as they are.
constexpr std::uint16_t replayFormatVersion = 3;
constexpr int replayHashInterval = 40;

struct StoredHash {
    std::size_t index = 0; // of the tick in the replay, 0 for the first
    std::uint64_t hash = 0;
};

struct Replay {
    std::string gameVersion;
    std::uint64_t contentHash = 0;
    long long firstTick = 1; // the recorded run's number for the replay's first tick
    std::unique_ptr<SavedState> start;
    std::vector<TickInput> ticks;
    std::vector<StoredHash> hashes;
};

std::vector<std::uint8_t> encodeReplay(const Replay& replay);

// Each tick's bytes, as the file has them; a joystick reading the same as the last one
// written is not written again.
class TickEncoder {
  public:
    // `hash`: the stateHash after the tick, when one is stored with it.
    void put(ByteWriter& w, const TickInput& input, const std::uint64_t* hash);

  private:
    std::array<JoyReading, 2> last_{};
};

// A replay written as it is played, the same bytes as encodeReplay gives: the header and
// the start state at once, the ticks a few kilobytes at a time, the tick count and the
// checksum when it is closed. Its memory does not grow with the ticks. The file is
// written beside its name and renamed when whole; one not closed is removed.
class ReplayWriter {
  public:
    ReplayWriter() = default;
    ReplayWriter(const ReplayWriter&) = delete;
    ReplayWriter& operator=(const ReplayWriter&) = delete;
    ~ReplayWriter();
    // The header from `head` (version, content hash, first tick, start); its ticks are
    // not read.
    bool open(const std::string& path, const Replay& head, std::string& error);
    bool isOpen() const { return !temporary_.empty(); }
    std::size_t tickCount() const { return count_; }
    void add(const TickInput& input, const std::uint64_t* hash);
    bool close(std::string& error);
    void discard();

  private:
    bool write(const std::vector<std::uint8_t>& bytes);
    void flush();
    std::string path_, temporary_;
    std::ofstream file_;
    std::size_t countAt_ = 0, count_ = 0;
    TickEncoder ticks_;
    ByteWriter pending_;
};
// Writes the checksum of all but the last 8 bytes into them: a file changed on purpose
// (a test's, a fuzzer's) reads as whole again.
void sealReplay(std::vector<std::uint8_t>& bytes);
// Reads a replay's bytes; false with what is wrong (not a replay, truncated, damaged, a
// format this game does not read). Never reads past the data.
bool decodeReplay(const std::uint8_t* data, std::size_t size, Replay& out, std::string& error);

// False with the reason when the replay was made by another version or with other content
// (build_identity.h).
bool replayFitsThisGame(const Replay& replay, std::string& error);

bool writeReplayFile(const std::string& path, const Replay& replay, std::string& error);
bool readReplayFile(const std::string& path, Replay& out, std::string& error);

// A replay file read a tick at a time, for playing it: open() checks the whole file as
// readReplayFile does (the same errors) without keeping its ticks, then next() reads them
// in order. It holds a few chunks of the file, however long the replay.
class ReplayReader {
  public:
    bool open(const std::string& path, std::string& error);
    // The version, content hash, first tick and start state; no ticks.
    const Replay& head() const { return head_; }
    std::size_t tickCount() const { return count_; }
    // The next tick's input, and the stateHash after it when one is stored; false past the
    // last tick, or when the file can no longer be read as it was checked.
    bool next(TickInput& input, std::optional<std::uint64_t>& hash);

  private:
    bool pass(bool checking, std::string& error);
    bool more();
    template <class Decode> bool decode(Decode&& f, bool* ranShort = nullptr);
    std::string path_;
    std::ifstream file_;
    std::uint64_t bodyEnd_ = 0, bodyLeft_ = 0, sum_ = 0;
    bool hasChecksum_ = false;
    std::vector<std::uint8_t> window_;
    std::size_t at_ = 0;
    std::uint8_t known_ = 0;
    Replay head_;
    std::size_t count_ = 0, read_ = 0;
    std::array<JoyReading, 2> last_{};
};
