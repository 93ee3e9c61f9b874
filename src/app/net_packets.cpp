#include "app/net_packets.h"

#include <cstdint>
#include <iterator>

#include "app/byte_stream.h"
#include "app/state_packing.h"

namespace {

void writeText(ByteWriter& o, const std::string& s) {
    const std::size_t n = s.size() < netMaxTextLength ? s.size() : netMaxTextLength;
    o.number(static_cast<std::uint8_t>(n));
    o.raw(s.data(), n);
}

// False on a short read; `tooLong` when the length is beyond what a packet may hold.
bool readText(ByteReader& in, std::string& s, bool& tooLong) {
    std::uint8_t n = 0;
    if (!in.number(n)) return false;
    tooLong = n > netMaxTextLength;
    if (tooLong) return true;
    s.assign(n, ' ');
    return in.take(s.data(), n);
}

constexpr std::uint16_t knownInputBits = (1u << 14) - 1;

// Every match setting in the order the start packet carries them: its field, the values
// the game allows, and where the game state holds the same.
template <class Visit> void eachMatchSetting(Visit&& visit) {
    visit(&MatchSettings::fighter1, 1, 2,
          [](const GameState& g) { return g.fighters[1].character; });
    visit(&MatchSettings::fighter2, 1, 2,
          [](const GameState& g) { return g.fighters[2].character; });
    visit(&MatchSettings::arena, 1, 2, [](const GameState& g) { return g.arena; });
    visit(&MatchSettings::roundTime, 1, 4, [](const GameState& g) { return g.roundTimeSetting; });
    visit(&MatchSettings::rounds, 1, 3, [](const GameState& g) { return g.roundsSetting; });
    visit(&MatchSettings::damageLevel, 1, 5, [](const GameState& g) { return g.damageLevel; });
    visit(&MatchSettings::lighting, 1, 3, [](const GameState& g) { return g.lightingVariant; });
    visit(&MatchSettings::seed, 0, UINT32_MAX, [](const GameState& g) { return g.rngState; });
}

void writeSettings(ByteWriter& o, const MatchSettings& m) {
    eachMatchSetting([&](auto field, long long, long long, auto) { o.number(m.*field); });
}

bool readSettings(ByteReader& in, MatchSettings& m) {
    bool whole = true;
    eachMatchSetting(
        [&](auto field, long long, long long, auto) { whole = whole && in.number(m.*field); });
    return whole;
}

// A start only a host of this build could send: settings within the game's ranges and
// the same as its state's.
bool startMakesSense(const NetPacket& p) {
    const MatchSettings& m = p.settings;
    const GameState& g = p.start->game;
    bool sense = p.inputDelay <= netMaxInputDelay;
    eachMatchSetting([&](auto field, long long lo, long long hi, auto inState) {
        const long long v = m.*field;
        sense = sense && v >= lo && v <= hi && inState(g) == m.*field;
    });
    return sense;
}

} // namespace

MatchSettings currentMatchSettings() {
    MatchSettings m;
    eachMatchSetting(
        [&](auto field, long long, long long, auto inState) { m.*field = inState(gs); });
    return m;
}

std::vector<std::uint8_t> encodePacket(const NetPacket& p) {
    ByteWriter o;
    o.number(static_cast<std::uint8_t>(p.kind));
    switch (p.kind) {
    case PacketKind::Hello:
        o.number(p.protocol);
        o.number(p.contentHash);
        writeText(o, p.version);
        break;
    case PacketKind::Refuse:
        writeText(o, p.text);
        break;
    case PacketKind::Bye:
        o.number(static_cast<std::uint8_t>(p.reason));
        break;
    case PacketKind::Inputs: {
        const std::size_t n =
            p.inputs.size() < netMaxInputsPerPacket ? p.inputs.size() : netMaxInputsPerPacket;
        o.number(p.ackTick);
        o.number(p.firstTick);
        o.number(p.advantage);
        o.number(static_cast<std::uint8_t>(n));
        for (std::size_t i = 0; i < n; ++i) o.number(p.inputs[i]);
        break;
    }
    case PacketKind::Hash:
        o.number(p.tick);
        o.number(p.hash);
        break;
    case PacketKind::Start:
        writeSettings(o, p.settings);
        o.number(p.inputDelay);
        packState(p.start ? *p.start : SavedState{}, o);
        break;
    }
    return std::move(o.bytes);
}

