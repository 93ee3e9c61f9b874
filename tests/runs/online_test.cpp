// Online play between two processes on 127.0.0.1: scripted matches through a bad line
// agree on every traced hash and write the same replay; a peer stopped for a moment
// interrupts the link, which resumes; a killed or frozen peer ends the other side's
// session in time; a hello that differs is refused on both sides; packets that do not
// read or come out of their phase are dropped and counted by why, and a third peer is not
// let in.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/build_identity.h"
#include "app/net_hello.h"
#include "app/net_packets.h"
#include "game_runner.h"
#include "platform/net.h"

namespace {

// Ports of their own for each test process, so tests run side by side: eight of them,
// k from 0 to 7.
std::uint16_t testPort(int k) {
    return static_cast<std::uint16_t>(20000 + (getpid() % 5000) * 8 + k);
}

// The host's start-up choices: characters 1 and 2, arena 1, "P1 VS P2", 640 x 480.
const std::string hostStartup = "2 tap 1\n4 tap 2\n6 tap 1\n8 tap 2\n10 tap 3\n12 tap 1\n";

// Each side's player from session tick `from`: walks in, punches and kicks, crouches and
// jumps, on a cycle of its own.
std::string playerScript(int from, int ticks, bool host) {
    std::ostringstream s;
    const char* forward = host ? "RIGHT" : "LEFT";
    const char* back = host ? "LEFT" : "RIGHT";
    for (int t = from; t + 120 < ticks; t += 120) {
        s << t << " down " << forward << "\n" << t + 30 << " up " << forward << "\n";
        s << t + 35 << " tap " << (host ? "Z" : "X") << "\n";
        s << t + 45 << " tap C\n" << t + 55 << " tap " << (host ? "X" : "Z") << "\n";
        s << t + 65 << " down DOWN\n" << t + 75 << " up DOWN\n";
        s << t + 80 << " tap UP\n" << t + 86 << " tap V\n";
        s << t + 95 << " down " << back << "\n" << t + 110 << " up " << back << "\n";
    }
    return s.str();
}

// The trace's session lines both sides share: the link's interruptions are each side's
// own.
std::vector<std::string> netLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        const auto at = line.find(" net ");
        if (at == std::string::npos) continue;
        const std::string what = line.substr(at + 1);
        if (what != "net interrupted" && what != "net resumed") lines.push_back(what);
    }
    return lines;
}

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

struct Pair {
    GameRun host, joiner;
};

// `meanwhile` runs once both have started.
Pair playPair(const std::string& dir, std::uint16_t port, int ticks, const std::string& netSim,
              int inputDelay,
              const std::function<void(BackgroundGame&, BackgroundGame&)>& meanwhile = {}) {
    const std::string hostScript = dir + "/host.txt", joinScript = dir + "/join.txt";
    std::ofstream(hostScript) << hostStartup << playerScript(20, ticks, true);
    std::ofstream(joinScript) << playerScript(10, ticks, false);
    const std::string common =
        " --headless --trace --ticks " + std::to_string(ticks) + " --net-sim " + netSim + " ";
    BackgroundGame host("--host " + std::to_string(port) + " --seed 31 --input-delay " +
                        std::to_string(inputDelay) + common + "--script " + hostScript +
                        " --record " + dir + "/host.tvr --stats");
    usleep(300 * 1000);
    BackgroundGame joiner("--join 127.0.0.1:" + std::to_string(port) + common + "--script " +
                          joinScript + " --record " + dir + "/join.tvr");
    if (meanwhile) meanwhile(host, joiner);
    const int limitMs = ticks * 25 + 30000;
    Pair p;
    p.joiner = joiner.finish(limitMs);
    p.host = host.finish(limitMs);
    return p;
}

// Both sides confirm the same ticks with the same hashes, end together and write the same
// replay, which plays back to its stored hashes.
void expectAgreement(const std::string& dir, const Pair& p, int ticks) {
    ASSERT_EQ(p.host.status, 0) << p.host.err;
    ASSERT_EQ(p.joiner.status, 0) << p.joiner.err;
    const std::vector<std::string> host = netLines(p.host.out), joiner = netLines(p.joiner.out);
    EXPECT_EQ(host, joiner);
    ASSERT_EQ(host.size(), static_cast<std::size_t>(ticks / 100 + 1)) << p.host.out;
    EXPECT_EQ(host.back(), "net end done");
    EXPECT_EQ(host.front().rfind("net 100 ", 0), 0u) << host.front();

    const std::vector<std::uint8_t> a = fileBytes(dir + "/host.tvr"),
                                    b = fileBytes(dir + "/join.tvr");
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, b) << "both sides' replays of the session";
    const GameRun replay = runGame("--headless --replay " + dir + "/host.tvr");
    EXPECT_EQ(replay.out, "replay ok " + std::to_string(ticks) + " ticks\n") << replay.err;
    EXPECT_NE(p.host.out.find("online: sent"), std::string::npos);
}

} // namespace

