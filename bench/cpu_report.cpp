// How the computer opponent plays: whole matches run headless and unseen, as fast as the
// simulation goes, and summed up in plain text tables.
//
//   1. the computer against the computer for every pair of levels, each side at its own
//      level (through the per-side level override that only tools set);
//   2. scripted player patterns (fighter 1 on the keyboard) against the computer at each
//      level.
//
// Every match is played on every pairing of TORVEL and SEU BRANDOLIM, with seeds 1..N
// (arena 1 for odd seeds, arena 2 for even ones), at 60-second rounds, two rounds to win,
// damage level 3. Run from build/run:  ../cpu_report [--seeds N] [--levels 1,3,5]
// [--patterns name,...|none] [--table 1|2] [--jobs N] [--csv]. The output depends on the
// arguments alone (--jobs aside); the time taken goes to stderr.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "app/frame.h"
#include "app/startup.h"
#include "app/tick_input.h"
#include "fight/cpu_weights.h"
#include "match/round_result.h"
#include "platform/audio.h"
#include "platform/joystick.h"
#include "platform/keys.h"
#include "platform/window.h"
#include "shell/game_state.h"
#include "shell/input.h"
#include "shell/presentation.h"
#include "shell/rng.h"
#include "shell/saved_state.h"

namespace {

constexpr std::string_view levelNames[] = {"",       "MUITO FÁCIL", "FÁCIL",
                                           "NORMAL", "DIFÍCIL",     "MUITO DIFÍCIL"};
constexpr std::string_view fighterNames[] = {"", "TORVEL", "SEU BRANDOLIM"};
constexpr std::array<std::pair<u8, u8>, 4> pairings{{{1, 1}, {1, 2}, {2, 1}, {2, 2}}};
// The game's tick rate: lengths are printed in seconds of play.
constexpr double ticksPerSecond = 40;
// A match of endless drawn rounds is given up after this many rounds.
constexpr int roundLimit = 30;

// --- player patterns ------------------------------------------------------------------

// What a pattern holds this tick; forward and back are towards and away from the opponent.
struct Pad {
    bool up = false, down = false, back = false, forward = false;
    std::array<bool, 5> buttons{}; // 1 weak punch, 2 weak kick, 3 strong punch, 4 strong kick
};

Pad press(int button, bool on, Pad p = {}) {
    p.buttons[static_cast<std::size_t>(button)] = on;
    return p;
}

// A pattern: a name for --patterns, what it does, the move it aims at (counted when its
// animation starts, to show the pattern lands), and the pad as a function of the battle's
// tick t (0 at the battle's first tick) and fighter 1.
struct Pattern {
    std::string_view key, description, move;
    Pad (*pad)(long long t, const personagem& self);
};

// clang-format off
const Pattern patterns[] = {
    {"idle", "idle", "",
     [](long long, const personagem&) { return Pad{}; }},
    {"guard-high", "high guard held", "DEFESA-ALTA",
     [](long long, const personagem&) { return Pad{.back = true}; }},
    {"guard-low", "low guard held", "DEFESA-BAIXA",
     [](long long, const personagem&) { return Pad{.down = true, .back = true}; }},
    {"jab6", "weak punch every 6", "SOCO-FRACO",
     [](long long t, const personagem&) { return press(1, t % 6 == 0); }},
    {"fwd-jab6", "forward + weak punch every 6", "SOCO-FRACO",
     [](long long t, const personagem&) { return press(1, t % 6 == 0, {.forward = true}); }},
    {"fwd-sp8", "forward + strong punch every 8", "AGARRAR-SOCO",
     [](long long t, const personagem&) { return press(3, t % 8 == 0, {.forward = true}); }},
    {"fwd-sk12", "forward + strong kick every 12", "CHUTE-FORTE",
     [](long long t, const personagem&) { return press(4, t % 12 == 0, {.forward = true}); }},
    {"crouch-lk8", "crouching weak kick every 8", "CHUTE-FRACO-AGACHADO",
     [](long long t, const personagem&) { return press(2, t % 8 == 0, {.down = true}); }},
    // Down, down-forward, forward with the weak punch: a tick each.
    {"fireball30", "projectile (236+weak punch) every 30", "GOLPE-PROJETIL-FRACO",
     [](long long t, const personagem&) {
         const long long k = t % 30;
         if (k == 0) return Pad{.down = true};
         if (k == 1) return Pad{.down = true, .forward = true};
         return press(1, k == 2, {.forward = k == 2});
     }},
    // Up-forward for two ticks, the strong kick on the way down.
    {"jumpin-sk40", "jump-in strong kick every 40", "CHUTE-FORTE-AR",
     [](long long t, const personagem&) {
         const long long k = t % 40;
         return press(4, k == 8, {.up = k < 2, .forward = k < 2});
     }},
    // Beyond the suite: the patterns a new player tries next. The strong punch every 5
    // keeps the player attacking without a break, which once stalled the top levels in
    // their guard.
    {"fwd-sp5", "forward + strong punch every 5", "SOCO-FORTE",
     [](long long t, const personagem&) { return press(3, t % 5 == 0, {.forward = true}); }},
    {"lk6", "weak kick every 6", "CHUTE-FRACO",
     [](long long t, const personagem&) { return press(2, t % 6 == 0); }},
    {"crouch-lp6", "crouching weak punch every 6", "SOCO-FRACO-AGACHADO",
     [](long long t, const personagem&) { return press(1, t % 6 == 0, {.down = true}); }},
    {"fwd-lk6", "forward + weak kick every 6", "CHUTE-FRACO",
     [](long long t, const personagem&) { return press(2, t % 6 == 0, {.forward = true}); }},
    {"fwd-sk8", "forward + strong kick every 8 (kick throw)", "AGARRAR-CHUTE",
     [](long long t, const personagem&) { return press(4, t % 8 == 0, {.forward = true}); }},
    {"sweep14", "crouching strong kick every 14", "CHUTE-FORTE-AGACHADO",
     [](long long t, const personagem&) { return press(4, t % 14 == 0, {.down = true}); }},
    {"sp10", "strong punch every 10", "SOCO-FORTE",
     [](long long t, const personagem&) { return press(3, t % 10 == 0); }},
    {"back-jab6", "back + weak punch every 6", "SOCO-FRACO",
     [](long long t, const personagem&) { return press(1, t % 6 == 0, {.back = true}); }},
    {"fwd-jab-sp", "forward, weak punch then strong punch every 10", "SOCO-FORTE",
     [](long long t, const personagem&) {
         const long long k = t % 10;
         return press(k == 0 ? 1 : 3, k == 0 || k == 4, {.forward = true});
     }},
    // Weak punch and kick together every 20 from 2 ticks of forward.
    {"launch20", "launcher (strong punch and kick) every 20", "GOLPE-COMBO-AEREO",
     [](long long t, const personagem&) {
         Pad p = press(3, t % 20 == 0, {.forward = t % 20 < 6});
         p.buttons[4] = t % 20 == 0;
         return p;
     }},
    // Forward, down, down-forward and the punch: the anti-air, every 20.
    {"antiair20", "anti-air (623+weak punch) every 20", "GOLPE-ANTI-AEREO-FRACO",
     [](long long t, const personagem&) {
         const long long k = t % 20;
         if (k == 0) return Pad{.forward = true};
         if (k == 1) return Pad{.down = true};
         return press(1, k == 2, {.down = k == 2, .forward = k == 2});
     }},
    // Only jumps in from close, the kick late.
    {"jumpin-close", "jump-in strong kick from close, every 30", "CHUTE-FORTE-AR",
     [](long long t, const personagem& self) {
         const long long k = t % 30;
         const bool close = std::abs(self.posX - gs.fighter(2).posX) < 3;
         if (!close && k < 2) return Pad{.forward = true};
         return press(4, k == 12, {.up = k < 2, .forward = k < 2});
     }},
    // Every button and direction from a fixed scramble of the tick: a masher.
    {"mash", "random buttons and directions", "",
     [](long long t, const personagem&) {
         const auto h = static_cast<unsigned>((t * 2654435761u) >> 7);
         Pad p{.up = (h & 31) == 0, .down = (h & 7) == 1, .back = (h & 12) == 4,
               .forward = (h & 12) == 8};
         p.buttons[1 + (h >> 8) % 4] = (h >> 4) % 3 == 0;
         return p;
     }},
};
// clang-format on

// --- one match ------------------------------------------------------------------------

struct MatchResult {
    int winner = 0;           // 1 or 2; 0 when given up after roundLimit rounds
    long long fightTicks = 0; // ticks of fighting (no intro, time over, knock-out, result)
    int knockOuts = 0, timeOvers = 0, drawnRounds = 0;
    long long longestCalm = 0; // fight ticks in a row with no vitality lost, within a round
    int moveStarts = 0;        // times fighter 1's pattern move started
};

bool fightRunning() {
    return gs.introTimer == 0 && gs.timeOverTimer == 0 && gs.knockOutTimer == 0 &&
           gs.resultTimer == 0;
}

// The key events that make the keyboard hold what the pad says, for fighter 1 facing its
// opponent as it does now.
void padKeys(const Pad& pad, TickInput& input) {
    const personagem& f = gs.fighter(1);
    const bool opponentRight = f.opponentSide == "DIR";
    auto key = [](std::size_t state) { return gs.keyBindings[state][0]; };
    const std::pair<u8, bool> wanted[] = {
        {key(1), pad.up},
        {key(2), pad.down},
        {key(3), opponentRight ? pad.back : pad.forward},
        {key(4), opponentRight ? pad.forward : pad.back},
        {key(5), pad.buttons[1]},
        {key(6), pad.buttons[2]},
        {key(7), pad.buttons[3]},
        {key(8), pad.buttons[4]},
    };
    for (auto [vk, down] : wanted)
        if (vk != 0 && keyIsDown(vk) != down) input.keys.push_back({vk, static_cast<u8>(down)});
}

// Plays the match of `start` (a battle's first tick) with the generator seeded from `seed`,
// fighter 1 driven by `pattern` when it is a player.
MatchResult playMatch(const SavedState& start, u32 seed, const Pattern* pattern) {
    loadState(start);
    seedRandom(seed);
    MatchResult r;
    long long calm = 0;
    for (long long t = 0;; ++t) {
        TickInput input;
        if (pattern) padKeys(pattern->pad(t, gs.fighter(1)), input);
        const f64 life1 = gs.fighter(1).life, life2 = gs.fighter(2).life;
        const i32 knockOut = gs.knockOutTimer, timeOver = gs.timeOverTimer, result = gs.resultTimer,
                  intro = gs.introTimer;
        const Name anim = gs.fighter(1).anim;
        advanceLiveTick(input);

        if (pattern && !pattern->move.empty() && gs.fighter(1).anim == pattern->move &&
            !(anim == pattern->move))
            ++r.moveStarts;
        if (intro == 0 && gs.introTimer > 0) calm = 0;
        if (knockOut == 0 && gs.knockOutTimer > 0) ++r.knockOuts;
        if (timeOver == 0 && gs.timeOverTimer > 0) ++r.timeOvers;
        if (gs.fighter(1).life < life1 || gs.fighter(2).life < life2)
            calm = 0;
        else if (fightRunning())
            r.longestCalm = std::max(r.longestCalm, ++calm);
        if (fightRunning()) ++r.fightTicks;
        // The round is decided when the result reaches 15.
        if (result != 15 && gs.resultTimer == 15) {
            if (roundWinner() == 0) ++r.drawnRounds;
            for (int i = 1; i <= 2; ++i)
                if (gs.fighter(i).roundsWon >= gs.roundsSetting) r.winner = i;
            if (r.winner != 0 || r.knockOuts + r.timeOvers >= roundLimit) break;
        }
    }
    return r;
}

// --- reaching the battle --------------------------------------------------------------

enum class Mode : u8 { playerVsCpu = 1, cpuVsCpu = 3 };

// One key pressed and released, a tick each, as a player types it.
void typeKey(u8 vk) {
    TickInput down;
    down.keys.push_back({vk, 1});
    advanceLiveTick(down);
    TickInput up;
    up.keys.push_back({vk, 0});
    advanceLiveTick(up);
}

// The game's own way into a battle: the start-up choices (fighters, arena, mode, NORMAL,
// 640 x 480), the loading, the versus presentation; saved at the battle's first tick.
// The settings the report plays under replace any the player's Config.dat brought.
std::unique_ptr<SavedState> battleStart(u8 fighter1, u8 fighter2, u8 arena, Mode mode) {
    gs = {};
    releaseAllKeys();
    joyVirtualUnplugAll();
    formCreate(1);
    gs.roundTimeSetting = 2;
    gs.roundsSetting = 2;
    gs.damageLevel = 3;
    gs.controlMode = 1;
    setDefaultKeyBindings();
    for (u8 choice : {fighter1, fighter2, arena, static_cast<u8>(mode), u8{3}, u8{1}})
        typeKey(static_cast<u8>('0' + choice));
    for (int i = 0; i < 1000 && !(gs.sceneName == "BATALHA"); ++i) {
        TickInput none;
        advanceLiveTick(none);
    }
    if (!(gs.sceneName == "BATALHA")) {
        std::fprintf(stderr, "cpu_report: the battle was not reached (scene %s)\n",
                     std::string(gs.sceneName.view()).c_str());
        std::exit(1);
    }
    auto s = std::make_unique<SavedState>();
    saveState(*s);
    return s;
}

const SavedState& cachedStart(u8 fighter1, u8 fighter2, u8 arena, Mode mode) {
    static std::map<std::tuple<u8, u8, u8, Mode>, std::unique_ptr<SavedState>> starts;
    auto& s = starts[{fighter1, fighter2, arena, mode}];
    if (!s) s = battleStart(fighter1, fighter2, arena, mode);
    return *s;
}

u8 arenaOf(u32 seed) {
    return seed % 2 == 1 ? 1 : 2;
}

// --- the matches to play --------------------------------------------------------------

// One match: the pairing, the seed, the levels of the two computers (table 1) or the
// pattern and the computer's level (table 2).
struct Job {
    u8 fighter1, fighter2;
    u32 seed;
    u8 level1, level2; // table 1: each side's level; table 2: level2 is the computer's
    int pattern;       // index into patterns, or -1 for the computer on both sides
};

MatchResult run(const Job& j) {
    if (j.pattern < 0) {
        const SavedState& s = cachedStart(j.fighter1, j.fighter2, arenaOf(j.seed), Mode::cpuVsCpu);
        cpuLevelOverride = {0, j.level1, j.level2};
        MatchResult r = playMatch(s, j.seed, nullptr);
        cpuLevelOverride = {};
        return r;
    }
    const SavedState& s = cachedStart(j.fighter1, j.fighter2, arenaOf(j.seed), Mode::playerVsCpu);
    // The difficulty is the start-up's choice; nothing reads it before the battle.
    SavedState withLevel = s;
    withLevel.game.difficulty = j.level2;
    return playMatch(withLevel, j.seed, &patterns[static_cast<std::size_t>(j.pattern)]);
}

// Runs the jobs in `workers` processes (each job's result depends on the job alone, so the
// split changes nothing), results in job order.
std::vector<MatchResult> runAll(const std::vector<Job>& jobs, int workers) {
    std::vector<MatchResult> results(jobs.size());
    workers = std::max(1, std::min<int>(workers, static_cast<int>(jobs.size())));
    if (workers == 1) {
        for (std::size_t k = 0; k < jobs.size(); ++k) results[k] = run(jobs[k]);
        return results;
    }
    std::vector<std::pair<pid_t, int>> children;
    for (int w = 0; w < workers; ++w) {
        int fds[2];
        if (pipe(fds) != 0) std::exit(1);
        const pid_t pid = fork();
        if (pid < 0) std::exit(1);
        if (pid == 0) {
            // Written at the end: a full pipe would hold the worker up until its turn to
            // be read.
            close(fds[0]);
            std::vector<MatchResult> own;
            for (std::size_t k = static_cast<std::size_t>(w); k < jobs.size();
                 k += static_cast<std::size_t>(workers))
                own.push_back(run(jobs[k]));
            const auto* p = reinterpret_cast<const char*>(own.data());
            std::size_t left = own.size() * sizeof(MatchResult);
            while (left > 0) {
                const ssize_t n = write(fds[1], p, left);
                if (n <= 0) _exit(1);
                p += n;
                left -= static_cast<std::size_t>(n);
            }
            _exit(0);
        }
        close(fds[1]);
        children.emplace_back(pid, fds[0]);
    }
    bool failed = false;
    for (int w = 0; w < workers; ++w) {
        const int fd = children[static_cast<std::size_t>(w)].second;
        for (std::size_t k = static_cast<std::size_t>(w); k < jobs.size();
             k += static_cast<std::size_t>(workers)) {
            auto* p = reinterpret_cast<char*>(&results[k]);
            std::size_t got = 0;
            while (got < sizeof(MatchResult)) {
                const ssize_t n = read(fd, p + got, sizeof(MatchResult) - got);
                if (n <= 0) break;
                got += static_cast<std::size_t>(n);
            }
            failed |= got != sizeof(MatchResult);
        }
        close(fd);
        int status = 0;
        waitpid(children[static_cast<std::size_t>(w)].first, &status, 0);
        failed |= !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    }
    if (failed) {
        std::fprintf(stderr, "cpu_report: a worker failed\n");
        std::exit(1);
    }
    return results;
}

// --- sums and printing ----------------------------------------------------------------

struct Cell {
    int matches = 0, wins = 0, unfinished = 0;
    int knockOuts = 0, timeOvers = 0, drawnRounds = 0;
    long long moveStarts = 0, longestCalm = 0;
    std::vector<long long> lengths, calms;

