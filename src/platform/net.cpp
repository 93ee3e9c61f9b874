#include "platform/net.h"

#include <enet/enet.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdlib>

namespace {

constexpr std::size_t channelCount = 2;

// ENet's global set-up, once for the process.
bool enetReady() {
    static const bool ready = [] {
        if (enet_initialize() != 0) return false;
        std::atexit(enet_deinitialize);
        return true;
    }();
    return ready;
}

} // namespace

struct NetLink::Impl {
    ENetHost* host = nullptr;
    ENetPeer* peer = nullptr;
    bool up = false;
    std::uint64_t sent = 0, received = 0;

    struct Held {
        std::int64_t dueMs;
        NetChannel channel;
        std::vector<std::uint8_t> bytes;
    };
    NetConditions conditions;
    std::vector<Held> held;
    std::int64_t lastControlDue = 0;
    std::uint32_t draws = 0x2545F491u;

    int draw(int n) {
        draws = draws * 1664525u + 1013904223u;
        return n <= 0 ? 0 : static_cast<int>((draws >> 8) % static_cast<std::uint32_t>(n));
    }
    bool sendNow(NetChannel channel, const std::vector<std::uint8_t>& bytes);
    void sendDue(bool all);
};

namespace {

std::int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

bool parseNetConditions(const std::string& text, NetConditions& out, std::string& error) {
    out = NetConditions{};
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find(',', pos), text.size());
        const std::string item = text.substr(pos, end - pos);
        const std::size_t eq = item.find('=');
        int value = -1;
        if (eq != std::string::npos) {
            const std::string number = item.substr(eq + 1);
            auto [p, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
            if (ec != std::errc() || p != number.data() + number.size()) value = -1;
        }
        const std::string key = eq == std::string::npos ? item : item.substr(0, eq);
        int* field = key == "delay"     ? &out.delayMs
                     : key == "jitter"  ? &out.jitterMs
                     : key == "loss"    ? &out.lossPercent
                     : key == "dup"     ? &out.duplicatePercent
                     : key == "reorder" ? &out.reorderPercent
                                        : nullptr;
        const int most = field == &out.delayMs || field == &out.jitterMs ? 5000 : 100;
        if (!field || value < 0 || value > most) {
            error = "--net-sim wants delay=MS,jitter=MS,loss=PCT,dup=PCT,reorder=PCT, not '" +
                    item + "'";
            return false;
        }
        *field = value;
        pos = end + 1;
    }
    return true;
}

NetLink::NetLink() : impl_(std::make_unique<Impl>()) {}

NetLink::~NetLink() {
    close();
}

bool NetLink::host(std::uint16_t port, std::string& error) {
    if (!enetReady()) {
        error = "the network cannot be started";
        return false;
    }
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    impl_->host = enet_host_create(&address, 1, channelCount, 0, 0);
    if (!impl_->host) {
        error = "cannot listen on port " + std::to_string(port);
        return false;
    }
    return true;
}

bool NetLink::join(const std::string& name, std::uint16_t port, std::string& error) {
    if (!enetReady()) {
        error = "the network cannot be started";
        return false;
    }
    ENetAddress address{};
    if (enet_address_set_host(&address, name.c_str()) != 0) {
        error = "unknown address " + name;
        return false;
    }
    address.port = port;
    impl_->host = enet_host_create(nullptr, 1, channelCount, 0, 0);
    if (!impl_->host) {
        error = "cannot open a network socket";
        return false;
    }
    impl_->peer = enet_host_connect(impl_->host, &address, channelCount, 0);
    if (!impl_->peer) {
        error = "cannot connect to " + name + ":" + std::to_string(port);
        return false;
    }
    return true;
}

std::uint16_t NetLink::localPort() const {
    if (!impl_->host) return 0;
    ENetAddress address{};
    if (enet_socket_get_address(impl_->host->socket, &address) != 0) return 0;
    return address.port;
}

bool NetLink::connected() const {
    return impl_->up;
}

