#include "platform/utf8.h"

char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    auto b = static_cast<unsigned char>(text[i]);
    std::size_t extra = b >= 0xF0 && b < 0xF8 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 3 ? (b & 0x07u) : extra == 2 ? (b & 0x0Fu) : (b & 0x1Fu);
    bool ok = extra > 0 && i + extra < text.size();
    for (std::size_t k = 1; ok && k <= extra; ++k) {
        auto c = static_cast<unsigned char>(text[i + k]);
        ok = (c & 0xC0) == 0x80;
        cp = (cp << 6) | (c & 0x3Fu);
    }
    i += ok ? extra + 1 : 1;
    return ok ? cp : b;
}

std::vector<std::uint32_t> decodeUtf8(std::string_view text) {
    std::vector<std::uint32_t> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) out.push_back(nextCodePoint(text, i));
    return out;
}
