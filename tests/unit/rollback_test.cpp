// The rollback core over an in-process line that delays, reorders, loses and duplicates
// packets, two sides in one process. On a toy game, cheap to run and to look into: every
// confirmed tick's hash is the one a run with the final inputs gives, each tick last ran
// with the inputs its players sent, no rollback is deeper than the window and none
// starts at a tick that was predicted right. On the game itself: both sides reach the
// hashes of a straight run at every tick both have confirmed.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/game_rollback.h"
#include "app/net_packets.h"
#include "app/rollback.h"
#include "battle_support.h"
#include "shell/run_mode.h"
#include "shell/state_dump.h"

namespace {

// One way of a bad line, in frames; deterministic for its seed.
struct BadLine {
    int delay, jitter, lossPercent, dupPercent;
    std::uint32_t seed;
    std::vector<std::pair<int, std::vector<std::uint8_t>>> inFlight;

    int draw(int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<std::uint32_t>(n));
    }
    void send(int frame, const std::vector<std::uint8_t>& bytes) {
        if (draw(100) < lossPercent) return;
        inFlight.push_back({frame + delay + draw(jitter + 1), bytes});
        if (draw(100) < dupPercent) inFlight.push_back({frame + delay + draw(jitter + 1), bytes});
    }
    std::vector<std::vector<std::uint8_t>> receive(int frame) {
        std::vector<std::vector<std::uint8_t>> out;
        for (auto it = inFlight.begin(); it != inFlight.end();) {
            if (it->first <= frame) {
                out.push_back(std::move(it->second));
                it = inFlight.erase(it);
            } else {
                ++it;
            }
        }
        return out;
    }
};

// Each player presses on in a pattern of its own that changes often, so predictions
// are often wrong.
std::uint16_t playerInput(int player, std::uint32_t t) {
    InputSnapshot s;
    if (player == 0) {
        s.right = t % 50 < 20;
        s.buttons[1] = t % 7 == 0;
        s.buttons[3] = t % 23 == 5;
        s.up = t % 90 == 40;
    } else {
        s.left = t % 60 > 35;
        s.buttons[2] = t % 9 == 4;
        s.down = t % 40 > 30;
        s.buttons[4] = t % 31 == 10;
    }
    return packInput(s);
}

// What a player sends for tick t: neutral through the input delay.
using Player = std::function<std::uint16_t(std::uint32_t)>;

// The words tick t runs with once both are known.
InputWords finalWords(const std::array<Player, 2>& players, int inputDelay, std::uint32_t t) {
    if (t < static_cast<std::uint32_t>(inputDelay)) return {};
    return {players[0](t), players[1](t)};
}

// One side: a core over its game, its player, and the inputs packets it trades with
// the other side.
struct Side {
    int player;
    Rollback core;
    Player input;
    std::uint32_t hashEvery;
    std::uint32_t peerLacksFrom = 0; // the first of our ticks the peer has not acknowledged
    std::map<std::uint32_t, std::uint64_t> hashes;
    int rolledBack = 0, mostRolledBack = 0, waits = 0;

    Side(RollbackGame& game, int p, int delay, Player in, std::uint32_t every)
        : player(p), core(game, p, delay), input(std::move(in)), hashEvery(every) {}

    void frame(int f, BadLine& in, BadLine& out) {
        for (const auto& bytes : in.receive(f)) {
            NetPacket p;
            if (decodePacket(bytes.data(), bytes.size(), p) != PacketFault::None ||
                p.kind != PacketKind::Inputs)
                continue;
            for (std::size_t i = 0; i < p.inputs.size(); ++i)
                core.addRemote(p.firstTick + static_cast<std::uint32_t>(i), p.inputs[i]);
            peerLacksFrom = std::max(peerLacksFrom, p.ackTick);
        }
        if (core.step(input(core.localAddedUntil()))) {
            rolledBack += core.lastRolledBack();
            mostRolledBack = std::max(mostRolledBack, core.lastRolledBack());
        } else {
            ++waits;
        }
        const std::uint32_t now = core.tick();
        for (std::uint32_t u = now > rollbackWindow ? now - rollbackWindow : 0; u <= now; ++u) {
            if (u % hashEvery != 0 || hashes.count(u)) continue;
            if (const auto h = core.confirmedHashBefore(u)) hashes[u] = *h;
        }
        NetPacket p;
        p.kind = PacketKind::Inputs;
        p.ackTick = core.remoteKnownUntil();
        p.firstTick = peerLacksFrom;
        p.inputs = core.localInputsFrom(peerLacksFrom);
        if (p.inputs.size() > netMaxInputsPerPacket) p.inputs.resize(netMaxInputsPerPacket);
        if (!p.inputs.empty()) out.send(f, encodePacket(p));
    }
};

