// Any bytes as a replay file. Most changed bytes break the checksum, which is checked
// last; so each input is also read once more with its checksum made right, which takes
// the reader through the start state and the ticks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/replay_reader.h"
#include "app/replay_writer.h"

namespace {

void readBoth(const std::uint8_t* data, std::size_t size) {
    Replay replay;
    std::string error;
    if (decodeReplay(data, size, replay, error)) replayFitsThisGame(replay, error);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readBoth(data, size);
    if (size < 8) return 0;
    std::vector<std::uint8_t> fixed(data, data + size);
    sealReplay(fixed);
    readBoth(fixed.data(), fixed.size());
    return 0;
}
