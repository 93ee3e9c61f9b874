#include "app/state_packing.h"

#include <cstddef>
#include <cstring>
#include <vector>

// A control byte c < 128 is followed by c + 1 bytes as
// they are; c >= 128 stands for c - 127 zero bytes.
void packState(const SavedState& s, ByteWriter& w) {
    const auto* b = reinterpret_cast<const std::uint8_t*>(&s);
    const std::size_t n = sizeof s;
    std::vector<std::uint8_t> packed;
    std::size_t i = 0;
    while (i < n) {
        std::size_t run = 0;
        while (i + run < n && run < 128 && b[i + run] == 0) ++run;
        if (run > 0) {
            packed.push_back(static_cast<std::uint8_t>(127 + run));
            i += run;
            continue;
        }
        std::size_t lit = 0;
        while (i + lit < n && lit < 128 && b[i + lit] != 0) ++lit;
        packed.push_back(static_cast<std::uint8_t>(lit - 1));
        packed.insert(packed.end(), b + i, b + i + lit);
        i += lit;
    }
    w.number(static_cast<std::uint32_t>(n));
    w.number(static_cast<std::uint32_t>(packed.size()));
    w.raw(packed.data(), packed.size());
}

bool unpackState(ByteReader& r, SavedState& s, std::string& error) {
    std::uint32_t size = 0, packedSize = 0;
    if (!r.number(size) || !r.number(packedSize)) return false;
    if (size != sizeof(SavedState)) {
        error = "damaged (the start state has the wrong size)";
        return false;
    }
    if (packedSize > r.left()) {
        r.take(nullptr, r.left() + 1);
        return false;
    }
    std::vector<std::uint8_t> packed(packedSize);
    r.take(packed.data(), packed.size());
    std::vector<std::uint8_t> bytes;
    bytes.reserve(size);
    for (std::size_t i = 0; i < packed.size();) {
        const std::uint8_t c = packed[i++];
        const std::size_t run = c < 128 ? c + 1u : c - 127u;
        if (bytes.size() + run > size || (c < 128 && i + run > packed.size())) {
            error = "damaged (the start state does not unpack)";
            return false;
        }
        if (c < 128) {
            bytes.insert(bytes.end(), packed.begin() + static_cast<std::ptrdiff_t>(i),
                         packed.begin() + static_cast<std::ptrdiff_t>(i + run));
            i += run;
        } else {
            bytes.insert(bytes.end(), run, 0);
        }
    }
    if (bytes.size() != size) {
        error = "damaged (the start state does not unpack)";
        return false;
    }
    // The held keys are bools: only 0 and 1 are values.
    const std::size_t keysAt = offsetof(SavedState, keys);
    for (std::size_t k = 0; k < sizeof(HeldKeys); ++k) {
        if (bytes[keysAt + k] > 1) {
            error = "damaged (the start state's keys)";
            return false;
        }
    }
    std::memcpy(static_cast<void*>(&s), bytes.data(), size);
    if (!savedStateWellFormed(s)) {
        error = "damaged (the start state's texts)";
        return false;
    }
    return true;
}
