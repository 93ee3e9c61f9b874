#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Decodes the code point at text[i] and moves i past it; a malformed byte stands for
// itself (read as Latin-1). Allocates nothing.
char32_t nextCodePoint(std::string_view text, std::size_t& i);
// Every code point of UTF-8 text.
std::vector<std::uint32_t> decodeUtf8(std::string_view text);
