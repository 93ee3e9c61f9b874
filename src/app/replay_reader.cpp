#include "app/replay_reader.h"

#include <algorithm>
#include <cstring>

namespace {

// What the window asks the source for at a time.
constexpr std::size_t chunkSize = 1 << 16;

// The ticks of a reader that checked its replay, kept in `out` with its head.
bool readWhole(ReplayReader& reader, Replay& out, std::string& error) {
    const Replay& head = reader.head();
    out.gameVersion = head.gameVersion;
    out.contentHash = head.contentHash;
    out.firstTick = head.firstTick;
    out.start = std::make_unique<SavedState>(*head.start);
    out.ticks.resize(reader.tickCount());
    std::optional<std::uint64_t> hash;
    for (std::size_t t = 0; t < out.ticks.size(); ++t) {
        if (!reader.next(out.ticks[t], hash)) {
            error = "cannot be read";
            return false;
        }
        if (hash) out.hashes.push_back({t, *hash});
    }
    return true;
}

} // namespace

bool ReplayReader::open(const std::string& path, std::string& error) {
    auto file = std::make_unique<FileSource>();
    if (!file->open(path)) {
        source_.reset();
        count_ = read_ = 0;
        error = "cannot be opened";
        return false;
    }
    return open(std::move(file), error);
}

bool ReplayReader::open(std::unique_ptr<ByteSource> source, std::string& error) {
    source_ = std::move(source);
    head_ = Replay{};
    count_ = read_ = 0;
    // Checked whole, then read again from its first tick.
    if (!check(error)) {
        count_ = 0;
        return false;
    }
    if (!restart(ticksAt_)) {
        count_ = 0;
        error = "cannot be read";
        return false;
    }
    return true;
}

bool ReplayReader::refuse(std::string& error, const std::string& why) const {
    // Bytes that could not be read say nothing of the replay.
    error = source_->failed() ? "cannot be read" : why;
    return false;
}

bool ReplayReader::check(std::string& error) {
    const std::uint64_t size = source_->size();
    // A checksum follows the magic and the format when there is room for it.
    const bool hasChecksum = size >= replayLeadSize + replayChecksumSize;
    bodyEnd_ = hasChecksum ? size - replayChecksumSize : size;
    if (!restart(0)) return refuse(error, "cannot be read");

    char magic[sizeof replayMagic] = {};
    if (!decode([&](ByteReader& r) { return r.take(magic, sizeof magic); }) ||
        std::memcmp(magic, replayMagic, sizeof magic) != 0)
        return refuse(error, "not a replay file");
    std::uint16_t format = 0;
    if (!decode([&](ByteReader& r) { return r.number(format); }))
        return refuse(error, "truncated (the file ends in its header)");
    if (!replayFormatReadable(format, error)) return false;

    // What the header and the ticks show is told last: first whether the file runs short
    // (cut off), then whether its checksum matches (bytes changed), and only then what is
    // wrong in the bytes themselves.
    std::string problem;
    bool shortRead = false;
    std::uint32_t count = 0;
    bool parsed = decode([&](ByteReader& r) { return decodeReplayHead(r, head_, count, problem); },
                         &shortRead);
    // Every tick takes at least its flag byte.
    if (parsed && count > window_.size() - at_ + left_) parsed = false, shortRead = true;
    ticksAt_ = offset();
    TickDecoder ticks(format);
    for (std::uint32_t t = 0; parsed && t < count; ++t) {
        TickInput in;
        bool hashed = false;
        std::uint64_t hash = 0;
        const long long tick = head_.firstTick + static_cast<long long>(t);
        parsed =
            decode([&](ByteReader& r) { return ticks.get(r, tick, in, hashed, hash, problem); },
                   &shortRead);
    }
    const bool trailing = drain();
    if (!parsed && shortRead)
        return refuse(error, "truncated (the file ends before its last tick)");
    if (!hasChecksum) return refuse(error, "truncated (the file ends in its header)");
    std::uint8_t stored[replayChecksumSize] = {};
    ByteReader checksum(stored, readChecksum(stored));
    std::uint64_t expected = 0;
    if (!checksum.number(expected) || expected != sum_.h)
        return refuse(error, "damaged (its checksum does not match)");
    if (!parsed) return refuse(error, problem);
    if (trailing) return refuse(error, "damaged (bytes after the last tick)");
    ticks_ = TickDecoder(format);
    count_ = count;
    return true;
}

bool ReplayReader::restart(std::uint64_t offset) {
    window_.clear();
    at_ = 0;
    left_ = bodyEnd_ - std::min(offset, bodyEnd_);
    sum_ = Hash64{};
    return source_->seek(offset);
}

template <class Decode> bool ReplayReader::decode(Decode&& f, bool* ranShort) {
    for (;;) {
        ByteReader r(window_.data() + at_, window_.size() - at_);
        if (f(r)) {
            at_ += r.pos();
            return true;
        }
        // Run short inside the window: the rest of the piece comes with the next chunk.
        if (!r.ranShort() || !more()) {
            if (ranShort) *ranShort = r.ranShort();
            return false;
        }
    }
}

bool ReplayReader::more() {
    if (left_ == 0) return false;
    window_.erase(window_.begin(), window_.begin() + static_cast<std::ptrdiff_t>(at_));
    at_ = 0;
    const std::size_t old = window_.size();
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(left_, chunkSize));
    window_.resize(old + n);
    const std::size_t got = source_->read(window_.data() + old, n);
    window_.resize(old + got);
    sum_.bytes(window_.data() + old, got);
    // A source that ends before the size it gave is read to where it ends.
    left_ = got == 0 ? 0 : left_ - got;
    return got > 0;
}

// The rest of the bytes before the checksum, taken into the checksum and let go; whether
// there were any.
bool ReplayReader::drain() {
    bool any = at_ < window_.size();
    at_ = window_.size();
    while (more()) {
        any = true;
        at_ = window_.size();
    }
    return any;
}

std::size_t ReplayReader::readChecksum(std::uint8_t* into) {
    std::size_t got = 0;
    while (got < replayChecksumSize) {
        const std::size_t n = source_->read(into + got, replayChecksumSize - got);
        if (n == 0) break;
        got += n;
    }
    return got;
}

bool ReplayReader::next(TickInput& input, std::optional<std::uint64_t>& hash) {
    if (read_ >= count_) return false;
    bool hashed = false;
    std::uint64_t h = 0;
    std::string problem;
    const long long tick = head_.firstTick + static_cast<long long>(read_);
    if (!decode([&](ByteReader& r) { return ticks_.get(r, tick, input, hashed, h, problem); }))
        return false;
    ++read_;
    hash = hashed ? std::optional<std::uint64_t>(h) : std::nullopt;
    return true;
}

bool decodeReplay(const std::uint8_t* data, std::size_t size, Replay& out, std::string& error) {
    out = Replay{};
    ReplayReader reader;
    return reader.open(std::make_unique<MemorySource>(data, size), error) &&
           readWhole(reader, out, error);
}

bool readReplayFile(const std::string& path, Replay& out, std::string& error) {
    out = Replay{};
    ReplayReader reader;
    return reader.open(path, error) && readWhole(reader, out, error);
}
