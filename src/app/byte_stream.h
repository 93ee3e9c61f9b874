// Little-endian bytes for the game's own files and packets: a writer, and a reader that
// never reads past its data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

class ByteWriter {
  public:
    std::vector<std::uint8_t> bytes;
    template <class T> void number(T v) {
        static_assert(std::is_integral_v<T>);
        for (std::size_t i = 0; i < sizeof v; ++i)
            bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(v) >> (8 * i)));
    }
    void raw(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        bytes.insert(bytes.end(), b, b + n);
    }
};

// A read past the end takes nothing, leaves the reader at the end and sets ranShort(). A
// null destination skips.
class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool ranShort() const { return short_; }
    std::size_t left() const { return size_ - pos_; }
    std::size_t pos() const { return pos_; }
    bool take(void* p, std::size_t n) {
        if (n > left()) {
            short_ = true;
            pos_ = size_;
            return false;
        }
        if (n && p) std::memcpy(p, data_ + pos_, n);
        pos_ += n;
        return true;
    }
    template <class T> bool number(T& v) {
        static_assert(std::is_integral_v<T>);
        std::uint8_t b[sizeof(T)];
        if (!take(b, sizeof b)) return false;
        std::uint64_t x = 0;
        for (std::size_t i = 0; i < sizeof b; ++i) x |= static_cast<std::uint64_t>(b[i]) << (8 * i);
        v = static_cast<T>(x);
        return true;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool short_ = false;
};
