#include "app/replay_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/build_identity.h"
#include "app/byte_stream.h"
#include "app/state_packing.h"
#include "shell/hash64.h"

namespace {

constexpr char magic[8] = {'T', 'O', 'R', 'V', 'E', 'L', 'R', 'P'};
constexpr std::size_t checksumSize = 8;

// Joystick flags, two bits each: not read, read the same as its last stored reading, or a
// new reading follows.
enum : std::uint8_t { joyNone = 0, joySame = 1, joyNew = 2 };
constexpr std::uint8_t keysFollow = 1 << 4, hashFollows = 1 << 5, wordsFollow = 1 << 6,
                       devicesChanged = 1 << 7;
// The flags each format version knows.
constexpr std::uint8_t knownFlags[] = {0, 0x3F, 0x7F, 0xFF};

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

// The header after the format, then the start state.
bool decodeHead(ByteReader& r, Replay& out, std::uint32_t& tickCount, std::string& error) {
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
    out.start = std::make_unique<SavedState>();
    return unpackState(r, *out.start, error);
}

// The tick numbered `tick` of the recorded run; `last` holds the joystick readings last
// written. `hashed` tells whether a hash follows it.
bool decodeTick(ByteReader& r, std::uint8_t known, long long tick, std::array<JoyReading, 2>& last,
                TickInput& in, bool& hashed, std::uint64_t& hash, std::string& error) {
    in = TickInput{};
    std::uint8_t flags = 0;
    if (!r.number(flags)) return false;
    if ((flags & ~known) != 0) {
        error = "damaged (unknown flags at tick " + std::to_string(tick) + ")";
        return false;
    }
    if (flags & keysFollow) {
        std::uint16_t count = 0;
        if (!r.number(count)) return false;
        if (count == 0 || 2u * count > r.left()) {
            if (count == 0)
                error = "damaged (empty key list)";
            else
                r.take(nullptr, r.left() + 1);
            return false;
        }
        in.keys.resize(count);
        for (KeyEvent& e : in.keys) {
            if (!r.number(e.vk) || !r.number(e.down)) return false;
            if (e.down > 1) {
                error = "damaged (key event at tick " + std::to_string(tick) + ")";
                return false;
            }
        }
    }
    for (std::size_t j = 0; j < 2; ++j) {
        const int kind = (flags >> (2 * j)) & 3;
        if (kind == joyNew) {
            if (!readReading(r, in.joys[j])) return false;
            last[j] = in.joys[j];
        } else if (kind == joySame) {
            if (last[j].taken == 0) {
                error = "damaged (joystick reading at tick " + std::to_string(tick) + ")";
                return false;
            }
            in.joys[j] = last[j];
        } else if (kind != joyNone) {
            error = "damaged (joystick flags at tick " + std::to_string(tick) + ")";
            return false;
        }
    }
    in.devicesChanged = (flags & devicesChanged) != 0;
    if (flags & wordsFollow) {
        in.session = true;
        if (!r.number(in.words[0]) || !r.number(in.words[1])) return false;
    }
    hashed = (flags & hashFollows) != 0;
    return !hashed || r.number(hash);
}

bool decodeBody(ByteReader& r, std::uint16_t format, Replay& out, std::string& error) {
    std::uint32_t tickCount = 0;
    if (!decodeHead(r, out, tickCount, error)) return false;
    // Every tick takes at least its flag byte.
    if (tickCount > r.left()) {
        r.take(nullptr, r.left() + 1);
        return false;
    }
    out.ticks.assign(tickCount, TickInput{});
    std::array<JoyReading, 2> last{};
    for (std::size_t t = 0; t < tickCount; ++t) {
        bool hashed = false;
        StoredHash h;
        h.index = t;
        if (!decodeTick(r, knownFlags[format], out.firstTick + static_cast<long long>(t), last,
                        out.ticks[t], hashed, h.hash, error))
            return false;
        if (hashed) out.hashes.push_back(h);
    }
    return true;
}

bool readableFormat(std::uint16_t format, std::string& error) {
    if (format >= 1 && format <= replayFormatVersion) return true;
    error = "replay format version " + std::to_string(format) + ", this game reads version " +
            std::to_string(replayFormatVersion);
    return false;
}

std::uint64_t readChecksum(const std::uint8_t* p) {
    std::uint64_t x = 0;
    for (std::size_t i = 0; i < checksumSize; ++i) x |= static_cast<std::uint64_t>(p[i]) << (8 * i);
    return x;
}

// The header and the start state; the place of the tick count, written later by a
// streamed replay, in `countAt`.
void encodeHead(ByteWriter& w, const Replay& replay, std::uint32_t tickCount,
                std::size_t& countAt) {
    w.raw(magic, sizeof magic);
    w.number(replayFormatVersion);
    const std::size_t versionLength = std::min<std::size_t>(replay.gameVersion.size(), 255);
    w.number(static_cast<std::uint8_t>(versionLength));
    w.raw(replay.gameVersion.data(), versionLength);
    w.number(replay.contentHash);
    w.number(static_cast<std::uint64_t>(replay.firstTick));
    countAt = w.bytes.size();
    w.number(tickCount);
    packState(replay.start ? *replay.start : SavedState{}, w);
}

} // namespace

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

