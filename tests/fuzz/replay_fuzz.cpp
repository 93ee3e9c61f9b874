// Any bytes as a replay file, read three ways that must agree on everything: the verdict,
// the message, the header, the start state, every tick and every stored hash. Whole from
// memory (decodeReplay), from memory handed over a few bytes at a time, and from a file
// read a few bytes at a time, so that the joins of the chunks fall everywhere. Most
// changed bytes break the checksum, which is checked late; so each input is also read
// once more with its checksum made right, which takes the parser through the start state
// and the ticks.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/replay_reader.h"
#include "app/replay_writer.h"

namespace {

struct Reading {
    bool ok = false;
    std::string error;
    Replay replay;
};

Reading readWhole(const std::uint8_t* data, std::size_t size) {
    Reading r;
    r.ok = decodeReplay(data, size, r.replay, r.error);
    return r;
}

Reading readInPieces(std::unique_ptr<ByteSource> source) {
    Reading r;
    ReplayReader reader;
    r.ok = reader.open(std::move(source), r.error);
    if (!r.ok) return r;
    const Replay& head = reader.head();
    r.replay.gameVersion = head.gameVersion;
    r.replay.contentHash = head.contentHash;
    r.replay.firstTick = head.firstTick;
    r.replay.start = std::make_unique<SavedState>();
    std::memcpy(static_cast<void*>(r.replay.start.get()), head.start.get(), sizeof(SavedState));
    TickInput in;
    std::optional<std::uint64_t> hash;
    while (reader.next(in, hash)) {
        if (hash) r.replay.hashes.push_back({r.replay.ticks.size(), *hash});
        r.replay.ticks.push_back(in);
    }
    if (r.replay.ticks.size() != reader.tickCount()) {
        r.ok = false;
        r.error = "stopped after " + std::to_string(r.replay.ticks.size()) + " ticks of " +
                  std::to_string(reader.tickCount());
    }
    return r;
}

// A file that goes when the process does, named by its descriptor.
std::string fileHolding(const std::uint8_t* data, std::size_t size) {
    static std::FILE* file = std::tmpfile();
    if (!file || ftruncate(fileno(file), 0) != 0) std::abort();
    std::rewind(file);
    if ((size > 0 && std::fwrite(data, 1, size, file) != size) || std::fflush(file) != 0)
        std::abort();
    return "/proc/self/fd/" + std::to_string(fileno(file));
}

bool sameTick(const TickInput& a, const TickInput& b) {
    if (a.keys.size() != b.keys.size() || a.devicesChanged != b.devicesChanged ||
        a.session != b.session || a.words != b.words)
        return false;
    for (std::size_t k = 0; k < a.keys.size(); ++k)
        if (a.keys[k].vk != b.keys[k].vk || a.keys[k].down != b.keys[k].down) return false;
    for (std::size_t j = 0; j < 2; ++j) {
        const JoyReading &x = a.joys[j], &y = b.joys[j];
        if (x.taken != y.taken || x.status != y.status || x.info.x != y.info.x ||
            x.info.y != y.info.y || x.info.z != y.info.z || x.info.buttons != y.info.buttons)
            return false;
    }
    return true;
}

// What differs between two readings, or null.
const char* difference(const Reading& a, const Reading& b) {
    if (a.ok != b.ok) return "verdict";
    if (a.error != b.error) return "message";
    if (!a.ok) return nullptr;
    const Replay &x = a.replay, &y = b.replay;
    if (x.gameVersion != y.gameVersion || x.contentHash != y.contentHash ||
        x.firstTick != y.firstTick)
        return "header";
    if (std::memcmp(x.start.get(), y.start.get(), sizeof(SavedState)) != 0) return "start state";
    if (x.ticks.size() != y.ticks.size()) return "tick count";
    for (std::size_t t = 0; t < x.ticks.size(); ++t)
        if (!sameTick(x.ticks[t], y.ticks[t])) return "ticks";
    if (x.hashes.size() != y.hashes.size()) return "hash count";
    for (std::size_t i = 0; i < x.hashes.size(); ++i)
        if (x.hashes[i].index != y.hashes[i].index || x.hashes[i].hash != y.hashes[i].hash)
            return "hashes";
    return nullptr;
}

void agree(const char* way, const Reading& whole, const Reading& other) {
    if (const char* what = difference(whole, other)) {
        std::fprintf(stderr, "read %s, the %s differs: \"%s\" against \"%s\" whole\n", way, what,
                     other.error.c_str(), whole.error.c_str());
        std::abort();
    }
}

void readAllWays(const std::uint8_t* data, std::size_t size) {
    const Reading whole = readWhole(data, size);
    // Pieces of 1 to 5 and of 2 to 8 bytes, as the input's last byte says.
    const std::size_t piece = size ? 1 + data[size - 1] % 5 : 1;
    agree("from memory in pieces", whole,
          readInPieces(std::make_unique<MemorySource>(data, size, piece)));
    auto file = std::make_unique<FileSource>(piece + 1);
    if (!file->open(fileHolding(data, size))) std::abort();
    agree("from a file in pieces", whole, readInPieces(std::move(file)));
    std::string error;
    if (whole.ok) replayFitsThisGame(whole.replay, error);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readAllWays(data, size);
    if (size < 8) return 0;
    std::vector<std::uint8_t> fixed(data, data + size);
    sealReplay(fixed);
    readAllWays(fixed.data(), fixed.size());
    return 0;
}
