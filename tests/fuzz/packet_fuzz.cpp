// Any bytes as a session packet; what reads whole must write back to the same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/net_packets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NetPacket packet;
    if (decodePacket(data, size, packet) != PacketFault::None) return 0;
    const std::vector<std::uint8_t> again = encodePacket(packet);
    if (again.size() != size || !std::equal(again.begin(), again.end(), data)) std::abort();
    return 0;
}