std::vector<std::uint8_t> encodeReplay(const Replay& replay) {
    ByteWriter w;
    std::size_t countAt = 0;
    encodeHead(w, replay, static_cast<std::uint32_t>(replay.ticks.size()), countAt);
    TickEncoder ticks;
    std::size_t nextHash = 0;
    for (std::size_t t = 0; t < replay.ticks.size(); ++t) {
        while (nextHash < replay.hashes.size() && replay.hashes[nextHash].index < t) ++nextHash;
        const bool hash = nextHash < replay.hashes.size() && replay.hashes[nextHash].index == t;
        ticks.put(w, replay.ticks[t], hash ? &replay.hashes[nextHash].hash : nullptr);
    }
    w.number(std::uint64_t{0});
    sealReplay(w.bytes);
    return std::move(w.bytes);
}

ReplayWriter::~ReplayWriter() {
    discard();
}

bool ReplayWriter::open(const std::string& path, const Replay& head, std::string& error) {
    discard();
    path_ = path;
    temporary_ = path + ".tmp";
    file_.open(temporary_, std::ios::binary | std::ios::trunc);
    ByteWriter w;
    encodeHead(w, head, 0, countAt_);
    if (!file_ || !write(w.bytes)) {
        discard();
        error = "cannot write " + path;
        return false;
    }
    ticks_ = TickEncoder{};
    count_ = 0;
    return true;
}

bool ReplayWriter::write(const std::vector<std::uint8_t>& bytes) {
    file_.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file_);
}

void ReplayWriter::add(const TickInput& input, const std::uint64_t* hash) {
    if (!isOpen()) return;
    ticks_.put(pending_, input, hash);
    ++count_;
    // A few kilobytes at a time: the file grows, the memory does not.
    if (pending_.bytes.size() >= 1 << 14) flush();
}

void ReplayWriter::flush() {
    write(pending_.bytes);
    pending_.bytes.clear();
}

bool ReplayWriter::close(std::string& error) {
    if (!isOpen()) {
        error = "no replay under way";
        return false;
    }
    flush();
    file_.close();
    // The tick count goes into the header, then the checksum is taken over the file, a
    // chunk at a time.
    bool ok = static_cast<bool>(file_);
    std::fstream f(temporary_, std::ios::binary | std::ios::in | std::ios::out);
    ByteWriter count;
    count.number(static_cast<std::uint32_t>(count_));
    f.seekp(static_cast<std::streamoff>(countAt_));
    f.write(reinterpret_cast<const char*>(count.bytes.data()), 4);
    f.seekg(0);
    Hash64 sum;
    std::vector<char> chunk(1 << 16);
    while (ok && f.read(chunk.data(), static_cast<std::streamsize>(chunk.size())).gcount() > 0) {
        sum.bytes(chunk.data(), static_cast<std::size_t>(f.gcount()));
        if (f.eof()) break;
    }
    f.clear();
    f.seekp(0, std::ios::end);
    ByteWriter seal;
    seal.number(sum.h);
    f.write(reinterpret_cast<const char*>(seal.bytes.data()), 8);
    f.flush();
    ok = ok && static_cast<bool>(f);
    f.close();
    std::error_code ec;
    if (ok) std::filesystem::rename(temporary_, path_, ec);
    if (!ok || ec) {
        discard();
        error = "cannot write " + path_;
        return false;
    }
    temporary_.clear();
    return true;
}

