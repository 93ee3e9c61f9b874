// One side of an online session: the link to the peer, the hello and the start, the
// rollback of the shared ticks, the health checks (hashes, silence) and the replay of
// the confirmed ticks. It neither draws nor reads a device or a clock: the caller hands
// it the time and the local player's word.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "app/game_rollback.h"
#include "app/net_packets.h"
#include "app/replay_recorder.h"
#include "app/rollback.h"
#include "app/time_sync.h"
#include "platform/net.h"

enum class SessionEnd : std::uint8_t { None, Done, Quit, PeerQuit, Lost, Desync, Refused, Title };
// The word of the trace's "net end" line: "done", "quit", "peer-quit", ...
const char* sessionEndWord(SessionEnd end);

struct SessionOptions {
    bool host = false;
    std::uint16_t port = 0;
    std::string address;
    int inputDelay = 2; // the host's counts: it goes to the joiner with the start
    NetConditions conditions;
    std::string recordPath; // the session's replay; empty: the replays folder
};

// A peer silent this long in play interrupts the link: some twenty of its packets have
// not come, which loss alone does not do, and the battle, a window of ticks past the
// last input heard, has stood still for a few frames.
constexpr std::int64_t linkInterruptMs = 500;
// A peer silent this long ends the session.
constexpr std::int64_t sessionSilenceLimitMs = 5000;

// What the session tells the run of its link, in play.
enum class LinkEvent : std::uint8_t {
    Interrupted, // nothing heard from the peer for linkInterruptMs
    Resumed,     // heard again
};

class OnlineSession {
  public:
    enum class Phase { Waiting, Connecting, Playing, Ended };

    bool open(const SessionOptions& options, std::string& error);
    Phase phase() const { return phase_; }
    std::uint16_t port() const { return link_.localPort(); }

    // Host: the state in play is the session's tick 0; it goes to the joiner once one has
    // said hello, and play starts.
    void offerStart();

    // Reads every packet that has arrived. The joiner's start state is loaded here.
    void poll(std::int64_t nowMs);
    // One frame of play with the local player's word; true when a tick ran.
    bool frame(std::uint16_t localWord);
    // After each frame: the confirmed ticks are recorded and checked, our inputs sent.
    void afterFrame(std::int64_t nowMs);
    // The local player leaves; the peer is told.
    void quit();
    // The session ends "done" once both sides have run this many ticks.
    void setTickLimit(std::uint32_t ticks) { tickLimit_ = ticks; }

    SessionEnd end() const { return end_; }
    // What the player is told on the way out: a refusal names what differs.
    const std::string& endText() const { return endText_; }
    std::uint32_t tick() const { return core_ ? core_->tick() : 0; }
    std::uint32_t roundTripMs() const { return link_.roundTripMs(); }
    int rolledBack() const { return core_ ? core_->lastRolledBack() : 0; }
    // Extra milliseconds for the next frame while this side runs ahead of its peer.
    int frameStretchMs() const;
    // The link's changes since the last call, oldest first; none when there are no more.
    std::optional<LinkEvent> nextEvent();
    std::uint64_t bytesSent() const { return link_.bytesSent(); }
    std::uint64_t bytesReceived() const { return link_.bytesReceived(); }
    std::uint64_t packetsDropped() const;
    // The same in words for --stats, by why: "dropped 7 packets (6 short, 1 out of phase)".
    std::string packetsDroppedText() const;
    // The session's replay and, after a desync, the state dump, once written.
    const std::string& replayPath() const { return replayPath_; }
    const std::string& dumpPath() const { return dumpPath_; }

  private:
    struct Check {
        std::uint32_t tick;
        std::uint64_t hash;
        std::unique_ptr<SavedState> state;
    };
    void receive(const NetPacket& p);
    void onHello(const NetPacket& p);
    void onStart(const NetPacket& p);
    void sendStart();
    void beginPlay(int inputDelay);
    void sendInputs();
    int ourAdvantage() const;
    void recordConfirmed();
    // The hash of the state before confirmed tick u, checked; none when out of reach.
    std::optional<std::uint64_t> checkpoint(std::uint32_t u);
    void compareHashes();
    void desync(const Check& check);
    // Ends the session; the peer is told why when `bye` is given.
    void finish(SessionEnd why, const std::string& text,
                std::optional<ByeReason> bye = std::nullopt);
    void writeRecord();
    void writeDesyncDump();
    void drop(PacketFault fault) { dropped_[static_cast<std::size_t>(fault)] += 1; }
    void heard(std::int64_t nowMs);
    void checkSilence(std::int64_t nowMs);
    void raise(LinkEvent e);

    SessionOptions options_;
    NetLink link_;
    Phase phase_ = Phase::Connecting;
    std::unique_ptr<GameRollback> game_; // the core's callbacks; outlives the core
    std::unique_ptr<Rollback> core_;
    std::unique_ptr<SavedState> start_;
    bool helloHeard_ = false;
    bool peerDone_ = false;
    std::optional<std::uint32_t> tickLimit_;
    std::int64_t lastHeardMs_ = 0, nowMs_ = 0;
    bool interrupted_ = false;
    std::deque<LinkEvent> events_;

    std::uint32_t peerAck_ = 0;   // every tick of ours before this one has reached the peer
    std::uint32_t confirmed_ = 0; // every tick before this one is recorded and checked
    int peerAdvantage_ = 0;
    std::uint32_t peerTickSeen_ = 0;
    TimeSync timeSync_;

    std::deque<Check> ours_;                                     // awaiting the peer's
    std::deque<std::pair<std::uint32_t, std::uint64_t>> theirs_; // awaiting ours
    ReplayRecorder recorder_;

    SessionEnd end_ = SessionEnd::None;
    std::string endText_;
    std::string replayPath_, dumpPath_;
    std::string desyncDump_;
    std::uint32_t desyncTick_ = 0;
    std::array<std::uint64_t, static_cast<std::size_t>(PacketFault::Count)> dropped_{};
};
