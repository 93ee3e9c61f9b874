#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Code points of UTF-8 text; a malformed byte stands for itself (read as Latin-1).
std::vector<std::uint32_t> decodeUtf8(std::string_view text);