    // `side` is the fighter whose wins count.
    void add(const MatchResult& r, int side) {
        ++matches;
        wins += r.winner == side;
        unfinished += r.winner == 0;
        knockOuts += r.knockOuts;
        timeOvers += r.timeOvers;
        drawnRounds += r.drawnRounds;
        moveStarts += r.moveStarts;
        longestCalm = std::max(longestCalm, r.longestCalm);
        lengths.push_back(r.fightTicks);
        calms.push_back(r.longestCalm);
    }
};

double median(std::vector<long long> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? static_cast<double>(v[n / 2])
                      : (static_cast<double>(v[n / 2 - 1]) + static_cast<double>(v[n / 2])) / 2;
}

std::string printed(const char* f, auto... args) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, f, args...);
    return buffer;
}

std::string seconds(double ticks) {
    return printed("%.1f", ticks / ticksPerSecond);
}

std::string percent(int part, int whole) {
    return whole == 0 ? "-" : printed("%.0f%%", 100.0 * part / whole);
}

// A line of a table, cell by cell; widths count UTF-8 letters once.
struct Line {
    std::string text;

    Line& cell(std::string_view s, std::size_t width, bool right) {
        std::size_t letters = 0;
        for (unsigned char c : s) letters += (c & 0xC0) != 0x80;
        const std::string fill(width > letters ? width - letters : 0, ' ');
        text += right ? fill + std::string(s) : std::string(s) + fill;
        return *this;
    }
    Line& left(std::string_view s, std::size_t width) { return cell(s, width, false); }
    Line& right(std::string_view s, std::size_t width) { return cell(s, width, true); }
    void print() const { std::puts(text.c_str()); }
};

