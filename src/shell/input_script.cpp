#include "shell/input_script.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

#include "platform/keys.h"

namespace {

template <class T> bool parseNumber(const std::string& text, T& value) {
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

} // namespace

u8 scriptKeyCode(const std::string& name) {
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return static_cast<u8>(name[0]);
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return static_cast<u8>(name[0]);
    if (name.size() == 4 && name.rfind("NUM", 0) == 0 && name[3] >= '0' && name[3] <= '9')
        return static_cast<u8>(vk::Numpad0 + (name[3] - '0'));
    if (name.size() >= 2 && name[0] == 'F') {
        int n = 0;
        if (parseNumber(name.substr(1), n) && n >= 1 && n <= 12)
            return static_cast<u8>(vk::F1 + n - 1);
    }
    static const std::pair<const char*, u8> named[] = {
        {"UP", vk::Up},      {"DOWN", vk::Down},   {"LEFT", vk::Left},     {"RIGHT", vk::Right},
        {"ESC", vk::Escape}, {"PAUSE", vk::Pause}, {"RETURN", vk::Return}, {"SPACE", vk::Space},
    };
    for (const auto& [n, code] : named)
        if (name == n) return code;
    return 0;
}

bool parseInputScript(const std::string& text, const std::string& sourceName, InputScript& out,
                      std::string& error) {
    out = {};
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    auto fail = [&](const std::string& why) {
        error = sourceName + ":" + std::to_string(lineNo) + ": " + why;
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string s; words >> s;) w.push_back(s);
        if (w.empty()) continue;

        ScriptEvent e;
        if (!parseNumber(w[0], e.tick) || e.tick < 1)
            return fail("a line starts with its tick, a whole number from 1: '" + w[0] + "'");
        if (w.size() < 2) return fail("the tick is not followed by an event");
        const std::string& verb = w[1];
        if (verb == "down" || verb == "up" || verb == "tap") {
            if (w.size() != 3) return fail("'" + verb + "' takes one key name");
            e.key = scriptKeyCode(w[2]);
            if (e.key == 0) return fail("unknown key '" + w[2] + "'");
            e.kind = verb == "up" ? ScriptEvent::KeyUp : ScriptEvent::KeyDown;
            out.events.push_back(e);
            if (verb == "tap") {
                ScriptEvent release = e;
                release.kind = ScriptEvent::KeyUp;
                release.tick = e.tick + 1;
                out.events.push_back(release);
            }
        } else if (verb == "joy") {
            if (w.size() < 4) return fail("'joy' takes a joystick, then x, y or btn");
            if (!parseNumber(w[2], e.joystick) || e.joystick < 1 || e.joystick > 2)
                return fail("joystick must be 1 or 2, not '" + w[2] + "'");
            if ((w[3] == "x" || w[3] == "y") && w.size() == 5) {
                e.kind = ScriptEvent::JoyAxis;
                e.axis = w[3][0];
                if (!parseNumber(w[4], e.value) || e.value > 65535)
                    return fail("axis position must be 0..65535, not '" + w[4] + "'");
            } else if ((w[3] == "plug" || w[3] == "unplug") && w.size() == 4) {
                e.kind = w[3] == "plug" ? ScriptEvent::JoyPlug : ScriptEvent::JoyUnplug;
                const bool first =
                    std::none_of(out.events.begin(), out.events.end(),
                                 [&](const ScriptEvent& o) { return o.joystick == e.joystick; });
                if (first && e.kind == ScriptEvent::JoyPlug)
                    out.pluggedLater[e.joystick - 1] = true;
            } else if (w[3] == "btn" && w.size() == 6) {
                e.kind = ScriptEvent::JoyButton;
                if (!parseNumber(w[4], e.value) || e.value < 1 || e.value > 10)
                    return fail("button must be 1..10, not '" + w[4] + "'");
                if (w[5] != "down" && w[5] != "up")
                    return fail("button state must be down or up, not '" + w[5] + "'");
                e.down = w[5] == "down";
            } else {
                return fail("expected 'joy J x V', 'joy J y V', 'joy J btn B down|up', "
                            "'joy J plug' or 'joy J unplug'");
            }
            out.joystickUsed[e.joystick - 1] = true;
            out.events.push_back(e);
        } else {
            return fail("unknown event '" + verb + "' (down, up, tap or joy)");
        }
    }
    std::stable_sort(out.events.begin(), out.events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.tick < b.tick; });
    return true;
}

bool loadInputScript(const std::string& path, InputScript& out, std::string& error) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        error = "cannot read script " + path;
        return false;
    }
    std::ostringstream text;
    text << f.rdbuf();
    return parseInputScript(text.str(), path, out, error);
}
