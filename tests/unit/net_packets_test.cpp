// Session packets: each kind reads back as written; anything short, unknown, out of range
// or with bytes left over is refused with why.
#include <gtest/gtest.h>

#include "app/net_hello.h"
#include "app/net_packets.h"

namespace {

NetPacket roundTrip(const NetPacket& p) {
    const std::vector<std::uint8_t> bytes = encodePacket(p);
    NetPacket back;
    EXPECT_EQ(decodePacket(bytes.data(), bytes.size(), back), PacketFault::None);
    return back;
}

} // namespace

TEST(NetPackets, EachKindReadsBackAsWritten) {
    NetPacket hello;
    hello.kind = PacketKind::Hello;
    hello.protocol = netProtocolVersion;
    hello.contentHash = 0x0123456789ABCDEFull;
    hello.version = "2.2";
    NetPacket back = roundTrip(hello);
    EXPECT_EQ(back.kind, PacketKind::Hello);
    EXPECT_EQ(back.contentHash, hello.contentHash);
    EXPECT_EQ(back.version, "2.2");

    NetPacket inputs;
    inputs.kind = PacketKind::Inputs;
    inputs.ackTick = 70;
    inputs.firstTick = 71;
    inputs.inputs = {0, 0x3FFF, 0x0015};
    inputs.advantage = -3;
    back = roundTrip(inputs);
    EXPECT_EQ(back.advantage, -3);
    EXPECT_EQ(back.ackTick, 70u);
    EXPECT_EQ(back.firstTick, 71u);
    EXPECT_EQ(back.inputs, inputs.inputs);

    NetPacket hash;
    hash.kind = PacketKind::Hash;
    hash.tick = 4000;
    hash.hash = ~0ull;
    back = roundTrip(hash);
    EXPECT_EQ(back.tick, 4000u);
    EXPECT_EQ(back.hash, ~0ull);

    NetPacket refuse;
    refuse.kind = PacketKind::Refuse;
    refuse.text = "VERSÃO DO JOGO 2.1 CONTRA 2.2";
    EXPECT_EQ(roundTrip(refuse).text, refuse.text);

    for (ByeReason reason :
         {ByeReason::Done, ByeReason::Quit, ByeReason::Desync, ByeReason::Title}) {
        NetPacket bye;
        bye.kind = PacketKind::Bye;
        bye.reason = reason;
        EXPECT_EQ(encodePacket(bye).size(), 2u);
        EXPECT_EQ(roundTrip(bye).reason, reason);
    }
}

TEST(NetPackets, RefusesWhatDoesNotReadWhole) {
    NetPacket inputs;
    inputs.kind = PacketKind::Inputs;
    inputs.firstTick = 5;
    inputs.inputs = {1, 2, 3};
    const std::vector<std::uint8_t> good = encodePacket(inputs);
    auto with = [&](auto change) {
        std::vector<std::uint8_t> b = good;
        change(b);
        return b;
    };
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        PacketFault fault;
    } cases[] = {
        {"empty", {}, PacketFault::Short},
        {"unknown kind", {99, 0, 0}, PacketFault::UnknownKind},
        {"kind zero", {0}, PacketFault::UnknownKind},
        {"cut in the ticks", with([](auto& b) { b.resize(6); }), PacketFault::Short},
        {"cut in the inputs", with([](auto& b) { b.pop_back(); }), PacketFault::Short},
        {"no inputs", with([](auto& b) { b[10] = 0; }), PacketFault::BadValue},
        {"too many inputs", with([](auto& b) { b[10] = 200; }), PacketFault::BadValue},
        {"unknown input bits", with([](auto& b) { b[12] = 0x80; }), PacketFault::BadValue},
        {"a byte left over", with([](auto& b) { b.push_back(0); }), PacketFault::Trailing},
        {"text longer than allowed", {2, 255, 'A'}, PacketFault::BadValue},
        {"text cut short", {2, 10, 'A', 'B'}, PacketFault::Short},
        {"a bye without its reason", {5}, PacketFault::Short},
        {"a bye of reason zero", {5, 0}, PacketFault::BadValue},
        {"a bye of an unknown reason", {5, 5}, PacketFault::BadValue},
        {"a bye with words after its reason", {5, 2, 'Q'}, PacketFault::Trailing},
        {"hash cut short", {4, 1, 0, 0, 0, 9}, PacketFault::Short},
    };
    for (const Case& c : cases) {
        NetPacket p;
        EXPECT_EQ(decodePacket(c.bytes.data(), c.bytes.size(), p), c.fault) << c.what;
    }
}

