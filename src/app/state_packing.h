// A saved state as bytes, packed by runs of zeros: the start of a replay, and the start
// state a host sends to the joiner of an online session.
#pragma once

#include <string>

#include "app/byte_stream.h"
#include "shell/saved_state.h"

void packState(const SavedState& s, ByteWriter& w);
// False with what is wrong when the bytes are not a whole, well-formed state of this
// build's layout (a short read leaves `r` short and `error` empty).
bool unpackState(ByteReader& r, SavedState& s, std::string& error);
