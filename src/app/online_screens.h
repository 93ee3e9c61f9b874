// What online play draws of its own: the waiting and connecting screens, the line with
// the link's round trip and the ticks rolled back, the quit question that stands in for
// the pause, the notice over a battle frozen while the peer is late, and the message a
// session ends with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A whole frame of its own, without the game's scene: a title line and the lines below.
void drawSessionScreen(const std::string& title, const std::vector<std::string>& lines);

// Drawn over the battle's frame, before the swap.
void drawLinkLine(std::uint32_t roundTripMs, int rolledBack);
// cursor 1 "SIM", 2 "NÃO".
void drawQuitQuestion(int cursor);
void drawFrozenNotice();
