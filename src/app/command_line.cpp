#include "app/command_line.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string_view>

namespace {

template <class T> bool parseNumber(std::string_view text, T& value) {
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool parseTickFile(std::string_view text, TickFile& out) {
    auto colon = text.find(':');
    if (colon == std::string_view::npos || colon + 1 >= text.size()) return false;
    if (!parseNumber(text.substr(0, colon), out.tick) || out.tick < 1) return false;
    out.path = std::string(text.substr(colon + 1));
    return true;
}

} // namespace

const char* commandLineHelp() {
    return "Usage: torvel-arena [options]\n"
           "TORVEL ARENA, a one-on-one fighting game. Its data folders (Personagens,\n"
           "Cenarios, Posicoes, Sons, Musicas) lie beside the program, or in\n"
           "../share/torvel-arena when installed; the settings (Config.dat) then go to\n"
           "$XDG_CONFIG_HOME/torvel-arena (~/.config/torvel-arena), else beside the program.\n"
           "\n"
           "Options:\n"
           "  --help           show this text and exit\n"
           "  --version        print the game's version and exit\n"
           "  --title          skip the start-up choice screens: set up the display and\n"
           "                   open the title screen, the game's menus\n"
           "  --size WxH       the display size with --title: 640x480, 800x600 (the\n"
           "                   default), 1024x768 or 1280x1024\n"
           "  --fullscreen     start full screen at the desktop's resolution (F11 or\n"
           "                   Alt+Enter switch, and the choice is kept; F12 saves a\n"
           "                   screenshot in the pictures folder)\n"
           "  --headless       no window, no sound output, no frame pacing; the game runs\n"
           "                   the same code and reaches the same states\n"
           "  --seed N         seed the random generator with N (default: the clock)\n"
           "  --script FILE    drive the keyboard and joysticks from FILE; window focus is\n"
           "                   ignored. Lines, ticks counted from 1, '#' starts a comment:\n"
           "                     T down KEY | T up KEY | T tap KEY\n"
           "                     T joy J x V | T joy J y V      (J 1 or 2, V 0..65535)\n"
           "                     T joy J btn B down|up          (B 1..10)\n"
           "                   KEY: A..Z 0..9 NUM0..NUM9 UP DOWN LEFT RIGHT ESC PAUSE\n"
           "                        RETURN SPACE F1..F12\n"
           "  --ticks N        end after N ticks with exit status 0\n"
           "  --dump T:FILE    after tick T write the whole game state to FILE as JSON\n"
           "                   (repeatable)\n"
           "  --shot T:FILE    after tick T's frame write the window to FILE as PNG\n"
           "                   (repeatable; windowed runs only)\n"
           "  --trace          print 'T scene NAME' at every scene change and\n"
           "                   'T error LINE' when the error screen comes up\n"
           "  --pose-sheet FILE.png\n"
           "                   draw poses on both fighters into a labelled contact sheet\n"
           "                   and exit (needs a display; see --poses)\n"
           "  --poses A-B      the poses of the sheet (default 1-221)\n"
           "  --anim-strip FILE.png --anim NAME --character C\n"
           "                   draw the frames of animation NAME of character C (1 or 2)\n"
           "                   as the fighter plays it, and exit (needs a display)\n"
           "  --record FILE    record the whole run, from its first tick, as a replay\n"
           "  --replay FILE    play a replay from where it began. In a window: PAUSE\n"
           "                   pauses, SPACE steps one tick, 4 plays at four times the\n"
           "                   speed, ESC leaves. With --headless it runs to the end,\n"
           "                   checks every stored hash and prints 'replay ok N ticks'\n"
           "                   (exit 0) or 'replay desync at tick T' (exit 1); a file\n"
           "                   that is not a good replay exits 2. --dump, --shot, --trace\n"
           "                   and --ticks count the recorded run's ticks\n"
           "  --synctest K     on every tick, run it again from its saved state and run\n"
           "                   the last K ticks (1..8) again from the state saved K ticks\n"
           "                   before, comparing the state hashes; prints 'synctest ok N\n"
           "                   ticks' or 'synctest mismatch at tick T' and the fields that\n"
           "                   differ (exit 1)\n"
           "  --host PORT      online play: make the start-up choices (or, with --title,\n"
           "                   the menus' choices), then wait on UDP port PORT for the\n"
           "                   other player; the host plays fighter 1\n"
           "  --join ADDRESS:PORT\n"
           "                   online play: set up the display (--size), connect to a\n"
           "                   host and play fighter 2 of its match\n"
           "  --input-delay N  online: ticks (0..4, default 2) between pressing and the\n"
           "                   press taking effect; the host's counts for both sides\n"
           "  --net-sim delay=MS,jitter=MS,loss=PCT,dup=PCT,reorder=PCT\n"
           "                   online: send through a simulated bad line (any of the five)\n"
           "                   Online, --ticks, --script, --dump, --shot and --trace count\n"
           "                   the session's ticks from its start; headless runs keep\n"
           "                   40 ticks a second. --trace adds 'T net N HASH' every 100\n"
           "                   confirmed ticks and 'T net end REASON' when the session ends\n"
           "  --stats          at exit print the tick count, the work time per tick\n"
           "                   (p50, p95, p99, max; the pacing wait excluded), the peak\n"
           "                   memory and how long the display set-up and loading took\n";
}

bool parseCommandLine(int argc, const char* const* argv, CommandLine& out, std::string& error) {
    bool sizeGiven = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        auto value = [&](std::string_view& v) {
            if (i + 1 >= argc) {
                error = std::string(arg) + " needs a value";
                return false;
            }
            v = argv[++i];
            return true;
        };
        std::string_view v;
        if (arg == "--help" || arg == "-h") {
            out.help = true;
        } else if (arg == "--version") {
            out.version = true;
        } else if (arg == "--headless") {
            out.headless = true;
        } else if (arg == "--trace") {
            out.trace = true;
        } else if (arg == "--stats") {
            out.stats = true;
        } else if (arg == "--fullscreen") {
            out.fullscreen = true;
        } else if (arg == "--title") {
            out.title = true;
        } else if (arg == "--size") {
            if (!value(v)) return false;
            constexpr std::string_view sizes[] = {"640x480", "800x600", "1024x768", "1280x1024"};
            const auto* size = std::find(std::begin(sizes), std::end(sizes), v);
            if (size == std::end(sizes)) {
                error = "--size wants 640x480, 800x600, 1024x768 or 1280x1024, not '" +
                        std::string(v) + "'";
                return false;
            }
            out.displaySize = static_cast<u8>(size - std::begin(sizes) + 1);
            sizeGiven = true;
        } else if (arg == "--seed") {
            if (!value(v)) return false;
            u32 seed = 0;
            if (!parseNumber(v, seed)) {
                error = "--seed wants a whole number 0..4294967295, not '" + std::string(v) + "'";
                return false;
            }
            out.seed = seed;
        } else if (arg == "--script") {
            if (!value(v)) return false;
            out.scriptPath = std::string(v);
        } else if (arg == "--ticks") {
            if (!value(v)) return false;
            long long n = 0;
            if (!parseNumber(v, n) || n < 0) {
                error = "--ticks wants a whole number, not '" + std::string(v) + "'";
                return false;
            }
            out.ticks = n;
        } else if (arg == "--record" || arg == "--replay") {
            if (!value(v)) return false;
            (arg == "--record" ? out.recordPath : out.replayPath) = std::string(v);
        } else if (arg == "--synctest") {
            if (!value(v)) return false;
            if (!parseNumber(v, out.synctest) || out.synctest < 1 || out.synctest > 8) {
                error = "--synctest wants a depth 1..8, not '" + std::string(v) + "'";
                return false;
            }
        } else if (arg == "--host") {
            if (!value(v)) return false;
            std::uint16_t port = 0;
            if (!parseNumber(v, port)) {
                error = "--host wants a port 0..65535, not '" + std::string(v) + "'";
                return false;
            }
            out.hostPort = port;
        } else if (arg == "--join") {
            if (!value(v)) return false;
            const auto colon = v.rfind(':');
            if (colon == std::string_view::npos || colon == 0 ||
                !parseNumber(v.substr(colon + 1), out.joinPort) || out.joinPort == 0) {
                error = "--join wants ADDRESS:PORT, not '" + std::string(v) + "'";
                return false;
            }
            out.joinAddress = std::string(v.substr(0, colon));
        } else if (arg == "--input-delay") {
            if (!value(v)) return false;
            if (!parseNumber(v, out.inputDelay) || out.inputDelay < 0 || out.inputDelay > 4) {
                error = "--input-delay wants 0..4 ticks, not '" + std::string(v) + "'";
                return false;
            }
        } else if (arg == "--net-sim") {
            if (!value(v)) return false;
            out.netSim = std::string(v);
        } else if (arg == "--pose-sheet") {
            if (!value(v)) return false;
            out.poseSheetPath = std::string(v);
        } else if (arg == "--anim-strip" || arg == "--anim") {
            if (!value(v)) return false;
            (arg == "--anim" ? out.animName : out.animStripPath) = std::string(v);
        } else if (arg == "--character") {
            if (!value(v)) return false;
            if (!parseNumber(v, out.animCharacter) || out.animCharacter < 1 ||
                out.animCharacter > 2) {
                error = "--character wants 1 or 2, not '" + std::string(v) + "'";
                return false;
            }
        } else if (arg == "--poses") {
            if (!value(v)) return false;
            auto dash = v.find('-');
            if (dash == std::string_view::npos || !parseNumber(v.substr(0, dash), out.posesFirst) ||
                !parseNumber(v.substr(dash + 1), out.posesLast) || out.posesFirst < 1 ||
                out.posesLast < out.posesFirst) {
                error = "--poses wants a range A-B, not '" + std::string(v) + "'";
                return false;
            }
        } else if (arg == "--dump" || arg == "--shot") {
            if (!value(v)) return false;
            TickFile tf;
            if (!parseTickFile(v, tf)) {
                error = std::string(arg) + " wants TICK:FILE with TICK from 1, not '" +
                        std::string(v) + "'";
                return false;
            }
            (arg == "--dump" ? out.dumps : out.shots).push_back(tf);
        } else {
            error = "unknown option '" + std::string(arg) + "' (see --help)";
            return false;
        }
    }
    if (sizeGiven && !out.title && out.joinAddress.empty()) {
        error = "--size is the display size of --title or --join; the start-up screens choose "
                "it otherwise";
        return false;
    }
    if (out.hostPort && !out.joinAddress.empty()) {
        error = "--host and --join: a side either hosts or joins";
        return false;
    }
    if (out.online() && (!out.replayPath.empty() || out.synctest || !out.poseSheetPath.empty() ||
                         !out.animStripPath.empty())) {
        error = "--host and --join play online; they cannot be used with --replay, --synctest, "
                "--pose-sheet or --anim-strip";
        return false;
    }
    if (!out.netSim.empty() && !out.online()) {
        error = "--net-sim is for online play (--host or --join)";
        return false;
    }
    if (out.headless && (!out.poseSheetPath.empty() || !out.animStripPath.empty())) {
        error = "--pose-sheet and --anim-strip need a window; they cannot be used with --headless";
        return false;
    }
    if (!out.animStripPath.empty() && out.animName.empty()) {
        error = "--anim-strip wants --anim NAME";
        return false;
    }
    if (!out.replayPath.empty() && (!out.scriptPath.empty() || out.title || out.seed ||
                                    out.synctest || !out.recordPath.empty())) {
        error = "--replay brings its own input, seed and start; it cannot be used with "
                "--script, --title, --seed, --synctest or --record";
        return false;
    }
    if (out.headless && !out.shots.empty()) {
        error = "--shot needs a window; it cannot be used with --headless";
        return false;
    }
    return true;
}
