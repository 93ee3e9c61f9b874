#include "app/net_hello.h"

#include "app/replay_file.h"

NetPacket ourHello() {
    NetPacket p;
    p.kind = PacketKind::Hello;
    p.protocol = netProtocolVersion;
    p.contentHash = thisGameContentHash();
    p.version = thisGameVersion();
    return p;
}

std::string helloMismatch(const NetPacket& hello) {
    if (hello.kind != PacketKind::Hello) return "the other side did not say hello";
    if (hello.protocol != netProtocolVersion)
        return "network protocol " + std::to_string(hello.protocol) + " against " +
               std::to_string(netProtocolVersion);
    if (hello.version != thisGameVersion())
        return "game version " + hello.version + " against " + thisGameVersion();
    if (hello.contentHash != thisGameContentHash())
        return "the game's data or build differs between the two sides";
    return {};
}
