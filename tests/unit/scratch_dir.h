// Runs a test inside a fresh empty folder, for readers that take paths relative to the
// working directory; the folder the test started in is restored afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class ScratchDir {
  public:
    explicit ScratchDir(const std::string& name) : previous_(std::filesystem::current_path()) {
        dir_ = std::filesystem::temp_directory_path() /
               ("torvel-unit-" + std::to_string(::getpid()) + "-" + name);
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        std::filesystem::current_path(dir_);
    }
    ~ScratchDir() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }
    void write(const std::string& path, const std::string& text) const {
        std::filesystem::path p = dir_ / path;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
    }
    const std::filesystem::path& path() const { return dir_; }

  private:
    std::filesystem::path previous_, dir_;
};