void ReplayWriter::discard() {
    if (file_.is_open()) file_.close();
    if (!temporary_.empty()) std::remove(temporary_.c_str());
    temporary_.clear();
    pending_.bytes.clear();
    count_ = 0;
}

void sealReplay(std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < checksumSize) return;
    const std::size_t end = bytes.size() - checksumSize;
    Hash64 sum;
    sum.bytes(bytes.data(), end);
    for (std::size_t i = 0; i < checksumSize; ++i)
        bytes[end + i] = static_cast<std::uint8_t>(sum.h >> (8 * i));
}

bool decodeReplay(const std::uint8_t* data, std::size_t size, Replay& out, std::string& error) {
    out = Replay{};
    ByteReader r(data, size);
    char head[sizeof magic] = {};
    if (!r.take(head, sizeof head) || std::memcmp(head, magic, sizeof magic) != 0) {
        error = "not a replay file";
        return false;
    }
    std::uint16_t format = 0;
    if (!r.number(format)) {
        error = "truncated (the file ends in its header)";
        return false;
    }
    if (!readableFormat(format, error)) return false;
    const bool hasChecksum = size >= r.pos() + checksumSize;
    const std::size_t bodyEnd = hasChecksum ? size - checksumSize : size;
    ByteReader body(data, bodyEnd);
    body.take(nullptr, r.pos());
    std::string problem;
    const bool parsed = decodeBody(body, format, out, problem);
    if (!parsed && body.ranShort()) {
        error = "truncated (the file ends before its last tick)";
        return false;
    }
    if (!hasChecksum) {
        error = "truncated (the file ends in its header)";
        return false;
    }
    Hash64 sum;
    sum.bytes(data, bodyEnd);
    if (sum.h != readChecksum(data + bodyEnd)) {
        error = "damaged (its checksum does not match)";
        return false;
    }
    if (!parsed) {
        error = problem;
        return false;
    }
    if (body.left() != 0) {
        error = "damaged (bytes after the last tick)";
        return false;
    }
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

bool writeReplayFile(const std::string& path, const Replay& replay, std::string& error) {
    const std::vector<std::uint8_t> bytes = encodeReplay(replay);
    const std::string temporary = path + ".tmp";
    {
        std::ofstream f(temporary, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
        f.flush();
        if (!f) {
            std::remove(temporary.c_str());
            error = "cannot write " + path;
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool readReplayFile(const std::string& path, Replay& out, std::string& error) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        error = "cannot be opened";
        return false;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)),
                                    std::istreambuf_iterator<char>());
    if (f.bad()) {
        error = "cannot be read";
        return false;
    }
    return decodeReplay(bytes.data(), bytes.size(), out, error);
}

template <class Decode> bool ReplayReader::decode(Decode&& f, bool* ranShort) {
    for (;;) {
        ByteReader r(window_.data() + at_, window_.size() - at_);
        if (f(r)) {
            at_ += r.pos();
            return true;
        }
        // Run short inside the window: the rest of the piece is in the next chunk.
        if (!r.ranShort() || !more()) {
            if (ranShort) *ranShort = r.ranShort();
            return false;
        }
    }
}

bool ReplayReader::more() {
    if (bodyLeft_ == 0) return false;
    window_.erase(window_.begin(), window_.begin() + static_cast<std::ptrdiff_t>(at_));
    at_ = 0;
    const std::size_t old = window_.size();
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(bodyLeft_, 1 << 16));
    window_.resize(old + n);
    file_.read(reinterpret_cast<char*>(window_.data() + old), static_cast<std::streamsize>(n));
    const auto got = static_cast<std::size_t>(file_.gcount());
    window_.resize(old + got);
    Hash64 sum{sum_};
    sum.bytes(window_.data() + old, got);
    sum_ = sum.h;
    bodyLeft_ = got == n ? bodyLeft_ - n : 0;
    return got > 0;
}

