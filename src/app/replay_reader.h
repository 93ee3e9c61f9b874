// Reading a replay (the layout is in replay_format.h). One parser reads every replay, from
// memory or from a file, a chunk at a time, with the same checks in the same order and the
// same messages: not a replay file; truncated; a format this game does not read; damaged
// (the checksum first, then what the bytes themselves show); bytes after the last tick.
// A file cut short reads as truncated even where its checksum no longer matches.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/byte_source.h"
#include "app/replay_format.h"
#include "shell/hash64.h"

// A replay read a tick at a time, for playing it: open() checks the whole replay without
// keeping its ticks, then next() reads them in order. It holds a chunk or two of the
// bytes, however long the replay.
class ReplayReader {
  public:
    // A replay file; "cannot be opened" when it cannot.
    bool open(const std::string& path, std::string& error);
    // Any source (a replay in memory, a file in small pieces); "cannot be read" when the
    // source fails.
    bool open(std::unique_ptr<ByteSource> source, std::string& error);
    // The version, content hash, first tick and start state; no ticks.
    const Replay& head() const { return head_; }
    std::size_t tickCount() const { return count_; }
    // The next tick's input, and the stateHash after it when one is stored; false past the
    // last tick, or when the source can no longer be read as it was checked.
    bool next(TickInput& input, std::optional<std::uint64_t>& hash);

  private:
    bool check(std::string& error);
    bool refuse(std::string& error, const std::string& why) const;
    bool restart(std::uint64_t offset);
    bool more();
    bool drain();
    std::size_t readChecksum(std::uint8_t* into);
    template <class Decode> bool decode(Decode&& f, bool* ranShort = nullptr);
    std::uint64_t offset() const { return bodyEnd_ - left_ - (window_.size() - at_); }

    std::unique_ptr<ByteSource> source_;
    // The bytes before the checksum, those not yet taken into the window, where the
    // ticks begin, and the checksum of what was taken in.
    std::uint64_t bodyEnd_ = 0, left_ = 0, ticksAt_ = 0;
    Hash64 sum_;
    std::vector<std::uint8_t> window_;
    std::size_t at_ = 0;
    Replay head_;
    TickDecoder ticks_;
    std::size_t count_ = 0, read_ = 0;
};

// A whole replay, its ticks and hashes kept, read by the same parser; false with what is
// wrong. Never reads past the data.
bool decodeReplay(const std::uint8_t* data, std::size_t size, Replay& out, std::string& error);
bool readReplayFile(const std::string& path, Replay& out, std::string& error);
