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
