#include "app/replay_writer.h"

#include <cstdio>
#include <filesystem>

#include "shell/hash64.h"

std::vector<std::uint8_t> encodeReplay(const Replay& replay) {
    ByteWriter w;
    std::size_t countAt = 0;
    encodeReplayHead(w, replay, static_cast<std::uint32_t>(replay.ticks.size()), countAt);
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

void sealReplay(std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < replayChecksumSize) return;
    const std::size_t end = bytes.size() - replayChecksumSize;
    Hash64 sum;
    sum.bytes(bytes.data(), end);
    for (std::size_t i = 0; i < replayChecksumSize; ++i)
        bytes[end + i] = static_cast<std::uint8_t>(sum.h >> (8 * i));
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
    encodeReplayHead(w, head, 0, countAt_);
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
