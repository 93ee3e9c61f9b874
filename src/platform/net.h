// UDP sessions through ENet, for online play: one peer, two channels. Channel 0 carries
// inputs unsequenced and unreliable (a lost one is sent again in the next packet);
// channel 1 carries the session's control messages, reliable and in order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class NetChannel : std::uint8_t { Inputs = 0, Control = 1 };

struct NetEvent {
    enum Kind { Connected, Received, Disconnected } kind = Received;
    NetChannel channel = NetChannel::Inputs;
    std::vector<std::uint8_t> bytes;
};

// A bad line for testing (--net-sim), applied to the packets this side sends: each is
// held `delayMs` plus up to `jitterMs`, lost, sent twice, or held back behind the next
// one, with the given chances in percent.
struct NetConditions {
    int delayMs = 0, jitterMs = 0, lossPercent = 0, duplicatePercent = 0, reorderPercent = 0;
    bool any() const {
        return delayMs || jitterMs || lossPercent || duplicatePercent || reorderPercent;
    }
};
// "delay=60,jitter=30,loss=10,dup=0,reorder=0": any of the five, in any order.
bool parseNetConditions(const std::string& text, NetConditions& out, std::string& error);

class NetLink {
  public:
    NetLink();
    ~NetLink();
    NetLink(const NetLink&) = delete;
    NetLink& operator=(const NetLink&) = delete;

    // Listens on `port` (0: any free port) for one peer; a second one is refused.
    bool host(std::uint16_t port, std::string& error);
    // Connects to address:port; Connected comes from poll once the peer answers.
    bool join(const std::string& address, std::uint16_t port, std::string& error);
    std::uint16_t localPort() const;
    bool connected() const;
    // The next event without waiting, false when there is none.
    bool poll(NetEvent& event);
    bool send(NetChannel channel, const std::vector<std::uint8_t>& bytes);
    void setConditions(const NetConditions& conditions);
    // Bytes of the game's packets sent and received so far (ENet's own headers apart).
    std::uint64_t bytesSent() const;
    std::uint64_t bytesReceived() const;
    // The peer's round-trip time as ENet measures it, in milliseconds.
    std::uint32_t roundTripMs() const;
    // Says goodbye to the peer after everything sent so far and closes; a peer that is
    // gone (`peerAlive` false) is not waited for.
    void close(bool peerAlive = true);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
