// The whole game state as JSON, and a hash of it that is equal for equal states.
#pragma once

#include <cstdint>
#include <string>

std::uint64_t stateHash();
std::string stateDumpJson(long long tick);
