#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 8-bit RGB rows, top row first. Returns false with a message on failure.
bool writePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb,
              std::string& error);
