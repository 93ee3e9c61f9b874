// The rollback core over an in-process line that delays, reorders, loses and duplicates
// packets: both sides reach the same state hashes at every tick both have confirmed.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "app/frame.h"
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

struct Side {
    int player;
    std::unique_ptr<SavedState> world = std::make_unique<SavedState>();
    Rollback core;
    std::uint32_t peerLacksFrom = 0; // the first of our ticks the peer has not acknowledged
    std::map<std::uint32_t, std::uint64_t> hashes;
    int rolledBack = 0, waits = 0;

    Side(int p, int delay) : player(p), core(p, delay) {}

    void frame(int f, BadLine& in, BadLine& out) {
        loadState(*world);
        for (const auto& bytes : in.receive(f)) {
            NetPacket p;
            if (decodePacket(bytes.data(), bytes.size(), p) != PacketFault::None ||
                p.kind != PacketKind::Inputs)
                continue;
            for (std::size_t i = 0; i < p.inputs.size(); ++i)
                core.addRemote(p.firstTick + static_cast<std::uint32_t>(i), p.inputs[i]);
            peerLacksFrom = std::max(peerLacksFrom, p.ackTick);
        }
        if (core.step(playerInput(player, core.localAddedUntil()))) {
            rolledBack += core.lastRolledBack();
        } else {
            ++waits;
        }
        const std::uint32_t now = core.tick();
        for (std::uint32_t u = now > rollbackWindow ? now - rollbackWindow : 0; u <= now; ++u) {
            std::uint64_t h = 0;
            if (u % 10 == 0 && !hashes.count(u) && core.confirmedHashBefore(u, h)) hashes[u] = h;
        }
        NetPacket p;
        p.kind = PacketKind::Inputs;
        p.ackTick = core.remoteKnownUntil();
        p.firstTick = peerLacksFrom;
        p.inputs = core.localInputsFrom(peerLacksFrom);
        if (p.inputs.size() > netMaxInputsPerPacket) p.inputs.resize(netMaxInputsPerPacket);
        if (!p.inputs.empty()) out.send(f, encodePacket(p));
        saveState(*world);
    }
};

} // namespace

TEST(Rollback, BothSidesReachTheSameHashesOverABadLine) {
    struct Case {
        const char* what;
        int delay, jitter, loss, dup, inputDelay;
    } cases[] = {
        {"a perfect line", 0, 0, 0, 0, 2},
        {"late and reordered", 3, 3, 0, 0, 2},
        {"lossy with duplicates", 2, 2, 15, 15, 1},
        {"slow, lossy, no input delay", 6, 4, 20, 5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        freshBattle(9);
        runMode.pace = false;
        Side host(0, c.inputDelay), joiner(1, c.inputDelay);
        saveState(*host.world);
        saveState(*joiner.world);
        BadLine toJoiner{c.delay, c.jitter, c.loss, c.dup, 11, {}};
        BadLine toHost{c.delay, c.jitter, c.loss, c.dup, 23, {}};
        for (int f = 0; f < 700; ++f) {
            host.frame(f, toHost, toJoiner);
            joiner.frame(f, toJoiner, toHost);
        }
        int common = 0;
        for (const auto& [tick, hash] : host.hashes) {
            auto other = joiner.hashes.find(tick);
            if (other == joiner.hashes.end()) continue;
            ++common;
            EXPECT_EQ(hash, other->second) << "tick " << tick;
        }
        EXPECT_GT(common, 40) << "the sides confirmed ticks together";
        EXPECT_GT(host.core.tick(), 500u) << "waiting never stalled the session";
        if (c.delay > 0) {
            EXPECT_GT(host.rolledBack + joiner.rolledBack, 0);
        }
    }
}