TEST(OnlinePlay, TwoSidesThroughALateLossyLineAgreeOnEveryHashAndReplay) {
    const std::string dir = scratchDir("online-lossy");
    const int ticks = 900;
    const Pair p = playPair(dir, testPort(0), ticks, "delay=60,jitter=30,loss=10", 2);
    expectAgreement(dir, p, ticks);
}

TEST(OnlinePlay, TwoSidesThroughADuplicatingReorderingLineWithNoDelayAgree) {
    const std::string dir = scratchDir("online-reorder");
    const int ticks = 700;
    const Pair p =
        playPair(dir, testPort(1), ticks, "delay=30,jitter=20,loss=5,dup=20,reorder=20", 0);
    expectAgreement(dir, p, ticks);
}

// A joiner stopped for a second and a half mid-match: the host's link is interrupted,
// then resumes, and the session goes on to agree to its end.
TEST(OnlinePlay, APeerStoppedForAMomentInterruptsTheLinkWhichResumes) {
    const std::string dir = scratchDir("online-resume");
    const int ticks = 500;
    const Pair p = playPair(dir, testPort(4), ticks, "delay=20", 2,
                            [](BackgroundGame& host, BackgroundGame& joiner) {
                                if (!host.waitForOutput(" net 100 ", 20000)) return;
                                joiner.signal(SIGSTOP);
                                usleep(1500 * 1000);
                                joiner.signal(SIGCONT);
                            });
    expectAgreement(dir, p, ticks);
    const auto interrupted = p.host.out.find(" net interrupted\n");
    ASSERT_NE(interrupted, std::string::npos) << p.host.out;
    EXPECT_NE(p.host.out.find(" net resumed\n", interrupted), std::string::npos) << p.host.out;
}

// A peer that dies or stops answering mid-match: the other side's link is interrupted,
// then it says "CONEXÃO PERDIDA" and ends within six seconds.
TEST(OnlinePlay, APeerKilledOrFrozenMidMatchEndsTheOtherSideWithinSixSeconds) {
    for (int sig : {SIGKILL, SIGSTOP}) {
        SCOPED_TRACE(sig == SIGKILL ? "killed" : "frozen");
        const std::string dir = scratchDir("online-lost");
        const std::uint16_t port = testPort(2);
        std::ofstream(dir + "/host.txt") << hostStartup;
        BackgroundGame host("--host " + std::to_string(port) + " --headless --trace --script " +
                            dir + "/host.txt");
        usleep(300 * 1000);
        BackgroundGame joiner("--join 127.0.0.1:" + std::to_string(port) + " --headless --trace");
        ASSERT_TRUE(host.waitForOutput(" net 100 ", 20000)) << host.out();
        joiner.signal(sig);
        const auto killed = std::chrono::steady_clock::now();
        ASSERT_TRUE(host.waitForOutput("net end lost", 7000)) << host.out();
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - killed)
                            .count();
        EXPECT_LT(ms, 6000);
        const GameRun end = host.finish(3000);
        EXPECT_EQ(end.status, 1);
        EXPECT_NE(end.err.find("CONEXÃO PERDIDA"), std::string::npos) << end.err;
        const auto interrupted = end.out.find(" net interrupted\n");
        EXPECT_LT(interrupted, end.out.find(" net end lost")) << end.out;
    }
}

