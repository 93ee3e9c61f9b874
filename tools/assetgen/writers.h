// File formats the generator writes: the game's pictures (run-length TGA, JPEG), PNG
// previews to look at, and 16-bit PCM wave files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

// Run-length true-colour TGA (type 10), 32 bits with 8 alpha bits, rows bottom-up.
bool writeTga(const std::string& path, const Image& img);
bool writeJpeg(const std::string& path, const Image& img, int quality = 90);
bool writePng(const std::string& path, const Image& img);
// Mono 16-bit PCM.
bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int rate);