constexpr std::size_t nameWidth = 14, levelWidth = 15;

struct Options {
    int seeds = 20;
    std::vector<u8> levels{1, 2, 3, 4, 5};
    std::vector<int> patterns; // indices
    bool table1 = true, table2 = true, csv = false;
    // Matches are shared out among this many processes; the output is the same for any.
    int jobs = static_cast<int>(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
};

void printVersusTable(const Options& o, const std::vector<Job>& jobs,
                      const std::vector<MatchResult>& results) {
    // cells[{a, b}] with a <= b: a's wins, a on either side (once, as fighter 1, if a = b).
    std::map<std::pair<u8, u8>, Cell> cells;
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        const Job& j = jobs[k];
        if (j.pattern >= 0) continue;
        if (j.level1 <= j.level2) cells[{j.level1, j.level2}].add(results[k], 1);
        if (j.level2 < j.level1) cells[{j.level2, j.level1}].add(results[k], 2);
    }
    if (cells.empty()) return;
    std::puts("1. COMPUTER AGAINST COMPUTER");
    std::printf(
        "   %d seeds x 4 pairings, level A as fighter 1 and as fighter 2 (once when A = B:\n"
        "   then A's wins are fighter 1's). Rounds: KO knock-outs, TO time overs, draw\n"
        "   drawn rounds (among them, fought again). Lengths in seconds of fighting\n"
        "   (40 ticks a second); calm: the longest stretch with no vitality lost.\n\n",
        o.seeds);
    Line()
        .left("level A", nameWidth)
        .left("level B", nameWidth)
        .right("games", 6)
        .right("A wins", 8)
        .right("length", 8)
        .right("KO", 6)
        .right("TO", 6)
        .right("draw", 6)
        .right("calm med", 10)
        .right("calm max", 10)
        .print();
    int unfinished = 0;
    for (const auto& [levels, c] : cells) {
        Line()
            .left(levelNames[levels.first], nameWidth)
            .left(levelNames[levels.second], nameWidth)
            .right(std::to_string(c.matches), 6)
            .right(percent(c.wins, c.matches), 8)
            .right(seconds(median(c.lengths)), 8)
            .right(std::to_string(c.knockOuts), 6)
            .right(std::to_string(c.timeOvers), 6)
            .right(std::to_string(c.drawnRounds), 6)
            .right(seconds(median(c.calms)), 10)
            .right(seconds(static_cast<double>(c.longestCalm)), 10)
            .print();
        unfinished += c.unfinished;
    }
    // The same wins as a grid: row A against column B.
    std::puts("");
    Line head;
    head.left("A wins vs B", nameWidth);
    for (u8 b : o.levels) head.right(levelNames[b], levelWidth);
    head.print();
    for (u8 a : o.levels) {
        Line row;
        row.left(levelNames[a], nameWidth);
        for (u8 b : o.levels) {
            const Cell& c = cells[{std::min(a, b), std::max(a, b)}];
            const int aWins = a <= b ? c.wins : c.matches - c.wins - c.unfinished;
            row.right(percent(aWins, c.matches), levelWidth);
        }
        row.print();
    }
    if (unfinished > 0)
        std::printf("(%d matches given up after %d rounds)\n", unfinished, roundLimit);
    std::puts("");
}

