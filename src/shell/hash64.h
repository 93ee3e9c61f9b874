// The game's one 64-bit hash, for the state and for files. It starts from 1469598103934665603
// (the FNV offset basis short of its last digit) and takes in either whole 64-bit words (the
// state's fields, files 8 bytes at a time) or single bytes with the FNV-1a step (the replay
// checksum, names, a file's tail). Every value it gives is kept somewhere (pinned state
// hashes, replay checksums on disk, the content hash two sides of a session compare), so
// neither the start nor either step may change.
#pragma once

#include <cstddef>
#include <cstdint>

struct Hash64 {
    std::uint64_t h = 1469598103934665603ull;

    void word(std::uint64_t x) {
        h ^= x;
        h *= 0x9E3779B97F4A7C15ull;
        h ^= h >> 32;
    }
    void bytes(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        for (std::size_t i = 0; i < n; ++i) {
            h ^= b[i];
            h *= 1099511628211ull;
        }
    }
};
