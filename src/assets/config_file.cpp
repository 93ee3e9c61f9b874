#include "assets/config_file.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/game_folders.h"
#include "shell/game_state.h"
#include "shell/run_mode.h"

namespace {

constexpr int savedKeyStates = 11; // up, down, left, right, buttons 1..7

std::string line(long long v) {
    return std::to_string(v) + "\r\n";
}

// A whole line that is a number, clamped into low..high.
bool number(const std::string& text, long long low, long long high, long long& out) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return false;
    out = std::clamp(out, low, high);
    return true;
}

} // namespace

std::string configText() {
    std::string s;
    s += line(gs.difficulty);
    s += line(static_cast<std::int8_t>(gs.roundTimeSetting));
    s += line(gs.roundsSetting);
    s += line(static_cast<std::int8_t>(gs.damageLevel));
    s += line(gs.controlMode);
    s += line(gs.musicVolume);
    s += line(gs.soundVolume);
    s += line(gs.thirdVolume);
    s += line(gs.outlinesOn == 1 ? 1 : 0);
    s += line(gs.flashOn == 1 ? 1 : 0);
    s += line(gs.showCredits == 1 ? 1 : 0);
    for (std::size_t state = 1; state <= savedKeyStates; ++state) {
        s += static_cast<char>(gs.keyBindings[state][0]);
        s += "\r\n";
    }
    for (u8 b : gs.joy1ButtonMap) s += line(b);
    for (u8 b : gs.joy2ButtonMap) s += line(b);
    return s;
}

bool saveConfig() {
    if (runMode.settingsHeld) return true;
    const std::string path = configFilePath();
    if (path.empty()) return false;
    // The settings folder of an installed game is made on the first save.
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const std::string text = configText();
    const std::string temporary = path + ".tmp";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool applyConfigText(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) return false; // every line ends with CR LF
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    if (lines.size() != 42) return false;

    // Read into a copy and keep it only when every line is a number (or a key). Numbers
    // are clamped to what the configuration screens allow, so a hand-edited file cannot
    // bring a setting the game has no picture or rule for.
    GameState next = gs;
    long long v = 0;
    struct Field {
        long long low, high;
        void (*set)(GameState&, long long);
    };
    static const Field fields[11] = {
        {0, 5, [](GameState& g, long long x) { g.difficulty = static_cast<u8>(x); }},
        {1, 4, [](GameState& g, long long x) { g.roundTimeSetting = static_cast<u8>(x); }},
        {1, 3, [](GameState& g, long long x) { g.roundsSetting = static_cast<u8>(x); }},
        {1, 5, [](GameState& g, long long x) { g.damageLevel = static_cast<u8>(x); }},
        {1, 3, [](GameState& g, long long x) { g.controlMode = static_cast<u8>(x); }},
        {-2000, 0, [](GameState& g, long long x) { g.musicVolume = static_cast<i32>(x); }},
        {-2000, 0, [](GameState& g, long long x) { g.soundVolume = static_cast<i32>(x); }},
        {-10000, 0, [](GameState& g, long long x) { g.thirdVolume = static_cast<i32>(x); }},
        {0, 1, [](GameState& g, long long x) { g.outlinesOn = static_cast<u8>(x); }},
        {0, 1, [](GameState& g, long long x) { g.flashOn = static_cast<u8>(x); }},
        {0, 1, [](GameState& g, long long x) { g.showCredits = static_cast<u8>(x); }},
    };
    for (int i = 0; i < 11; ++i) {
        if (!number(lines[static_cast<std::size_t>(i)], fields[i].low, fields[i].high, v))
            return false;
        fields[i].set(next, v);
    }
    for (std::size_t state = 1; state <= savedKeyStates; ++state) {
        const std::string& key = lines[10 + state];
        if (key.size() != 1) return false;
        next.keyBindings[state][0] = static_cast<u8>(key[0]);
    }
    for (std::size_t k = 1; k <= 10; ++k) {
        if (!number(lines[21 + k], 0, 10, v)) return false;
        next.joy1ButtonMap[k] = static_cast<u8>(v);
        if (!number(lines[31 + k], 0, 10, v)) return false;
        next.joy2ButtonMap[k] = static_cast<u8>(v);
    }
    gs = next;
    return true;
}

bool loadConfig() {
    const std::string path = configFilePath();
    if (path.empty()) return false;
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    std::ostringstream s;
    s << f.rdbuf();
    return applyConfigText(s.str());
}