// The pattern tables' first column.
constexpr int patternWidth = 48;

void printPatternTable(const Options& o, const std::vector<Job>& jobs,
                       const std::vector<MatchResult>& results) {
    std::map<std::pair<int, u8>, Cell> cells;
    for (std::size_t k = 0; k < jobs.size(); ++k)
        if (jobs[k].pattern >= 0) cells[{jobs[k].pattern, jobs[k].level2}].add(results[k], 1);
    if (cells.empty()) return;
    std::puts("2. PLAYER PATTERNS AGAINST THE COMPUTER");
    std::printf("   Fighter 1 on the keyboard plays the pattern (forward = towards the opponent),\n"
                "   fighter 2 is the computer at the level; %d seeds x 4 pairings. Each cell:\n"
                "   the pattern's wins / matches and the median length in seconds of fighting.\n\n",
                o.seeds);
    Line head;
    head.left("pattern", patternWidth);
    for (u8 l : o.levels) head.right(levelNames[l], levelWidth);
    head.print();
    for (int p : o.patterns) {
        Line row;
        row.left(patterns[static_cast<std::size_t>(p)].description, patternWidth);
        for (u8 l : o.levels) {
            const Cell& c = cells[{p, l}];
            row.right(printed("%d/%d %5ss", c.wins, c.matches, seconds(median(c.lengths)).c_str()),
                      levelWidth);
        }
        row.print();
    }

    std::puts("\n   Starts of the pattern's own move per match (that its timing lands):\n");
    Line moves;
    moves.left("pattern", 14).left("move", patternWidth - 14);
    for (u8 l : o.levels) moves.right(levelNames[l], levelWidth);
    moves.print();
    for (int p : o.patterns) {
        const Pattern& pattern = patterns[static_cast<std::size_t>(p)];
        if (pattern.move.empty()) continue;
        Line row;
        row.left(pattern.key, 14).left(pattern.move, patternWidth - 14);
        for (u8 l : o.levels) {
            const Cell& c = cells[{p, l}];
            row.right(printed("%.1f", static_cast<double>(c.moveStarts) / std::max(1, c.matches)),
                      levelWidth);
        }
        row.print();
    }
    std::puts("");
}

