// The layout of a replay file, little-endian throughout:
//   magic "TORVELRP", format version (u16),
//   game version (u8 length, bytes), content hash (u64), first tick (u64), tick count (u32),
//   the start state (packed, see state_packing.h),
//   every tick: a flag byte, then what the flags say follows,
//   checksum (u64): FNV-1a of every byte before it.
// A stateHash follows every 40th tick and the last. The reader (replay_reader.h) and the
// writer (replay_writer.h) both go through the pieces here.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/byte_stream.h"
#include "app/tick_input.h"
#include "shell/saved_state.h"

// Version 2 adds online ticks (the two players' input words), version 3 the ticks before
// which a joystick was plugged or unplugged; older files read as they are.
constexpr std::uint16_t replayFormatVersion = 3;
constexpr int replayHashInterval = 40;

inline constexpr char replayMagic[8] = {'T', 'O', 'R', 'V', 'E', 'L', 'R', 'P'};
// The magic and the format version.
constexpr std::size_t replayLeadSize = sizeof replayMagic + 2;
constexpr std::size_t replayChecksumSize = 8;

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

// False with the message --replay shows when this game does not read `format`.
bool replayFormatReadable(std::uint16_t format, std::string& error);

// The magic, the format, the header and the start state; where the tick count is, for a
// writer that fills it in last, in `countAt`.
void encodeReplayHead(ByteWriter& w, const Replay& head, std::uint32_t tickCount,
                      std::size_t& countAt);
// The header after the format, and the start state, into `out` (its ticks untouched).
// False with `error` set when a value is wrong, or with `r` run short and `error` empty.
bool decodeReplayHead(ByteReader& r, Replay& out, std::uint32_t& tickCount, std::string& error);

// Each tick's bytes, as the file has them; a joystick reading the same as the last one
// written is not written again.
class TickEncoder {
  public:
    // `hash`: the stateHash after the tick, when one is stored with it.
    void put(ByteWriter& w, const TickInput& input, const std::uint64_t* hash);

  private:
    std::array<JoyReading, 2> last_{};
};

// The ticks read back in order, for a file of `format`. A tick that cannot be read
// leaves the decoder as it was, so it can be read again once more bytes are in.
class TickDecoder {
  public:
    explicit TickDecoder(std::uint16_t format = replayFormatVersion);
    // `tick` is the recorded run's number, for the messages. False with `error` set when
    // the tick is damaged, or with `r` run short and `error` empty.
    bool get(ByteReader& r, long long tick, TickInput& input, bool& hashed, std::uint64_t& hash,
             std::string& error);

  private:
    std::uint8_t known_;
    std::array<JoyReading, 2> last_{};
};

// False with the reason when the replay was made by another version or with other content.
bool replayFitsThisGame(const Replay& replay, std::string& error);
