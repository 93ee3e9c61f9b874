// The first words of an online session: the joiner says which protocol, game version
// and content it runs; the host lets it in only when all three are its own, and either
// side can say in words what differs.
#pragma once

#include <string>

#include "app/net_packets.h"

// This game's hello.
NetPacket ourHello();
// Empty when `hello` matches ours; else what differs, in the player's words, for both
// sides to show.
std::string helloMismatch(const NetPacket& hello);
