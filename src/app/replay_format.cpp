#include "app/replay_format.h"

#include <algorithm>

#include "app/build_identity.h"
#include "app/state_packing.h"

namespace {

// Joystick flags, two bits each: not read, read the same as its last stored reading, or a
// new reading follows.
enum : std::uint8_t { joyNone = 0, joySame = 1, joyNew = 2 };
constexpr std::uint8_t keysFollow = 1 << 4, hashFollows = 1 << 5, wordsFollow = 1 << 6,
                       devicesChanged = 1 << 7;
// The flags each format version knows.
constexpr std::uint8_t knownFlags[] = {0, 0x3F, 0x7F, 0xFF};
static_assert(std::size(knownFlags) == replayFormatVersion + 1);

void writeReading(ByteWriter& w, const JoyReading& j) {
    w.number(j.status);
    w.number(j.info.x);
    w.number(j.info.y);
    w.number(j.info.z);
    w.number(j.info.buttons);
}

bool readReading(ByteReader& r, JoyReading& j) {
    j.taken = 1;
    return r.number(j.status) && r.number(j.info.x) && r.number(j.info.y) && r.number(j.info.z) &&
           r.number(j.info.buttons);
}

bool sameReading(const JoyReading& a, const JoyReading& b) {
    return a.status == b.status && a.info.x == b.info.x && a.info.y == b.info.y &&
           a.info.z == b.info.z && a.info.buttons == b.info.buttons;
}

} // namespace

bool replayFormatReadable(std::uint16_t format, std::string& error) {
    if (format >= 1 && format <= replayFormatVersion) return true;
    error = "replay format version " + std::to_string(format) + ", this game reads version " +
            std::to_string(replayFormatVersion);
    return false;
}

void encodeReplayHead(ByteWriter& w, const Replay& head, std::uint32_t tickCount,
                      std::size_t& countAt) {
    w.raw(replayMagic, sizeof replayMagic);
    w.number(replayFormatVersion);
    const std::size_t versionLength = std::min<std::size_t>(head.gameVersion.size(), 255);
    w.number(static_cast<std::uint8_t>(versionLength));
    w.raw(head.gameVersion.data(), versionLength);
    w.number(head.contentHash);
    w.number(static_cast<std::uint64_t>(head.firstTick));
    countAt = w.bytes.size();
    w.number(tickCount);
    packState(head.start ? *head.start : SavedState{}, w);
}

bool decodeReplayHead(ByteReader& r, Replay& out, std::uint32_t& tickCount, std::string& error) {
    std::uint8_t versionLength = 0;
    if (!r.number(versionLength)) return false;
    out.gameVersion.assign(versionLength, ' ');
    if (!r.take(out.gameVersion.data(), versionLength)) return false;
    std::uint64_t firstTick = 0;
    if (!r.number(out.contentHash) || !r.number(firstTick) || !r.number(tickCount)) return false;
    out.firstTick = static_cast<long long>(firstTick);
    if (out.firstTick < 1 || out.firstTick > (1ll << 40)) {
        error = "damaged (first tick out of range)";
        return false;
    }
    if (!out.start) out.start = std::make_unique<SavedState>();
    return unpackState(r, *out.start, error);
}

void TickEncoder::put(ByteWriter& w, const TickInput& in, const std::uint64_t* hash) {
    std::uint8_t flags = 0;
    std::array<bool, 2> fresh{};
    for (std::size_t j = 0; j < 2; ++j) {
        if (in.joys[j].taken == 0) continue;
        fresh[j] = last_[j].taken == 0 || !sameReading(last_[j], in.joys[j]);
        flags |= static_cast<std::uint8_t>((fresh[j] ? joyNew : joySame) << (2 * j));
    }
    const std::size_t keyCount = std::min<std::size_t>(in.keys.size(), 65535);
    if (keyCount > 0) flags |= keysFollow;
    if (hash) flags |= hashFollows;
    if (in.session) flags |= wordsFollow;
    if (in.devicesChanged) flags |= devicesChanged;
    w.number(flags);
    if (keyCount > 0) {
        w.number(static_cast<std::uint16_t>(keyCount));
        for (std::size_t k = 0; k < keyCount; ++k) {
            w.number(in.keys[k].vk);
            w.number(static_cast<std::uint8_t>(in.keys[k].down ? 1 : 0));
        }
    }
    for (std::size_t j = 0; j < 2; ++j) {
        if (!fresh[j]) continue;
        writeReading(w, in.joys[j]);
        last_[j] = in.joys[j];
    }
    if (in.session) {
        w.number(in.words[0]);
        w.number(in.words[1]);
    }
    if (hash) w.number(*hash);
}

TickDecoder::TickDecoder(std::uint16_t format)
    : known_(format < std::size(knownFlags) ? knownFlags[format] : 0) {}

bool TickDecoder::get(ByteReader& r, long long tick, TickInput& in, bool& hashed,
                      std::uint64_t& hash, std::string& error) {
    const std::array<JoyReading, 2> before = last_;
    auto fail = [&] {
        last_ = before;
        return false;
    };
    in = TickInput{};
    std::uint8_t flags = 0;
    if (!r.number(flags)) return fail();
    if ((flags & ~known_) != 0) {
        error = "damaged (unknown flags at tick " + std::to_string(tick) + ")";
        return fail();
    }
    if (flags & keysFollow) {
        std::uint16_t count = 0;
        if (!r.number(count)) return fail();
        if (count == 0) {
            error = "damaged (empty key list)";
            return fail();
        }
        // Each key takes two bytes: a list longer than the bytes left runs short here.
        if (2u * count > r.left()) {
            r.take(nullptr, r.left() + 1);
            return fail();
        }
        in.keys.resize(count);
        for (KeyEvent& e : in.keys) {
            if (!r.number(e.vk) || !r.number(e.down)) return fail();
            if (e.down > 1) {
                error = "damaged (key event at tick " + std::to_string(tick) + ")";
                return fail();
            }
        }
    }
    for (std::size_t j = 0; j < 2; ++j) {
        const int kind = (flags >> (2 * j)) & 3;
        if (kind == joyNew) {
            if (!readReading(r, in.joys[j])) return fail();
            last_[j] = in.joys[j];
        } else if (kind == joySame) {
            if (last_[j].taken == 0) {
                error = "damaged (joystick reading at tick " + std::to_string(tick) + ")";
                return fail();
            }
            in.joys[j] = last_[j];
        } else if (kind != joyNone) {
            error = "damaged (joystick flags at tick " + std::to_string(tick) + ")";
            return fail();
        }
    }
    in.devicesChanged = (flags & devicesChanged) != 0;
    if (flags & wordsFollow) {
        in.session = true;
        if (!r.number(in.words[0]) || !r.number(in.words[1])) return fail();
    }
    hashed = (flags & hashFollows) != 0;
    if (hashed && !r.number(hash)) return fail();
    return true;
}

bool replayFitsThisGame(const Replay& replay, std::string& error) {
    if (replay.gameVersion != thisGameVersion()) {
        error = "recorded by version " + replay.gameVersion + " of the game, this is version " +
                thisGameVersion();
        return false;
    }
    if (replay.contentHash != thisGameContentHash()) {
        error = "recorded with other game data or another build of the game";
        return false;
    }
    return true;
}