// One line per match: what it was and how it went.
void printCsv(const std::vector<Job>& jobs, const std::vector<MatchResult>& results) {
    std::puts("table,fighter1,fighter2,seed,level1,level2,pattern,winner,fight_ticks,knock_outs,"
              "time_overs,drawn_rounds,longest_calm_ticks,move_starts");
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        const Job& j = jobs[k];
        const MatchResult& r = results[k];
        std::printf("%d,%s,%s,%u,%d,%d,%s,%d,%lld,%d,%d,%d,%lld,%d\n", j.pattern < 0 ? 1 : 2,
                    std::string(fighterNames[j.fighter1]).c_str(),
                    std::string(fighterNames[j.fighter2]).c_str(), j.seed,
                    j.pattern < 0 ? j.level1 : 0, j.level2,
                    j.pattern < 0
                        ? ""
                        : std::string(patterns[static_cast<std::size_t>(j.pattern)].key).c_str(),
                    r.winner, r.fightTicks, r.knockOuts, r.timeOvers, r.drawnRounds, r.longestCalm,
                    r.moveStarts);
    }
}

// --- command line ---------------------------------------------------------------------

[[noreturn]] void usage(const char* problem) {
    if (problem) std::fprintf(stderr, "cpu_report: %s\n", problem);
    std::fputs("usage: cpu_report [--seeds N] [--levels 1,2,...] [--patterns NAME,...|none]\n"
               "                  [--table 1|2] [--jobs N] [--csv]\npatterns:",
               stderr);
    for (const Pattern& p : patterns) std::fprintf(stderr, " %s", std::string(p.key).c_str());
    std::fputs("\n", stderr);
    std::exit(2);
}

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = std::min(text.find(',', pos), text.size());
        if (end > pos) parts.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return parts;
}