// A joiner playing in a window whose host leaves mid-match is told so, then plays on
// alone at the title: its script, whose ticks after the session count the ticks played
// alone, leaves the game from there.
TEST(OnlinePlay, AJoinerInAWindowWhoseHostLeavesPlaysOnAtTheTitle) {
    if (!xvfbAvailable()) GTEST_SKIP() << "no xvfb-run";
    const std::string dir = scratchDir("online-left");
    const std::uint16_t port = testPort(5);
    // The host asks "SAIR DO JOGO ?" at session tick 150 and says "SIM".
    std::ofstream(dir + "/host.txt") << hostStartup << "150 tap ESC\n155 tap UP\n160 tap Z\n";
    // "SAIR DO JOGO", the title's last row.
    std::ofstream(dir + "/join.txt")
        << "200 tap DOWN\n203 tap DOWN\n206 tap DOWN\n209 tap DOWN\n212 tap DOWN\n"
           "215 tap DOWN\n220 tap Z\n";
    BackgroundGame host("--host " + std::to_string(port) + " --headless --trace --script " + dir +
                        "/host.txt");
    usleep(300 * 1000);
    BackgroundGame joiner("--join 127.0.0.1:" + std::to_string(port) +
                              " --size 640x480 --trace --script " + dir + "/join.txt",
                          true);
    const GameRun end = joiner.finish(60000);
    EXPECT_EQ(end.status, 0) << end.err;
    EXPECT_NE(end.err.find("O OPONENTE SAIU DO JOGO"), std::string::npos) << end.err;
    const auto left = end.out.find(" net end peer-quit\n");
    ASSERT_NE(left, std::string::npos) << end.out;
    EXPECT_NE(end.out.find(" scene OPCOES\n", left), std::string::npos) << end.out;
    EXPECT_EQ(host.finish(5000).status, 0);
}

namespace {

// A test's own side of a session, speaking the protocol through the game's link.
struct FakePeer {
    NetLink link;
    std::vector<NetPacket> received;

    // Polls for up to `ms`, keeping what reads; true once a packet of `kind` came.
    bool await(PacketKind kind, int ms) {
        for (int waited = 0; waited <= ms; waited += 10) {
            NetEvent e;
            while (link.poll(e)) {
                NetPacket p;
                if (e.kind == NetEvent::Received) {
                    if (decodePacket(e.bytes.data(), e.bytes.size(), p) == PacketFault::None)
                        received.push_back(p);
                }
                if (e.kind == NetEvent::Connected) onConnect();
            }
            for (const NetPacket& p : received)
                if (p.kind == kind) return true;
            usleep(10 * 1000);
        }
        return false;
    }
    std::function<void()> onConnect = [] {};
    const NetPacket* find(PacketKind kind) const {
        for (const NetPacket& p : received)
            if (p.kind == kind) return &p;
        return nullptr;
    }
};

} // namespace

TEST(OnlinePlay, AHelloThatDiffersIsRefusedOnBothSides) {
    const std::string dir = scratchDir("online-refused");
    std::ofstream(dir + "/host.txt") << hostStartup;
    std::string error;
    {
        SCOPED_TRACE("a joiner of another protocol");
        const std::uint16_t port = testPort(3);
        BackgroundGame host("--host " + std::to_string(port) + " --headless --trace --script " +
                            dir + "/host.txt");
        usleep(300 * 1000);
        FakePeer joiner;
        ASSERT_TRUE(joiner.link.join("127.0.0.1", port, error)) << error;
        joiner.onConnect = [&] {
            NetPacket hello = ourHello();
            hello.protocol = netProtocolVersion + 1;
            joiner.link.send(NetChannel::Control, encodePacket(hello));
        };
        ASSERT_TRUE(joiner.await(PacketKind::Refuse, 8000));
        EXPECT_NE(joiner.find(PacketKind::Refuse)->text.find("PROTOCOLO DE REDE"),
                  std::string::npos);
        const GameRun end = host.finish(5000);
        EXPECT_EQ(end.status, 1);
        EXPECT_NE(end.out.find("net end refused"), std::string::npos) << end.out;
        EXPECT_NE(end.err.find("CONEXÃO RECUSADA: PROTOCOLO DE REDE"), std::string::npos)
            << end.err;
    }
    {
        SCOPED_TRACE("a host of another version");
        const std::uint16_t port = testPort(3);
        FakePeer host;
        ASSERT_TRUE(host.link.host(port, error)) << error;
        BackgroundGame joiner("--join 127.0.0.1:" + std::to_string(port) + " --headless --trace");
        ASSERT_TRUE(host.await(PacketKind::Hello, 8000));
        NetPacket hello = ourHello();
        hello.version = "0.1";
        host.link.send(NetChannel::Control, encodePacket(hello));
        ASSERT_TRUE(host.await(PacketKind::Refuse, 5000));
        EXPECT_NE(host.find(PacketKind::Refuse)->text.find("VERSÃO DO JOGO 0.1"),
                  std::string::npos);
        const GameRun end = joiner.finish(5000);
        EXPECT_EQ(end.status, 1);
        EXPECT_NE(end.err.find("CONEXÃO RECUSADA: VERSÃO DO JOGO 0.1"), std::string::npos)
            << end.err;
    }
}

