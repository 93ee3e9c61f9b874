#include "shell/state_dump.h"

#include <nlohmann/json.hpp>

#include <cstring>
#include <type_traits>

#include "shell/game_state.h"
#include "shell/hash64.h"

namespace {

using Json = nlohmann::ordered_json;

struct JsonFields;

template <class T> Json toJson(T& v);

struct JsonFields {
    Json& out;
    template <class T> void operator()(const char* name, T& v) { out[name] = toJson(v); }
};

template <class T> Json toJson(T& v) {
    if constexpr (std::is_arithmetic_v<T>) {
        return v;
    } else if constexpr (IsFixedString<T>::value) {
        return std::string(v.view());
    } else if constexpr (IsSequence<T>::value) {
        Json a = Json::array();
        for (auto& e : v) a.push_back(toJson(e));
        return a;
    } else {
        Json o = Json::object();
        JsonFields fields{o};
        reflect(fields, v);
        return o;
    }
}

// Every field's value mixed in as one 64-bit word (a text: its length, then its bytes);
// -0.0 hashes as 0.0 so equal numbers hash alike.
struct Hasher {
    Hash64 hash;

    void word(std::uint64_t x) { hash.word(x); }
    template <class T> void value(T& v) {
        if constexpr (std::is_floating_point_v<T>) {
            const double d = v == 0 ? 0.0 : static_cast<double>(v);
            std::uint64_t bits = 0;
            std::memcpy(&bits, &d, sizeof d);
            word(bits);
        } else if constexpr (std::is_arithmetic_v<T>) {
            word(static_cast<std::uint64_t>(v));
        } else if constexpr (IsFixedString<T>::value) {
            word(v.len);
            for (std::size_t i = 0; i < v.len; i += 8) {
                std::uint64_t chunk = 0;
                std::memcpy(&chunk, v.buf + i, v.len - i < 8 ? v.len - i : 8);
                word(chunk);
            }
        } else if constexpr (IsSequence<T>::value) {
            for (auto& e : v) value(e);
        } else {
            // A record that says so counts only once it is in use, so that adding it left
            // the hashes of states that never use it as they were.
            if constexpr (requires { T::hashedOnlyWhenUsed; })
                if (!v.used()) return;
            reflect(*this, v);
        }
    }
    template <class T> void operator()(const char*, T& v) { value(v); }
};

} // namespace

std::uint64_t stateHash() {
    Hasher hasher;
    reflect(hasher, gs);
    hasher.value(gs.fighters);
    hasher.value(gs.objectPool);
    hasher.value(gs.rngState);
    return hasher.hash.h;
}

std::string stateDumpJson(long long tick) {
    Json root = Json::object();
    JsonFields fields{root};
    reflect(fields, gs);
    root["transitionTimer"] = gs.transitionTimer();
    root["fighters"] = toJson(gs.fighters);
    // Only records in use, each with its pool number.
    Json objects = Json::array();
    for (std::size_t i = 1; i <= gs.objectPool.size(); ++i) {
        if (gs.objectPool[i].kind == 0) continue;
        Json o = toJson(gs.objectPool[i]);
        o["slot"] = i;
        objects.push_back(std::move(o));
    }
    root["objects"] = std::move(objects);
    root["tick"] = tick;
    root["rngState"] = gs.rngState;
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(stateHash()));
    root["stateHash"] = hash;
    return root.dump(1, ' ', false, Json::error_handler_t::replace) + "\n";
}

namespace {

void collectDifferences(const Json& a, const Json& b, const std::string& path,
                        std::vector<std::string>& out, std::size_t limit) {
    if (out.size() >= limit) return;
    if (a.is_object() && b.is_object()) {
        for (auto it = a.begin(); it != a.end(); ++it) {
            if (path.empty() && (it.key() == "tick" || it.key() == "stateHash")) continue;
            const std::string inner = path.empty() ? it.key() : path + "." + it.key();
            if (b.contains(it.key()))
                collectDifferences(*it, b[it.key()], inner, out, limit);
            else if (out.size() < limit)
                out.push_back(inner);
        }
        for (auto it = b.begin(); it != b.end(); ++it)
            if (!a.contains(it.key()) && out.size() < limit)
                out.push_back(path.empty() ? it.key() : path + "." + it.key());
        return;
    }
    if (a.is_array() && b.is_array() && a.size() == b.size()) {
        for (std::size_t i = 0; i < a.size(); ++i)
            collectDifferences(a[i], b[i], path + "[" + std::to_string(i + 1) + "]", out, limit);
        return;
    }
    if (a != b) out.push_back(path);
}

} // namespace

std::vector<std::string> dumpDifferences(const std::string& a, const std::string& b,
                                         std::size_t limit) {
    std::vector<std::string> out;
    const Json ja = Json::parse(a, nullptr, false), jb = Json::parse(b, nullptr, false);
    if (ja.is_discarded() || jb.is_discarded()) return {"(a dump does not parse)"};
    collectDifferences(ja, jb, "", out, limit);
    return out;
}
