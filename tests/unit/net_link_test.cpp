// The ENet link on loopback: a host and a joiner connect, both channels carry bytes both
// ways, a third peer is never let in, and closing one side reaches the other.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/net.h"

namespace {

// Polls both links until `done` holds or `rounds` rounds of 5 ms pass (two seconds by
// default); events go to `onEvent`.
template <class Done, class OnEvent>
bool pollUntil(NetLink& a, NetLink& b, Done done, OnEvent onEvent, int rounds = 400) {
    for (int i = 0; i < rounds && !done(); ++i) {
        NetEvent e;
        while (a.poll(e)) onEvent(0, e);
        while (b.poll(e)) onEvent(1, e);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
}

} // namespace

TEST(NetLink, ConnectsCarriesBothChannelsAndLetsNoThirdPeerIn) {
    NetLink host, joiner;
    std::string error;
    ASSERT_TRUE(host.host(0, error)) << error;
    const std::uint16_t port = host.localPort();
    ASSERT_NE(port, 0);
    ASSERT_TRUE(joiner.join("127.0.0.1", port, error)) << error;
    ASSERT_TRUE(pollUntil(
        host, joiner, [&] { return host.connected() && joiner.connected(); },
        [](int, const NetEvent&) {}));

    std::vector<std::vector<std::uint8_t>> atHost, atJoiner;
    std::vector<NetChannel> hostChannels;
    ASSERT_TRUE(joiner.send(NetChannel::Control, {1, 2, 3}));
    ASSERT_TRUE(joiner.send(NetChannel::Inputs, {9}));
    ASSERT_TRUE(host.send(NetChannel::Inputs, {7, 7}));
    EXPECT_TRUE(pollUntil(
        host, joiner, [&] { return atHost.size() == 2 && atJoiner.size() == 1; },
        [&](int side, const NetEvent& e) {
            if (e.kind != NetEvent::Received) return;
            (side == 0 ? atHost : atJoiner).push_back(e.bytes);
            if (side == 0) hostChannels.push_back(e.channel);
        }));
    ASSERT_EQ(atHost.size(), 2u);
    const std::vector<std::uint8_t> control{1, 2, 3}, input{9};
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(atHost[i], hostChannels[i] == NetChannel::Control ? control : input);
    EXPECT_EQ(atJoiner.front(), (std::vector<std::uint8_t>{7, 7}));

    NetLink third;
    ASSERT_TRUE(third.join("127.0.0.1", port, error)) << error;
    int hostConnects = 0;
    pollUntil(
        host, third, [] { return false; },
        [&](int side, const NetEvent& e) {
            if (side == 0 && e.kind == NetEvent::Connected) ++hostConnects;
        },
        100);
    EXPECT_FALSE(third.connected());
    EXPECT_EQ(hostConnects, 0);

    bool hostSawLeave = false;
    joiner.close();
    EXPECT_TRUE(pollUntil(
        host, third, [&] { return hostSawLeave; },
        [&](int side, const NetEvent& e) {
            if (side == 0 && e.kind == NetEvent::Disconnected) hostSawLeave = true;
        }));
    EXPECT_FALSE(host.connected());
}

TEST(NetLink, ReadsTheConditionsOfABadLine) {
    NetConditions c;
    std::string error;
    ASSERT_TRUE(parseNetConditions("delay=60,jitter=30,loss=10", c, error)) << error;
    EXPECT_EQ(c.delayMs, 60);
    EXPECT_EQ(c.jitterMs, 30);
    EXPECT_EQ(c.lossPercent, 10);
    ASSERT_TRUE(parseNetConditions("reorder=5,dup=100", c, error)) << error;
    EXPECT_EQ(c.reorderPercent, 5);
    EXPECT_EQ(c.duplicatePercent, 100);
    EXPECT_EQ(c.delayMs, 0);
    for (const char* bad : {"delay", "delay=", "delay=-1", "loss=101", "speed=3", "delay=5x",
                            "delay=60,,loss=1", "jitter=99999"}) {
        EXPECT_FALSE(parseNetConditions(bad, c, error)) << bad;
        EXPECT_NE(error.find("--net-sim"), std::string::npos) << bad;
    }
}

// Everything lost on the input channel, the control channel still gets through, and
// late: held for the delay first.
TEST(NetLink, ABadLineLosesInputsAndDelaysControl) {
    NetLink host, joiner;
    std::string error;
    ASSERT_TRUE(host.host(0, error)) << error;
    ASSERT_TRUE(joiner.join("127.0.0.1", host.localPort(), error)) << error;
    ASSERT_TRUE(pollUntil(
        host, joiner, [&] { return host.connected() && joiner.connected(); },
        [](int, const NetEvent&) {}));
    NetConditions bad;
    bad.lossPercent = 100;
    bad.delayMs = 600;
    joiner.setConditions(bad);
    for (int i = 0; i < 20; ++i) joiner.send(NetChannel::Inputs, {static_cast<std::uint8_t>(i)});
    joiner.send(NetChannel::Control, {42});
    joiner.send(NetChannel::Control, {43});
    std::vector<std::vector<std::uint8_t>> control;
    int inputs = 0;
    auto note = [&](int side, const NetEvent& e) {
        if (side != 0 || e.kind != NetEvent::Received) return;
        if (e.channel == NetChannel::Inputs)
            ++inputs;
        else
            control.push_back(e.bytes);
    };
    pollUntil(
        host, joiner, [] { return false; }, note, 10);
    EXPECT_TRUE(control.empty()) << "held for the delay";
    EXPECT_TRUE(pollUntil(
        host, joiner, [&] { return control.size() == 2; }, note));
    EXPECT_EQ(control, (std::vector<std::vector<std::uint8_t>>{{42}, {43}}));
    EXPECT_EQ(inputs, 0);
}
