// Bytes handed out a piece at a time, from memory or from a file alike, for readers that
// must not hold a whole file: they ask for up to so many bytes and take what comes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string>

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // All its bytes, known before any is read.
    virtual std::uint64_t size() const = 0;
    // Goes to byte `offset`; false when it cannot.
    virtual bool seek(std::uint64_t offset) = 0;
    // Up to `most` bytes from where it stands into `into`; how many came, 0 at its end.
    virtual std::size_t read(std::uint8_t* into, std::size_t most) = 0;
    // A read failed for a reason other than the end (the bytes given may be fewer).
    virtual bool failed() const { return false; }
};

// Bytes the caller keeps alive while the source is read. `piece`: the most one read hands
// out (a few bytes, to try a reader's joins).
class MemorySource : public ByteSource {
  public:
    MemorySource(const std::uint8_t* data, std::size_t size,
                 std::size_t piece = std::numeric_limits<std::size_t>::max())
        : data_(data), size_(size), piece_(piece) {}
    std::uint64_t size() const override { return size_; }
    bool seek(std::uint64_t offset) override;
    std::size_t read(std::uint8_t* into, std::size_t most) override;

  private:
    const std::uint8_t* data_;
    std::size_t size_, at_ = 0, piece_;
};

// A file, read as it is asked for; `piece` as for MemorySource.
class FileSource : public ByteSource {
  public:
    explicit FileSource(std::size_t piece = std::numeric_limits<std::size_t>::max())
        : piece_(piece) {}
    // False when it is missing or not a file that can be opened.
    bool open(const std::string& path);
    std::uint64_t size() const override { return size_; }
    bool seek(std::uint64_t offset) override;
    std::size_t read(std::uint8_t* into, std::size_t most) override;
    bool failed() const override { return failed_; }

  private:
    std::ifstream file_;
    std::uint64_t size_ = 0;
    std::size_t piece_;
    bool failed_ = false;
};
