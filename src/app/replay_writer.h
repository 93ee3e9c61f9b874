// Writing a replay (the layout is in replay_format.h): whole in memory, or into its file
// as it is played. Both give the same bytes for the same replay.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "app/byte_stream.h"
#include "app/replay_format.h"

std::vector<std::uint8_t> encodeReplay(const Replay& replay);
// Writes the checksum of all but the last 8 bytes into them: a file changed on purpose
// (a test's, a fuzzer's) reads as whole again.
void sealReplay(std::vector<std::uint8_t>& bytes);

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
