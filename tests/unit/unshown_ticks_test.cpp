// A tick that is not shown changes the state exactly as a shown one does. Every tick of a
// P1 VS P2 match reached through the start-up screens (moves, specials, supers, throws,
// projectiles, items, pause, rounds won by knock-out, drawn and won on time, the victory
// screen), and of the menus and a CPU VS CPU fight, is run shown, then again from the same
// state unshown, and both must leave the same state.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

#include "app/frame.h"
#include "app/key_events.h"
#include "app/startup.h"
#include "fight/items.h"
#include "shell/input_script.h"
#include "shell/presentation.h"
#include "shell/state_dump.h"
#include "test_support.h"

namespace {

// HOME and the XDG folders point into a scratch folder while the game runs.
class ScratchHome {
  public:
    ScratchHome()
        : dir_(std::filesystem::temp_directory_path() /
               ("torvel-unit-home-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(dir_);
        for (const char* name : names) {
            if (const char* old = std::getenv(name)) saved_.emplace_back(name, old);
            ::setenv(name, dir_.c_str(), 1);
        }
    }
    ~ScratchHome() {
        for (const char* name : names) ::unsetenv(name);
        for (const auto& [name, value] : saved_) ::setenv(name.c_str(), value.c_str(), 1);
        std::filesystem::remove_all(dir_);
    }

  private:
    static constexpr const char* names[] = {"HOME",           "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                            "XDG_CACHE_HOME", "XDG_STATE_HOME",  "XDG_RUNTIME_DIR"};
    std::filesystem::path dir_;
    std::vector<std::pair<std::string, std::string>> saved_;
};

// The JSON pointers of the first fields two dumps differ in.
std::string differences(const std::string& shown, const std::string& unshown) {
    const nlohmann::json patch =
        nlohmann::json::diff(nlohmann::json::parse(shown), nlohmann::json::parse(unshown));
    std::string out;
    int listed = 0;
    for (const nlohmann::json& op : patch) {
        const std::string path = op["path"];
        if (path == "/stateHash") continue;
        if (++listed > 12) return out + " ...";
        out += " " + path;
    }
    return out;
}

// What the runs went through, so a scenario that stops reaching a situation is noticed.
struct Seen {
    std::set<std::string> scenes, anims;
    std::set<int> objectKinds;
    bool superFlash = false, burst = false, paused = false, pauseMenu = false, drawnRound = false;

    void note() {
        scenes.insert(std::string(gs.sceneName.view()));
        for (int i = 1; i <= 2; ++i) anims.insert(std::string(gs.fighter(i).anim.view()));
        for (const objeto& o : gs.objectPool)
            if (o.kind != 0) objectKinds.insert(o.kind);
        superFlash |= gs.effectTimers[3] > 0;
        burst |= gs.effectTimers[1] > 0;
        paused |= gs.paused == 1;
        pauseMenu |= gs.pauseMenuOpen == 1;
        drawnRound |= gs.resultTimer > 52 && gs.fighter(1).life == gs.fighter(2).life;
    }
    // Kinds 15..18 are the characters' projectiles.
    bool projectile() const { return objectKinds.lower_bound(15) != objectKinds.upper_bound(18); }
};

// Runs ticks twice each: shown, then from the same state again unshown. The run goes on
// from the unshown tick's state.
class BothWays {
  public:
    Seen seen;

    // n ticks; before each, input(k) for k = 0, 1, ... may set the devices and the state.
    bool ticks(int n, const std::function<void(int)>& input = {}) {
        for (int k = 0; k < n; ++k) {
            if (input) input(k);
            if (!tick()) return false;
        }
        return true;
    }

    // Ticks until `done` holds, at most `limit` of them.
    bool until(const std::function<bool()>& done, int limit,
               const std::function<void(int)>& input = {}) {
        for (int k = 0; k < limit && !done(); ++k) {
            if (input) input(k);
            if (!tick()) return false;
        }
        EXPECT_TRUE(done()) << "not reached in " << limit << " ticks, at tick " << tick_;
        return done();
    }

    // The events of a script whose tick 1 is the next tick, then `after` ticks more.
    bool script(const char* text, int after) {
        InputScript s;
        std::string error;
        EXPECT_TRUE(parseInputScript(text, "script", s, error)) << error;
        std::size_t next = 0;
        const long long last = s.events.empty() ? 0 : s.events.back().tick;
        return ticks(static_cast<int>(last + after), [&](int k) {
            for (; next < s.events.size() && s.events[next].tick <= k + 1; ++next) {
                const ScriptEvent& e = s.events[next];
                if (e.kind == ScriptEvent::KeyDown) press(e.key);
                if (e.kind == ScriptEvent::KeyUp) setKeyDown(e.key, false);
            }
        });
    }

    // A key pressed as the window would report it between ticks.
    static void press(u8 key) {
        setKeyDown(key, true);
        FormKeyDown(key);
    }

  private:
    bool tick() {
        ++tick_;
        before_ = gs;
        DXTimer1Timer();
        const std::uint64_t shownHash = stateHash();
        shown_ = gs;
        gs = before_;
        {
            const RunModeScope unseen(RunMode::unseen());
            DXTimer1Timer();
        }
        seen.note();
        if (stateHash() == shownHash) return true;
        const std::string unshownDump = stateDumpJson(tick_);
        gs = shown_;
        ADD_FAILURE() << "tick " << tick_ << " in " << gs.sceneName.view()
                      << ": the unshown tick left another state; fields:"
                      << differences(stateDumpJson(tick_), unshownDump);
        return false;
    }

    long long tick_ = 0;
    GameState before_, shown_;
};

// One tick of a player's input: held directions relative to the opponent (U, D, F, B)
// and buttons 1..8, "." for nothing.
struct Held {
    bool up = false, down = false, forward = false, back = false;
    bool buttons[9] = {};
};

Held parseHeld(std::string_view token) {
    Held h;
    for (char c : token) {
        if (c == 'U') h.up = true;
        if (c == 'D') h.down = true;
        if (c == 'F') h.forward = true;
        if (c == 'B') h.back = true;
        if (c >= '1' && c <= '8') h.buttons[c - '0'] = true;
    }
    return h;
}

// What the players do, one token a tick, each move ending with the stick let go.
constexpr const char* moves[] = {
    "F F F F F F F F F F F F F F F F . .",       // walk in
    "D DF F1 . . . . . . . . . . . . . . . . .", // quarter forward, weak punch: projectile
    "D DF F D DF F3 . . . . . . . . . . . . .",  // the same twice, strong punch: super
    "123 123 123 123 123 123 123 123 123 123 123 123 123 123 123 123 123 123 123 123 . .",
    "F F F F F F F F F F F F F F F F F F F3 . . . . . . . .", // walk in and throw
    "D DB B 3 34 . . . . . . . . . . . . . . . . . . . . .",  // use the item in hand
    "34 . . . . . . . . . . . . . . . . . . . . 1 . 2 . 3 . 4 . 1 . 2 . . . . .", // launcher
    "1 . . 2 . . 3 . . . 4 . . . . D1 . . D4 . . . .",                            // attacks
    "U . . . . . . 4 . . . . . . . . . . . UF . . . 3 . . . . . . . . . . . .",   // jumps
    "D . D8 . . . . . . . . . . . . . . . . . . . . . .",                         // taunt
    "B B B B B B B B B B B B B B B B B B B B B B B B . .",                        // back off
    "F . F F F F F F F F F F F F . .",                                            // run
    "D DB B2 . . . . . . . . . . . . . . . . . . . .", // quarter back, weak kick
    "F D DF F1 . . . . . . . . . . . . . . . . . .",   // anti-air
};

// Player 1 on the keyboard, player 2 on joystick 1, each going through the moves in its
// own order.
class Players {
  public:
    void play() {
        for (int i = 1; i <= 2; ++i) apply(i, step(cursors_[i - 1]));
    }
    static void letGo() {
        for (int i = 1; i <= 2; ++i) apply(i, {});
    }

  private:
    struct Cursor {
        std::size_t move, at, stride;
    };

    static const std::vector<std::vector<Held>>& parsedMoves() {
        static const std::vector<std::vector<Held>> parsed = [] {
            std::vector<std::vector<Held>> all;
            for (std::string_view move : moves) {
                std::vector<Held>& ticks = all.emplace_back();
                for (std::size_t at = 0; at < move.size();) {
                    const std::size_t end = std::min(move.find(' ', at), move.size());
                    ticks.push_back(parseHeld(move.substr(at, end - at)));
                    at = end + 1;
                }
            }
            return all;
        }();
        return parsed;
    }

    static Held step(Cursor& c) {
        const auto& all = parsedMoves();
        if (c.at == all[c.move].size()) {
            c.move = (c.move + c.stride) % all.size();
            c.at = 0;
        }
        return all[c.move][c.at++];
    }

    static void apply(int i, const Held& h) {
        const bool right = gs.fighter(i).opponentSide == "DIR";
        const bool toRight = right ? h.forward : h.back, toLeft = right ? h.back : h.forward;
        if (i == 1) {
            setKeyDown(vk::Up, h.up);
            setKeyDown(vk::Down, h.down);
            setKeyDown(vk::Right, toRight);
            setKeyDown(vk::Left, toLeft);
            constexpr u8 keys[9] = {0, 'Z', 'X', 'C', 'V', 'A', 'S', 'D', '1'};
            for (int b = 1; b <= 8; ++b) setKeyDown(keys[b], h.buttons[b]);
        } else {
            joyVirtualAxis(0, 'x', toLeft ? 0 : toRight ? 65535 : 32767);
            joyVirtualAxis(0, 'y', h.up ? 0 : h.down ? 65535 : 32767);
            for (int b = 1; b <= 8; ++b) joyVirtualButton(0, b, h.buttons[b]);
        }
    }

    // Player 2 starts elsewhere and takes every fifth move.
    Cursor cursors_[2] = {{0, 0, 1}, {6, 0, 5}};
};

bool fighting() {
    return gs.sceneName == "BATALHA" && gs.introTimer == 0 && gs.timeOverTimer == 0 &&
           gs.knockOutTimer == 0 && gs.resultTimer == 0;
}

// Now and then both fighters get full stocks for a super, and items to use and throw.
void supply(int k) {
    if (k % 300 == 40)
        for (int i = 1; i <= 2; ++i) gs.fighter(i).stocks = 3;
    if (k % 300 == 200)
        for (int i = 1; i <= 2; ++i) gs.fighter(i).stocks = 0;
    if (k % 400 == 250) gs.fighter(1 + k / 400 % 2).dizzy = 100;
    if (k % 300 == 90) {
        addItem(1, 1);
        addItem(2, 6);
        addItem(1, 3);
        addItem(2, 2);
    }
    if (k == 30) gs.itemTimer = 1; // a chest drops
}

// The round ends on its clock with these lives.
void endOnTime(f64 life1, f64 life2) {
    gs.fighter(1).life = life1;
    gs.fighter(2).life = life2;
    gs.roundTime = 1;
    gs.roundTimeF = 1;
}

class UnshownTicks : public ::testing::Test {
  protected:
    void SetUp() override {
        freshGame(5);
        joyVirtualPlug(0);
        runMode.pace = false;
        runMode.presenting = true;
    }
    void TearDown() override {
        releaseAllKeys();
        joyVirtualUnplugAll();
    }

    // A fight of `n` ticks by both players.
    bool fight(int n) {
        return run.ticks(n, [&](int k) {
            players.play();
            supply(k);
        });
    }
    bool untilFighting(int limit) {
        Players::letGo();
        return run.until(fighting, limit);
    }

    ScratchHome home;
    BothWays run;
    Players players;
};

TEST_F(UnshownTicks, LeaveTheStateOfShownOnesThroughAMatchFromTheStartUpScreens) {
    // Characters 1 and 2, arena 1, P1 VS P2, NORMAL, 640 x 480.
    for (u8 key : {u8{'1'}, u8{'2'}, u8{'1'}, u8{'2'}, u8{'3'}, u8{'1'}}) {
        ASSERT_TRUE(run.ticks(1));
        BothWays::press(key);
        ASSERT_TRUE(run.ticks(1));
        setKeyDown(key, false);
    }
    ASSERT_TRUE(untilFighting(400));

    // Round 1, with a pause and a look at the move list, then a knock-out.
    ASSERT_TRUE(fight(500));
    Players::letGo();
    ASSERT_TRUE(run.script("1 tap PAUSE\n40 tap PAUSE\n"
                           "50 tap ESC\n55 tap DOWN\n58 tap Z\n80 tap X\n90 tap UP\n93 tap Z\n",
                           10));
    ASSERT_TRUE(fight(400));
    gs.fighter(2).life = 0;
    ASSERT_TRUE(untilFighting(400));
    // Round 2 is drawn on time, round 3 won on time.
    ASSERT_TRUE(fight(400));
    endOnTime(50, 50);
    ASSERT_TRUE(untilFighting(400));
    ASSERT_TRUE(fight(400));
    endOnTime(80, 40);
    // The winner alone on the screen, then TELA INICIAL from the after-match menu.
    ASSERT_TRUE(
        run.until([] { return gs.sceneName == "VS-VITORIA" && gs.victoryTimer <= 20; }, 400));
    ASSERT_TRUE(run.script("1 tap DOWN\n4 tap Z\n", 40));
    ASSERT_EQ(gs.sceneName, "OPCOES");

    const Seen& s = run.seen;
    for (const char* scene : {"DEBUG-PERSONAGEM", "DEBUG-CENARIO", "DEBUG-MODO",
                              "DEBUG-DIFICULDADE", "DEBUG-RESOLUCAO", "VS-APRESENTACAO"})
        EXPECT_TRUE(s.scenes.count(scene)) << scene;
    for (const char* anim :
         {"AUMENTAR-PODER", "AGARRAR-SOCO", "SOFRE-COMBO-AEREO", "TONTO", "GOLPE-PROJETIL-FRACO",
          "SUPER-GOLPE-PROJETIL-FORTE", "JOGAR-ITEM", "USAR-ITEM", "DESMAIAR", "VITORIA-1"})
        EXPECT_TRUE(s.anims.count(anim)) << anim;
    const std::pair<const char*, bool> moments[] = {
        {"super flash", s.superFlash}, {"burst", s.burst},
        {"pause", s.paused},           {"pause menu", s.pauseMenu},
        {"drawn round", s.drawnRound},
    };
    for (const auto& [what, seen] : moments) EXPECT_TRUE(seen) << what;
    EXPECT_TRUE(s.projectile());
    // The chest, a thrown item and the victory's rockets.
    for (int kind : {19, 36, 45}) EXPECT_TRUE(s.objectKinds.count(kind)) << "object " << kind;
}

TEST_F(UnshownTicks, LeaveTheStateOfShownOnesThroughTheMenusAndAComputerFight) {
    startOnTitle(1);
    // The configuration, left without saving; then VS, CPU VS CPU, both computers
    // confirmed by player 1, arena 2.
    ASSERT_TRUE(run.script("10 tap DOWN\n12 tap DOWN\n14 tap DOWN\n16 tap DOWN\n18 tap DOWN\n"
                           "21 tap Z\n55 tap RIGHT\n57 tap RIGHT\n60 tap X\n68 tap X\n",
                           35));
    ASSERT_EQ(gs.sceneName, "OPCOES");
    ASSERT_TRUE(run.script("10 tap DOWN\n12 tap Z\n45 tap DOWN\n47 tap DOWN\n50 tap Z\n"
                           "85 tap Z\n90 tap Z\n150 tap RIGHT\n155 tap Z\n",
                           10));
    ASSERT_TRUE(untilFighting(400));
    ASSERT_EQ(gs.gameMode, "CPU-VS-CPU");
    const GameState start = gs;
    ASSERT_TRUE(run.ticks(1500, supply));

    // Run again from its start with no tick shown, the fight ends where the checked run
    // did: nothing outside the game state carries over from one tick to the next.
    const std::uint64_t checked = stateHash();
    gs = start;
    {
        const RunModeScope unseen(RunMode::unseen());
        for (int k = 0; k < 1500; ++k) {
            supply(k);
            DXTimer1Timer();
        }
    }
    EXPECT_EQ(stateHash(), checked);

    const Seen& s = run.seen;
    for (const char* scene :
         {"OPCOES", "CONFIGURACOES", "VS-SELECAO-JOG", "SELECAO-LUTADOR", "SELECAO-CENARIO"})
        EXPECT_TRUE(s.scenes.count(scene)) << scene;
    for (const char* anim :
         {"AGARRAR-SOCO", "SOFRE-COMBO-AEREO", "TONTO", "GOLPE-PROJETIL-FRACO", "USAR-ITEM"})
        EXPECT_TRUE(s.anims.count(anim)) << anim;
    EXPECT_TRUE(s.superFlash);
    EXPECT_TRUE(s.projectile());
}

} // namespace
