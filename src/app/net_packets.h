// The packets of an online session, as bytes on the wire (little-endian). Every reader
// checks each length and value before use; a packet that does not read whole is dropped
// and counted by why, never trusted.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shell/game_state.h"
#include "shell/saved_state.h"

constexpr std::uint16_t netProtocolVersion = 1;
constexpr int netMaxInputDelay = 4;
// The most inputs one packet carries: every tick since the peer's last acknowledgement,
// up to this many.
constexpr std::size_t netMaxInputsPerPacket = 64;
constexpr std::size_t netMaxTextLength = 200;

enum class PacketKind : std::uint8_t {
    Hello = 1,  // joiner -> host: protocol, content hash, game version
    Refuse = 2, // either way: why the session cannot go on, in words
    Inputs = 3, // the sender's inputs from firstTick on, and the last tick it has of ours
    Hash = 4,   // the stateHash of a confirmed tick
    Bye = 5,    // the sender leaves the session, and why
    Start = 6,  // host -> joiner: the match settings, the input delay and the start state
};

// Why a side leaves, one byte on the wire.
enum class ByeReason : std::uint8_t {
    Done = 1,   // both sides ran the ticks they were given
    Quit = 2,   // the player chose to leave
    Desync = 3, // the hashes of a confirmed tick differ
    Title = 4,  // a player went back to the title after a match
};

// What the host chose for the session's matches; the start state holds the same.
struct MatchSettings {
    u8 fighter1 = 0, fighter2 = 0, arena = 0;
    u8 roundTime = 0, rounds = 0, damageLevel = 0, lighting = 0;
    u32 seed = 0; // the random generator's state at session tick 0
    bool operator==(const MatchSettings&) const = default;
};
// The settings of the state in play.
MatchSettings currentMatchSettings();

struct NetPacket {
    PacketKind kind = PacketKind::Bye;
    // Hello
    std::uint16_t protocol = 0;
    std::uint64_t contentHash = 0;
    std::string version;
    // Refuse
    std::string text;
    // Bye
    ByeReason reason = ByeReason::Quit;
    // Inputs
    std::uint32_t ackTick = 0; // every tick of ours before this one has arrived
    std::uint32_t firstTick = 0;
    std::vector<std::uint16_t> inputs;
    // How many ticks the sender runs ahead of the peer as it sees it; the two sides'
    // views together tell which one is truly ahead.
    std::int8_t advantage = 0;
    // Hash
    std::uint32_t tick = 0;
    std::uint64_t hash = 0;
    // Start
    MatchSettings settings;
    std::uint8_t inputDelay = 0;
    std::shared_ptr<const SavedState> start;
};

// Why a packet was dropped. OutOfPhase is the session's: a packet that reads whole but
// that the session does not take at this point (a hello while playing, a start to the
// host, a hash before play).
enum class PacketFault : std::uint8_t {
    None,
    Short,
    UnknownKind,
    BadValue,
    Trailing,
    OutOfPhase,
    Count
};
// "short", "unknown kind", ...: the words --stats counts drops by.
const char* packetFaultWord(PacketFault fault);

std::vector<std::uint8_t> encodePacket(const NetPacket& packet);
// PacketFault::None when the bytes are one whole packet of a known kind.
PacketFault decodePacket(const std::uint8_t* data, std::size_t size, NetPacket& out);

// One player's input of one tick as a word: up, down, left, right, then buttons 1..10.
std::uint16_t packInput(const InputSnapshot& s);
InputSnapshot unpackInput(std::uint16_t word);
