#include "platform/net.h"

#include <enet/enet.h>

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
};

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

bool NetLink::send(NetChannel channel, const std::vector<std::uint8_t>& bytes) {
    if (!impl_->up || !impl_->peer) return false;
    const enet_uint32 flags =
        channel == NetChannel::Inputs ? ENET_PACKET_FLAG_UNSEQUENCED : ENET_PACKET_FLAG_RELIABLE;
    ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(), flags);
    if (!packet) return false;
    if (enet_peer_send(impl_->peer, static_cast<enet_uint8>(channel), packet) != 0) {
        enet_packet_destroy(packet);
        return false;
    }
    enet_host_flush(impl_->host);
    return true;
}

std::uint32_t NetLink::roundTripMs() const {
    return impl_->peer ? impl_->peer->roundTripTime : 0;
}

void NetLink::close() {
    if (!impl_->host) return;
    if (impl_->peer && impl_->up) {
        enet_peer_disconnect_now(impl_->peer, 0);
        enet_host_flush(impl_->host);
    }
    enet_host_destroy(impl_->host);
    impl_->host = nullptr;
    impl_->peer = nullptr;
    impl_->up = false;
}
