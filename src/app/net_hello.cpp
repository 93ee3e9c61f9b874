#include "app/net_hello.h"

#include "app/build_identity.h"

NetPacket ourHello() {
    NetPacket p;
    p.kind = PacketKind::Hello;
    p.protocol = netProtocolVersion;
    p.contentHash = thisGameContentHash();
    p.version = thisGameVersion();
    return p;
}

std::string helloMismatch(const NetPacket& hello) {
    if (hello.kind != PacketKind::Hello) return "O OUTRO LADO NÃO SE APRESENTOU";
    if (hello.protocol != netProtocolVersion)
        return "PROTOCOLO DE REDE " + std::to_string(hello.protocol) + " CONTRA " +
               std::to_string(netProtocolVersion);
    if (hello.version != thisGameVersion())
        return "VERSÃO DO JOGO " + hello.version + " CONTRA " + thisGameVersion();
    if (hello.contentHash != thisGameContentHash()) return "OS DADOS OU O PROGRAMA DO JOGO DIFEREM";
    return {};
}