namespace {

// A fake joiner in a session with a real host: it says the game's own hello (whose
// content is the game's data and program, not this test's) and takes the start.
void joinAsTheGame(FakePeer& joiner, std::uint16_t port) {
    std::string error;
    ASSERT_TRUE(joiner.link.join("127.0.0.1", port, error)) << error;
    NetPacket hello = ourHello();
    hello.contentHash = gameContentHash(TORVEL_RUN_DIR, TORVEL_RUN_DIR "/torvel-arena");
    joiner.onConnect = [&joiner, hello] {
        joiner.link.send(NetChannel::Control, encodePacket(hello));
    };
    ASSERT_TRUE(joiner.await(PacketKind::Start, 10000));
}

// Neutral inputs of ticks 0..n-1 from the fake side, sent again every 50 ms (a side
// takes no input further ahead than a peer can be) until a packet of `kind` comes.
bool sendInputsUntil(FakePeer& side, std::uint32_t n, PacketKind kind) {
    NetPacket inputs;
    inputs.kind = PacketKind::Inputs;
    inputs.inputs.assign(n, 0);
    for (int tries = 0; tries < 100; ++tries) {
        side.link.send(NetChannel::Inputs, encodePacket(inputs));
        if (side.await(kind, 50)) return true;
    }
    return false;
}

} // namespace

