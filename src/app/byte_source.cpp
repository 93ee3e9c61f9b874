#include "app/byte_source.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

bool MemorySource::seek(std::uint64_t offset) {
    if (offset > size_) return false;
    at_ = static_cast<std::size_t>(offset);
    return true;
}

std::size_t MemorySource::read(std::uint8_t* into, std::size_t most) {
    const std::size_t n = std::min({most, piece_, size_ - at_});
    if (n > 0) std::memcpy(into, data_ + at_, n);
    at_ += n;
    return n;
}

bool FileSource::open(const std::string& path) {
    std::error_code ec;
    size_ = std::filesystem::file_size(path, ec);
    if (ec) return false;
    file_.open(path, std::ios::binary);
    failed_ = false;
    return static_cast<bool>(file_);
}

bool FileSource::seek(std::uint64_t offset) {
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(offset));
    return static_cast<bool>(file_);
}

std::size_t FileSource::read(std::uint8_t* into, std::size_t most) {
    const std::size_t n = std::min(most, piece_);
    if (n == 0 || !file_) return 0;
    file_.read(reinterpret_cast<char*>(into), static_cast<std::streamsize>(n));
    if (file_.bad()) failed_ = true;
    return static_cast<std::size_t>(file_.gcount());
}
