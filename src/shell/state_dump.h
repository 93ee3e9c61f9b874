// The whole game state as JSON, and a hash of it that is equal for equal states.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

std::uint64_t stateHash();
std::string stateDumpJson(long long tick);
// The fields whose values differ between two dumps, as paths ("fighters[1].posX"), in
// dump order, at most `limit` of them; the tick and the hash are not compared.
std::vector<std::string> dumpDifferences(const std::string& a, const std::string& b,
                                         std::size_t limit);