struct LineCase {
    const char* what;
    int delay, jitter, loss, dup, inputDelay;
};

// Both sides' frames over the two ways of the line; `around` runs each side's frame,
// for a game whose state in play must be swapped in first.
void playOver(const LineCase& c, Side& host, Side& joiner, int frames,
              const std::function<void(int side, const std::function<void()>&)>& around) {
    BadLine toJoiner{c.delay, c.jitter, c.loss, c.dup, 11, {}};
    BadLine toHost{c.delay, c.jitter, c.loss, c.dup, 23, {}};
    for (int f = 0; f < frames; ++f) {
        around(0, [&] { host.frame(f, toHost, toJoiner); });
        around(1, [&] { joiner.frame(f, toJoiner, toHost); });
    }
}

// A few numbers that every tick mixes both words into, so any input seen wrong shows in
// the hash of every later tick.
struct ToyState {
    std::uint32_t tick = 0;
    std::uint64_t a = 1, b = 2;
    std::uint32_t c = 3;
};

std::uint64_t toyHash(const ToyState& s) {
    return (s.a * 31 + s.b) * 1099511628211ull ^ (std::uint64_t{s.c} << 32 | s.tick);
}

class ToyGame final : public RollbackGame {
  public:
    ToyState state;
    // The words each tick last ran with.
    std::map<std::uint32_t, InputWords> ranWith;
    int unseenInARow = 0, mostUnseenInARow = 0;
    // Rollbacks that started at a tick whose words were the same as when it last ran.
    int needlessRollbacks = 0;

    void save(int slot) override { slots_[static_cast<std::size_t>(slot)] = state; }
    void load(int slot) override {
        state = slots_[static_cast<std::size_t>(slot)];
        loaded_ = true;
    }
    void advance(const InputWords& w, bool shown) override {
        if (!shown && loaded_) {
            auto before = ranWith.find(state.tick);
            if (before != ranWith.end() && before->second == w) ++needlessRollbacks;
        }
        loaded_ = false;
        unseenInARow = shown ? 0 : unseenInARow + 1;
        mostUnseenInARow = std::max(mostUnseenInARow, unseenInARow);
        ranWith[state.tick] = w;
        state.a = state.a * 6364136223846793005ull + w[0] + 1;
        state.b = (state.b ^ (std::uint64_t{w[1]} * 0x9E3779B97F4A7C15ull)) * 1099511628211ull;
        state.c = state.c * 33 + static_cast<std::uint32_t>(state.a >> 40 ^ state.b >> 20);
        ++state.tick;
    }
    std::uint64_t hash() override { return toyHash(state); }

  private:
    std::array<ToyState, slots> slots_{};
    bool loaded_ = false;
};

} // namespace

TEST(Rollback, ToyGameSidesConfirmTheStraightRunsHashesOverABadLine) {
    const Player varied0 = [](std::uint32_t t) { return playerInput(0, t); };
    const Player varied1 = [](std::uint32_t t) { return playerInput(1, t); };
    const Player still = [](std::uint32_t) -> std::uint16_t { return 0; };
    struct Case {
        LineCase line;
        bool joinerStill; // the joiner never presses anything: the host predicts it right
    } cases[] = {
        {{"a perfect line", 0, 0, 0, 0, 2}, false},
        {{"late and reordered", 3, 3, 0, 0, 2}, false},
        {{"lossy with duplicates", 2, 2, 15, 15, 1}, false},
        {{"slow, lossy, no input delay", 6, 4, 20, 5, 0}, false},
        {{"later than the window", 12, 6, 10, 10, 2}, false},
        {{"late, the joiner still", 4, 3, 10, 0, 2}, true},
    };
    for (const Case& k : cases) {
        const LineCase& c = k.line;
        SCOPED_TRACE(c.what);
        const std::array<Player, 2> players{varied0, k.joinerStill ? still : varied1};
        ToyGame hostGame, joinerGame;
        Side host(hostGame, 0, c.inputDelay, players[0], 1);
        Side joiner(joinerGame, 1, c.inputDelay, players[1], 1);
        playOver(c, host, joiner, 3000, [](int, const std::function<void()>& f) { f(); });

        // The straight run with the inputs both players sent.
        std::map<std::uint32_t, std::uint64_t> straight;
        ToyGame reference;
        for (std::uint32_t t = 0; t <= std::max(host.core.tick(), joiner.core.tick()); ++t) {
            straight[t] = reference.hash();
            reference.advance(finalWords(players, c.inputDelay, t), true);
        }
        for (const Side* side : {&host, &joiner}) {
            for (const auto& [tick, hash] : side->hashes) ASSERT_EQ(hash, straight[tick]) << tick;
            EXPECT_GT(side->hashes.size(), 1500u) << "the side confirmed ticks all along";
            EXPECT_GT(side->core.tick(), 1500u) << "waiting never stalled the session";
        }

        for (const Side* side : {&host, &joiner}) {
            const ToyGame& game = side == &host ? hostGame : joinerGame;
            const std::uint32_t confirmed =
                std::min(side->core.remoteKnownUntil(), side->core.tick());
            for (std::uint32_t t = 0; t < confirmed; ++t)
                ASSERT_EQ(game.ranWith.at(t), finalWords(players, c.inputDelay, t)) << "tick " << t;
            EXPECT_LE(side->mostRolledBack, rollbackWindow);
            EXPECT_LE(game.mostUnseenInARow, rollbackWindow);
            EXPECT_EQ(game.needlessRollbacks, 0);
        }
        if (k.joinerStill) {
            EXPECT_EQ(host.rolledBack, 0) << "every prediction of the joiner was right";
            EXPECT_GT(joiner.rolledBack, 0);
        } else if (c.delay > 0) {
            EXPECT_GT(host.rolledBack + joiner.rolledBack, 0);
        }
        if (c.delay > rollbackWindow) {
            EXPECT_EQ(std::max(host.mostRolledBack, joiner.mostRolledBack), rollbackWindow);
        }
    }
}