// Junk from the peer on both channels, and datagrams at the port from anyone, change
// nothing: the session goes on, the peer's junk is counted, a third peer is not let in.
TEST(OnlinePlay, JunkPacketsAreDroppedAndCountedAndNoThirdPeerGetsIn) {
    const std::string dir = scratchDir("online-junk");
    std::ofstream(dir + "/host.txt") << hostStartup;
    const std::uint16_t port = testPort(3) + 1;
    BackgroundGame host("--host " + std::to_string(port) + " --headless --trace --stats --script " +
                        dir + "/host.txt");
    usleep(300 * 1000);
    FakePeer joiner;
    joinAsTheGame(joiner, port);
    if (HasFatalFailure()) return;
    const NetPacket& start = *joiner.find(PacketKind::Start);
    EXPECT_EQ(start.settings.fighter1, 1);
    EXPECT_EQ(start.settings.fighter2, 2);
    EXPECT_EQ(start.inputDelay, 2);
    ASSERT_TRUE(start.start);
    EXPECT_EQ(start.start->game.gameMode, "P1-VS-P2");
    EXPECT_EQ(start.start->game.onlineSession, 1);

    const std::vector<std::vector<std::uint8_t>> junk = {
        {}, {99}, {3, 1, 2}, std::vector<std::uint8_t>(2000, 0xEE), {4, 1, 0, 0, 0}};
    for (const auto& bytes : junk) {
        joiner.link.send(NetChannel::Inputs, bytes);
        joiner.link.send(NetChannel::Control, bytes);
    }
    // Datagrams that are not the link's at all.
    const int raw = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    for (std::size_t n : {1u, 7u, 60u, 1400u}) {
        const std::vector<std::uint8_t> bytes(n, static_cast<std::uint8_t>(n));
        sendto(raw, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    }
    close(raw);

    std::string error;
    FakePeer third;
    ASSERT_TRUE(third.link.join("127.0.0.1", port, error)) << error;
    third.await(PacketKind::Bye, 1500);
    EXPECT_FALSE(third.link.connected()) << "one session per process";

    // The host still plays: our inputs let it run on. A hello in play reads whole but
    // comes out of its phase. Then we leave.
    EXPECT_TRUE(sendInputsUntil(joiner, 40, PacketKind::Hash));
    joiner.link.send(NetChannel::Control, encodePacket(ourHello()));
    NetPacket bye;
    bye.kind = PacketKind::Bye;
    bye.reason = ByeReason::Quit;
    joiner.link.send(NetChannel::Control, encodePacket(bye));
    joiner.await(PacketKind::Refuse, 500);
    const GameRun end = host.finish(5000);
    EXPECT_EQ(end.status, 0) << end.err;
    EXPECT_NE(end.out.find("net end peer-quit"), std::string::npos) << end.out;
    EXPECT_NE(end.out.find("dropped 11 packets (6 short, 4 unknown kind, 1 out of phase)"),
              std::string::npos)
        << end.out;
}

// Hashes that differ stop the session on both sides; the host keeps its replay and the
// state of the tick whose hashes differ, and names them, or says why the state could not
// be written.
TEST(OnlinePlay, AHashThatDiffersStopsTheSessionAndKeepsTheReplayAndTheState) {
    for (const bool dumpBlocked : {false, true}) {
        SCOPED_TRACE(dumpBlocked ? "a folder where the state goes" : "the state written");
        const std::string dir = scratchDir(dumpBlocked ? "online-desync-blocked" : "online-desync");
        std::ofstream(dir + "/host.txt") << hostStartup;
        const std::string dump = dir + "/host.tvr.desync-40.json";
        if (dumpBlocked) std::filesystem::create_directory(dump);
        const std::uint16_t port = testPort(3) + 2;
        BackgroundGame host("--host " + std::to_string(port) + " --headless --trace --record " +
                            dir + "/host.tvr --script " + dir + "/host.txt");
        usleep(300 * 1000);
        FakePeer joiner;
        joinAsTheGame(joiner, port);
        if (HasFatalFailure()) return;
        ASSERT_TRUE(sendInputsUntil(joiner, 60, PacketKind::Hash)) << host.out();
        NetPacket wrong = *joiner.find(PacketKind::Hash);
        EXPECT_EQ(wrong.tick, 40u);
        wrong.hash ^= 1;
        joiner.link.send(NetChannel::Control, encodePacket(wrong));
        ASSERT_TRUE(joiner.await(PacketKind::Bye, 5000));
        EXPECT_EQ(joiner.find(PacketKind::Bye)->reason, ByeReason::Desync);

        const GameRun end = host.finish(5000);
        EXPECT_EQ(end.status, 1);
        EXPECT_NE(end.out.find("net end desync"), std::string::npos) << end.out;
        EXPECT_NE(end.err.find("  replay: " + dir + "/host.tvr\n"), std::string::npos) << end.err;
        if (dumpBlocked) {
            EXPECT_EQ(end.err.find("  state:"), std::string::npos) << end.err;
            EXPECT_NE(end.err.find("the state of session tick 40 was not kept: cannot write " +
                                   dump + ": Is a directory"),
                      std::string::npos)
                << end.err;
        } else {
            EXPECT_NE(end.err.find("  state:  " + dump + "\n"), std::string::npos) << end.err;
            ASSERT_TRUE(std::filesystem::exists(dump));
            EXPECT_EQ(readJson(dump)["tick"], 40);
        }
        const GameRun replay = runGame("--headless --replay " + dir + "/host.tvr");
        EXPECT_EQ(replay.status, 0) << replay.out << replay.err;
    }
}

// Before the start each side shows its own screen, on the frames --shot counts from the
// run's ticks so far: the host its port, the joiner where it connects.
TEST(OnlinePlay, TheWaitingAndConnectingScreensAreShown) {
    if (!xvfbAvailable()) GTEST_SKIP() << "no xvfb-run";
    const std::string dir = scratchDir("online-screens");
    std::ofstream(dir + "/host.txt") << hostStartup;
    const std::string waiting = dir + "/waiting.png", connecting = dir + "/connecting.png";
    {
        BackgroundGame host("--host " + std::to_string(testPort(3) + 3) + " --script " + dir +
                                "/host.txt --shot 40:" + waiting,
                            true);
        BackgroundGame joiner("--join 127.0.0.1:" + std::to_string(testPort(3) + 4) +
                                  " --size 640x480 --shot 10:" + connecting,
                              true);
        // Both start a window and load the game first: on a busy machine that takes a while.
        for (int waited = 0; waited < 45000; waited += 100) {
            if (std::filesystem::exists(waiting) && std::filesystem::exists(connecting)) break;
            usleep(100 * 1000);
        }
    }
    for (const std::string& path : {waiting, connecting}) {
        SCOPED_TRACE(path);
        const Picture shot = readPng(path);
        ASSERT_TRUE(shot.ok());
        EXPECT_EQ(shot.width, 640);
        // The screen's dark blue in a corner, the title's band across the upper third.
        const std::uint8_t* corner = shot.at(5, shot.height - 5);
        EXPECT_EQ(corner[2], 60);
        EXPECT_GT(shot.at(5, shot.height / 4)[2], corner[2]);
    }
}