bool ReplayReader::pass(bool checking, std::string& error) {
    file_.close();
    file_.clear();
    file_.open(path_, std::ios::binary);
    if (!file_) {
        error = "cannot be opened";
        return false;
    }
    window_.clear();
    at_ = 0;
    bodyLeft_ = bodyEnd_;
    sum_ = Hash64{}.h;
    char head[sizeof magic] = {};
    if (!decode([&](ByteReader& r) { return r.take(head, sizeof head); }) ||
        std::memcmp(head, magic, sizeof magic) != 0) {
        error = "not a replay file";
        return false;
    }
    std::uint16_t format = 0;
    if (!decode([&](ByteReader& r) { return r.number(format); })) {
        error = "truncated (the file ends in its header)";
        return false;
    }
    if (!readableFormat(format, error)) return false;
    known_ = knownFlags[format];
    head_ = Replay{};
    last_ = {};
    read_ = 0;
    std::uint32_t count = 0;
    std::string problem;
    bool shortRead = false;
    bool parsed =
        decode([&](ByteReader& r) { return decodeHead(r, head_, count, problem); }, &shortRead);
    count_ = count;
    if (!checking) return parsed;
    // Every tick takes at least its flag byte.
    if (parsed && count > window_.size() - at_ + bodyLeft_) parsed = false, shortRead = true;
    for (std::size_t t = 0; parsed && t < count_; ++t) {
        TickInput in;
        parsed = decode(
            [&](ByteReader& r) {
                const auto before = last_;
                bool hashed = false;
                std::uint64_t h = 0;
                if (decodeTick(r, known_, head_.firstTick + static_cast<long long>(t), last_, in,
                               hashed, h, problem))
                    return true;
                last_ = before;
                return false;
            },
            &shortRead);
    }
    while (more()) {
    }
    if (!parsed && shortRead) {
        error = "truncated (the file ends before its last tick)";
        return false;
    }
    if (!hasChecksum_) {
        error = "truncated (the file ends in its header)";
        return false;
    }
    std::uint8_t checksum[checksumSize] = {};
    file_.read(reinterpret_cast<char*>(checksum), checksumSize);
    if (file_.gcount() != checksumSize || sum_ != readChecksum(checksum)) {
        error = "damaged (its checksum does not match)";
        return false;
    }
    if (!parsed) {
        error = problem;
        return false;
    }
    if (window_.size() != at_) {
        error = "damaged (bytes after the last tick)";
        return false;
    }
    return true;
}

bool ReplayReader::open(const std::string& path, std::string& error) {
    path_ = path;
    std::error_code ec;
    const std::uint64_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        error = "cannot be opened";
        return false;
    }
    // A checksum follows the magic and the format when there is room for it.
    hasChecksum_ = size >= sizeof magic + 2 + checksumSize;
    bodyEnd_ = hasChecksum_ ? size - checksumSize : size;
    // Checked whole, then read again from its first tick.
    return pass(true, error) && pass(false, error);
}

bool ReplayReader::next(TickInput& input, std::optional<std::uint64_t>& hash) {
    if (read_ >= count_) return false;
    bool hashed = false;
    std::uint64_t h = 0;
    std::string problem;
    const auto before = last_;
    if (!decode([&](ByteReader& r) {
            if (decodeTick(r, known_, head_.firstTick + static_cast<long long>(read_), last_, input,
                           hashed, h, problem))
                return true;
            last_ = before;
            return false;
        }))
        return false;
    ++read_;
    hash = hashed ? std::optional<std::uint64_t>(h) : std::nullopt;
    return true;
}