bool NetLink::poll(NetEvent& out) {
    if (!impl_->host) return false;
    impl_->sendDue(false);
    ENetEvent e;
    while (enet_host_service(impl_->host, &e, 0) > 0) {
        switch (e.type) {
        case ENET_EVENT_TYPE_CONNECT:
            impl_->peer = e.peer;
            impl_->up = true;
            out = NetEvent{NetEvent::Connected, NetChannel::Control, {}};
            return true;
        case ENET_EVENT_TYPE_DISCONNECT:
            if (e.peer != impl_->peer) continue;
            impl_->peer = nullptr;
            impl_->up = false;
            out = NetEvent{NetEvent::Disconnected, NetChannel::Control, {}};
            return true;
        case ENET_EVENT_TYPE_RECEIVE: {
            const bool fromPeer = e.peer == impl_->peer && e.channelID < channelCount;
            if (fromPeer) {
                out.kind = NetEvent::Received;
                out.channel = static_cast<NetChannel>(e.channelID);
                out.bytes.assign(e.packet->data, e.packet->data + e.packet->dataLength);
                impl_->received += e.packet->dataLength;
            }
            enet_packet_destroy(e.packet);
            if (fromPeer) return true;
            continue;
        }
        default:
            continue;
        }
    }
    return false;
}

bool NetLink::Impl::sendNow(NetChannel channel, const std::vector<std::uint8_t>& bytes) {
    if (!up || !peer) return false;
    const enet_uint32 flags =
        channel == NetChannel::Inputs ? ENET_PACKET_FLAG_UNSEQUENCED : ENET_PACKET_FLAG_RELIABLE;
    ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(), flags);
    if (!packet) return false;
    if (enet_peer_send(peer, static_cast<enet_uint8>(channel), packet) != 0) {
        enet_packet_destroy(packet);
        return false;
    }
    enet_host_flush(host);
    sent += bytes.size();
    return true;
}

// Held packets go out when due, in the order they fall due.
void NetLink::Impl::sendDue(bool all) {
    const std::int64_t now = nowMs();
    std::stable_sort(held.begin(), held.end(),
                     [](const Held& a, const Held& b) { return a.dueMs < b.dueMs; });
    std::size_t n = 0;
    while (n < held.size() && (all || held[n].dueMs <= now)) {
        sendNow(held[n].channel, held[n].bytes);
        ++n;
    }
    held.erase(held.begin(), held.begin() + static_cast<std::ptrdiff_t>(n));
}

// The reliable channel is ENet's own to repair: only its delay is simulated.
bool NetLink::send(NetChannel channel, const std::vector<std::uint8_t>& bytes) {
    Impl& i = *impl_;
    if (!i.up || !i.peer) return false;
    if (!i.conditions.any()) return i.sendNow(channel, bytes);
    const bool inputs = channel == NetChannel::Inputs;
    if (inputs && i.draw(100) < i.conditions.lossPercent) return true;
    const int copies = inputs && i.draw(100) < i.conditions.duplicatePercent ? 2 : 1;
    for (int c = 0; c < copies; ++c) {
        std::int64_t due = nowMs() + i.conditions.delayMs + i.draw(i.conditions.jitterMs + 1);
        if (inputs && i.draw(100) < i.conditions.reorderPercent) due += 1 + i.draw(50);
        // Control messages keep their order.
        if (!inputs) due = i.lastControlDue = std::max(due, i.lastControlDue);
        i.held.push_back({due, channel, bytes});
    }
    i.sendDue(false);
    return true;
}

void NetLink::setConditions(const NetConditions& conditions) {
    impl_->conditions = conditions;
}

std::uint64_t NetLink::bytesSent() const {
    return impl_->sent;
}

std::uint64_t NetLink::bytesReceived() const {
    return impl_->received;
}

std::uint32_t NetLink::roundTripMs() const {
    return impl_->peer ? impl_->peer->roundTripTime : 0;
}

// What is still held by the simulated line goes out now; the peer is then told goodbye
// after everything reliable already sent, given up to a second to answer.
void NetLink::close(bool peerAlive) {
    if (!impl_->host) return;
    impl_->sendDue(true);
    if (impl_->peer && impl_->up && !peerAlive) {
        enet_peer_disconnect_now(impl_->peer, 0);
        enet_host_flush(impl_->host);
    } else if (impl_->peer && impl_->up) {
        enet_peer_disconnect_later(impl_->peer, 0);
        const std::int64_t until = nowMs() + 1000;
        ENetEvent e;
        bool gone = false;
        while (!gone && nowMs() < until) {
            if (enet_host_service(impl_->host, &e, 10) <= 0) continue;
            if (e.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(e.packet);
            gone = e.type == ENET_EVENT_TYPE_DISCONNECT;
        }
        if (!gone) enet_peer_disconnect_now(impl_->peer, 0);
        enet_host_flush(impl_->host);
    }
    enet_host_destroy(impl_->host);
    impl_->host = nullptr;
    impl_->peer = nullptr;
    impl_->up = false;
}