// The host's start: settings within the game's ranges that agree with the state sent.
TEST(NetPackets, AStartCarriesTheSettingsAndAStateThatAgreesWithThem) {
    auto state = std::make_shared<SavedState>();
    GameState& g = state->game;
    g.sceneName = "VS-APRESENTACAO";
    g.fighters[1].character = 2;
    g.fighters[2].character = 1;
    g.arena = 2;
    g.roundTimeSetting = 2;
    g.roundsSetting = 2;
    g.damageLevel = 3;
    g.lightingVariant = 1;
    g.rngState = 12345;
    NetPacket start;
    start.kind = PacketKind::Start;
    start.settings = {2, 1, 2, 2, 2, 3, 1, 12345};
    start.inputDelay = 2;
    start.start = state;
    // The bytes the start has always begun with: kind, seven settings, seed, input delay.
    const std::vector<std::uint8_t> wire = encodePacket(start);
    EXPECT_EQ(std::vector<std::uint8_t>(wire.begin(), wire.begin() + 13),
              (std::vector<std::uint8_t>{6, 2, 1, 2, 2, 2, 3, 1, 0x39, 0x30, 0, 0, 2}));
    const GameState before = gs;
    gs = g;
    EXPECT_TRUE(currentMatchSettings() == start.settings);
    gs = before;
    const NetPacket back = roundTrip(start);
    ASSERT_TRUE(back.start);
    EXPECT_EQ(back.start->game.sceneName, "VS-APRESENTACAO");
    EXPECT_TRUE(back.settings == start.settings);
    EXPECT_EQ(back.inputDelay, 2);

    struct Case {
        const char* what;
        void (*change)(NetPacket&);
        PacketFault fault;
    } cases[] = {
        {"another arena than the state's", [](NetPacket& p) { p.settings.arena = 1; },
         PacketFault::BadValue},
        {"another seed", [](NetPacket& p) { p.settings.seed = 1; }, PacketFault::BadValue},
        {"no such fighter", [](NetPacket& p) { p.settings.fighter1 = 9; }, PacketFault::BadValue},
        {"a delay past the most", [](NetPacket& p) { p.inputDelay = 9; }, PacketFault::BadValue},
    };
    for (const Case& c : cases) {
        NetPacket p = start;
        c.change(p);
        const std::vector<std::uint8_t> bytes = encodePacket(p);
        NetPacket out;
        EXPECT_EQ(decodePacket(bytes.data(), bytes.size(), out), c.fault) << c.what;
    }
    std::vector<std::uint8_t> bytes = encodePacket(start);
    NetPacket out;
    EXPECT_EQ(decodePacket(bytes.data(), bytes.size() - 5, out), PacketFault::Short);
    bytes[13] = 0x44; // the state's size
    EXPECT_EQ(decodePacket(bytes.data(), bytes.size(), out), PacketFault::BadValue);
}

TEST(NetPackets, AnInputWordHoldsEveryDirectionAndButton) {
    for (int bit = 0; bit < 14; ++bit) {
        const auto word = static_cast<std::uint16_t>(1u << bit);
        EXPECT_EQ(packInput(unpackInput(word)), word) << bit;
    }
    InputSnapshot s;
    s.left = 1;
    s.buttons[1] = 1;
    s.buttons[10] = 1;
    EXPECT_EQ(packInput(s), (1u << 2) | (1u << 4) | (1u << 13));
}

TEST(NetHello, OnlyTheSameProtocolVersionAndContentGetIn) {
    EXPECT_EQ(helloMismatch(ourHello()), "");
    NetPacket h = ourHello();
    h.protocol = netProtocolVersion + 1;
    EXPECT_NE(helloMismatch(h).find("PROTOCOLO DE REDE"), std::string::npos) << helloMismatch(h);
    h = ourHello();
    h.version = "1.0";
    EXPECT_NE(helloMismatch(h).find("VERSÃO DO JOGO 1.0"), std::string::npos) << helloMismatch(h);
    h = ourHello();
    h.contentHash ^= 8;
    EXPECT_NE(helloMismatch(h).find("DADOS"), std::string::npos) << helloMismatch(h);
    h = ourHello();
    h.kind = PacketKind::Bye;
    EXPECT_NE(helloMismatch(h), "");
}