int number(const std::string& text, int low, int high) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != 0 || v < low || v > high) usage(("bad number: " + text).c_str());
    return static_cast<int>(v);
}

Options parse(int argc, char** argv) {
    Options o;
    for (std::size_t p = 0; p < std::size(patterns); ++p) o.patterns.push_back(static_cast<int>(p));
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) usage(("missing value for " + arg).c_str());
            return argv[++i];
        };
        if (arg == "--seeds") {
            o.seeds = number(value(), 1, 100000);
        } else if (arg == "--levels") {
            o.levels.clear();
            for (const std::string& l : split(value()))
                o.levels.push_back(static_cast<u8>(number(l, 1, 5)));
            std::sort(o.levels.begin(), o.levels.end());
            o.levels.erase(std::unique(o.levels.begin(), o.levels.end()), o.levels.end());
            if (o.levels.empty()) usage("no levels");
        } else if (arg == "--patterns") {
            o.patterns.clear();
            const std::string v = value();
            if (v == "none") o.table2 = false;
            for (const std::string& name : v == "none" ? std::vector<std::string>{} : split(v)) {
                const auto* it = std::find_if(std::begin(patterns), std::end(patterns),
                                              [&](const Pattern& p) { return p.key == name; });
                if (it == std::end(patterns)) usage(("unknown pattern: " + name).c_str());
                o.patterns.push_back(static_cast<int>(it - std::begin(patterns)));
            }
        } else if (arg == "--table") {
            const int t = number(value(), 1, 2);
            o.table1 = t == 1;
            o.table2 = t == 2;
        } else if (arg == "--jobs") {
            o.jobs = number(value(), 1, 64);
        } else if (arg == "--csv") {
            o.csv = true;
        } else if (arg == "--help" || arg == "-h") {
            usage(nullptr);
        } else {
            usage(("unknown option: " + arg).c_str());
        }
    }
    return o;
}

} // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    const auto begin = std::chrono::steady_clock::now();

    std::string error;
    if (!windowOpen("TORVEL ARENA", 600, 450, true, error)) {
        std::fprintf(stderr, "cpu_report: %s\n", error.c_str());
        return 1;
    }
    audioSetOutputEnabled(false);
    runMode.pace = false;
    runMode.presenting = false;
    joyUseVirtual(true);

    std::vector<Job> jobs;
    for (auto [f1, f2] : pairings) {
        for (u32 seed = 1; seed <= static_cast<u32>(o.seeds); ++seed) {
            if (o.table1)
                for (u8 a : o.levels)
                    for (u8 b : o.levels) jobs.push_back({f1, f2, seed, a, b, -1});
            if (o.table2)
                for (int p : o.patterns)
                    for (u8 l : o.levels) jobs.push_back({f1, f2, seed, 0, l, p});
        }
    }
    // Every start the jobs need, made before the workers part so each inherits them.
    for (const Job& j : jobs)
        cachedStart(j.fighter1, j.fighter2, arenaOf(j.seed),
                    j.pattern < 0 ? Mode::cpuVsCpu : Mode::playerVsCpu);

    const std::vector<MatchResult> results = runAll(jobs, o.jobs);
    if (o.csv) {
        printCsv(jobs, results);
    } else {
        std::puts("TORVEL ARENA: HOW THE COMPUTER PLAYS");
        std::puts("60-second rounds, two rounds to win, damage level 3; arena 1 on odd seeds, 2 on "
                  "even ones.\n");
        printVersusTable(o, jobs, results);
        printPatternTable(o, jobs, results);
    }
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    std::fprintf(stderr, "cpu_report: %zu matches in %.1f s, %d processes\n", jobs.size(), elapsed,
                 o.jobs);
    audioClose();
    windowClose();
    return 0;
}