// A peer input that comes after the last tick ran still corrects it once settled.
TEST(Rollback, SettlingRunsALateCorrectionWithoutANewTick) {
    ToyGame game, reference;
    Rollback core(game, 0, 0);
    for (std::uint16_t w = 1; w <= 5; ++w) core.step(w);
    for (std::uint16_t w = 1; w <= 5; ++w)
        reference.advance({w, std::uint16_t(w == 3 ? 9 : 0)}, true);
    core.addRemote(0, 0);
    core.addRemote(1, 0);
    core.addRemote(2, 9);
    core.addRemote(3, 0);
    core.addRemote(4, 0);
    EXPECT_FALSE(core.confirmedHashBefore(5)) << "a correction waits";
    core.settle();
    EXPECT_EQ(core.tick(), 5u);
    EXPECT_EQ(core.lastRolledBack(), 3);
    EXPECT_EQ(core.confirmedHashBefore(5), reference.hash());
    EXPECT_EQ(game.hash(), reference.hash());
}

// The lines the toy game covers in full, here for rollbacks shallow and deep of the
// game itself.
TEST(Rollback, GameSidesReachTheStraightRunsHashesOverABadLine) {
    const std::array<Player, 2> players{[](std::uint32_t t) { return playerInput(0, t); },
                                        [](std::uint32_t t) { return playerInput(1, t); }};
    const LineCase cases[] = {
        {"late and reordered", 3, 3, 0, 0, 2},
        {"slow, lossy, no input delay", 6, 4, 20, 5, 0},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        freshBattle(9);
        runMode.pace = false;
        auto start = std::make_unique<SavedState>();
        saveState(*start);
        std::array<std::unique_ptr<SavedState>, 2> worlds{std::make_unique<SavedState>(*start),
                                                          std::make_unique<SavedState>(*start)};
        GameRollback hostGame, joinerGame;
        Side host(hostGame, 0, c.inputDelay, players[0], 10);
        Side joiner(joinerGame, 1, c.inputDelay, players[1], 10);
        // One game state in play: each side's is swapped in for its frame.
        playOver(c, host, joiner, 700, [&](int side, const std::function<void()>& f) {
            loadState(*worlds[static_cast<std::size_t>(side)]);
            f();
            saveState(*worlds[static_cast<std::size_t>(side)]);
        });

        // The straight run with the inputs both players sent, no tick run twice.
        loadState(*start);
        std::map<std::uint32_t, std::uint64_t> straight;
        for (std::uint32_t t = 0; t <= host.core.tick(); ++t) {
            if (t % 10 == 0) straight[t] = stateHash();
            advanceReplayedTick(sessionTickInput(finalWords(players, c.inputDelay, t)));
        }
        int common = 0;
        for (const auto& [tick, hash] : host.hashes) {
            auto other = joiner.hashes.find(tick);
            if (other == joiner.hashes.end()) continue;
            ++common;
            EXPECT_EQ(hash, other->second) << "tick " << tick;
            EXPECT_EQ(hash, straight[tick]) << "tick " << tick;
        }
        EXPECT_GT(common, 40) << "the sides confirmed ticks together";
        EXPECT_GT(host.rolledBack, 0);
        EXPECT_GT(joiner.rolledBack, 0);
    }
}