PacketFault decodePacket(const std::uint8_t* data, std::size_t size, NetPacket& out) {
    out = NetPacket{};
    ByteReader in(data, size);
    std::uint8_t kind = 0;
    if (!in.number(kind)) return PacketFault::Short;
    bool tooLong = false;
    switch (kind) {
    case static_cast<std::uint8_t>(PacketKind::Hello):
        if (!in.number(out.protocol) || !in.number(out.contentHash) ||
            !readText(in, out.version, tooLong))
            return PacketFault::Short;
        break;
    case static_cast<std::uint8_t>(PacketKind::Refuse):
        if (!readText(in, out.text, tooLong)) return PacketFault::Short;
        break;
    case static_cast<std::uint8_t>(PacketKind::Bye): {
        std::uint8_t reason = 0;
        if (!in.number(reason)) return PacketFault::Short;
        if (reason < static_cast<std::uint8_t>(ByeReason::Done) ||
            reason > static_cast<std::uint8_t>(ByeReason::Title))
            return PacketFault::BadValue;
        out.reason = static_cast<ByeReason>(reason);
        break;
    }
    case static_cast<std::uint8_t>(PacketKind::Inputs): {
        std::uint8_t n = 0;
        if (!in.number(out.ackTick) || !in.number(out.firstTick) || !in.number(out.advantage) ||
            !in.number(n))
            return PacketFault::Short;
        if (n == 0 || n > netMaxInputsPerPacket) return PacketFault::BadValue;
        out.inputs.resize(n);
        for (std::uint16_t& w : out.inputs) {
            if (!in.number(w)) return PacketFault::Short;
            if ((w & ~knownInputBits) != 0) return PacketFault::BadValue;
        }
        break;
    }
    case static_cast<std::uint8_t>(PacketKind::Hash):
        if (!in.number(out.tick) || !in.number(out.hash)) return PacketFault::Short;
        break;
    case static_cast<std::uint8_t>(PacketKind::Start): {
        if (!readSettings(in, out.settings) || !in.number(out.inputDelay))
            return PacketFault::Short;
        auto start = std::make_shared<SavedState>();
        std::string error;
        if (!unpackState(in, *start, error))
            return in.ranShort() ? PacketFault::Short : PacketFault::BadValue;
        out.start = std::move(start);
        if (!startMakesSense(out)) return PacketFault::BadValue;
        break;
    }
    default:
        return PacketFault::UnknownKind;
    }
    if (tooLong) return PacketFault::BadValue;
    if (in.left() != 0) return PacketFault::Trailing;
    out.kind = static_cast<PacketKind>(kind);
    return PacketFault::None;
}

const char* packetFaultWord(PacketFault fault) {
    static constexpr const char* words[] = {"none",      "short",          "unknown kind",
                                            "bad value", "trailing bytes", "out of phase"};
    static_assert(std::size(words) == static_cast<std::size_t>(PacketFault::Count));
    return words[static_cast<std::size_t>(fault)];
}

std::uint16_t packInput(const InputSnapshot& s) {
    std::uint16_t w = 0;
    const u8 directions[4] = {s.up, s.down, s.left, s.right};
    for (int i = 0; i < 4; ++i)
        if (directions[i]) w |= static_cast<std::uint16_t>(1u << i);
    for (std::size_t b = 1; b <= 10; ++b)
        if (s.buttons[b]) w |= static_cast<std::uint16_t>(1u << (3 + b));
    return w;
}

InputSnapshot unpackInput(std::uint16_t w) {
    InputSnapshot s;
    s.up = w & 1u;
    s.down = (w >> 1) & 1u;
    s.left = (w >> 2) & 1u;
    s.right = (w >> 3) & 1u;
    for (std::size_t b = 1; b <= 10; ++b) s.buttons[b] = (w >> (3 + b)) & 1u;
    return s;
}
