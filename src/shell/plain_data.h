// Building blocks of the game state: fixed-capacity text and 1-based fixed arrays.
// Both are trivially copyable, so the whole state can be copied, compared and hashed.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

using u8 = std::uint8_t;
using u16 = std::uint16_t;
using u32 = std::uint32_t;
using i32 = std::int32_t;
using f64 = double;

// Text of at most N bytes (UTF-8), compared by value. Longer text is cut at N bytes,
// as a short string of that length would cut it.
template <std::size_t N> struct FixedString {
    u8 len = 0;
    char buf[N] = {};
    static_assert(N < 256, "the length is kept in one byte");

    FixedString() = default;
    FixedString(std::string_view s) { assign(s); }
    FixedString(const char* s) { assign(s); }
    FixedString& operator=(std::string_view s) {
        assign(s);
        return *this;
    }
    FixedString& operator=(const char* s) {
        assign(s);
        return *this;
    }
    void assign(std::string_view s) {
        len = static_cast<u8>(s.size() < N ? s.size() : N);
        std::memcpy(buf, s.data(), len);
        std::memset(buf + len, 0, N - len);
    }
    std::string_view view() const { return {buf, len}; }
    operator std::string_view() const { return view(); }
    bool empty() const { return len == 0; }
    std::size_t size() const { return len; }
    char operator[](std::size_t i) const { return i < len ? buf[i] : '\0'; }
    // 1-based character access as the game's rules count letters (airComboRoute).
    char at1(std::size_t i) const { return (i >= 1 && i <= len) ? buf[i - 1] : '\0'; }

    friend bool operator==(const FixedString& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const FixedString& a, const char* b) { return a.view() == b; }
    template <std::size_t M> friend bool operator==(const FixedString& a, const FixedString<M>& b) {
        return a.view() == b.view();
    }
};

// Names of scenes, animations, facings, reactions. The longest name in the game is
// well under 48 characters.
using Name = FixedString<48>;
// Error lines and other free text of the game state.
using Line = FixedString<160>;

// A fixed array indexed from 1 to N, as the game numbers fighters, parts, effects and slots.
template <class T, std::size_t N> struct Slots {
    std::array<T, N> items{};

    T& operator[](std::size_t i) {
        assert(i >= 1 && i <= N);
        return items[i - 1];
    }
    const T& operator[](std::size_t i) const {
        assert(i >= 1 && i <= N);
        return items[i - 1];
    }
    static constexpr std::size_t size() { return N; }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }
};

// What the state's visitors tell apart: texts, lists (fixed arrays), numbers and records.
template <class T> struct IsFixedString : std::false_type {};
template <std::size_t N> struct IsFixedString<FixedString<N>> : std::true_type {};
template <class T> struct IsSequence : std::false_type {};
template <class T, std::size_t N> struct IsSequence<Slots<T, N>> : std::true_type {};
template <class T, std::size_t N> struct IsSequence<std::array<T, N>> : std::true_type {};
