#include "app/build_identity.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <type_traits>
#include <vector>

#include "app/startup.h"
#include "platform/game_folders.h"
#include "shell/hash64.h"
#include "shell/saved_state.h"

namespace {

// The state's layout: every field's name, size and place, so that a replay from a build
// whose state is laid out differently is refused rather than misread.
struct LayoutHasher {
    Hash64& hash;
    const std::uint8_t* base;
    template <class T> void operator()(const char* name, T& v) {
        const std::uint64_t size = sizeof v;
        const auto place =
            static_cast<std::uint64_t>(reinterpret_cast<const std::uint8_t*>(&v) - base);
        hash.bytes(name, std::strlen(name));
        hash.bytes(&size, sizeof size);
        hash.bytes(&place, sizeof place);
        inner(v);
    }
    template <class T> void inner(T& v) {
        if constexpr (IsSequence<T>::value) {
            inner(*v.begin());
        } else if constexpr (!std::is_arithmetic_v<T> && !IsFixedString<T>::value) {
            LayoutHasher nested{hash, reinterpret_cast<const std::uint8_t*>(&v)};
            reflect(nested, v);
        }
    }
};

// A file's bytes, 8 at a time, with its length; a file that cannot be read counts as
// empty.
void hashFile(Hash64& hash, const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> chunk(1 << 20);
    std::uint64_t length = 0;
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto n = static_cast<std::size_t>(in.gcount());
        length += n;
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            std::uint64_t w = 0;
            std::memcpy(&w, chunk.data() + i, 8);
            hash.word(w);
        }
        hash.bytes(chunk.data() + i, n - i);
    }
    hash.bytes(&length, sizeof length);
}

// Each file by its name under the run folder ("Sons/x.wav") and its bytes.
void hashDataFolder(Hash64& hash, const std::filesystem::path& runDir, const std::string& folder) {
    std::error_code ec;
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(runDir / folder, ec))
        if (e.is_regular_file(ec)) names.push_back(folder + "/" + e.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        hash.bytes(name.data(), name.size());
        hashFile(hash, runDir / name);
    }
}

} // namespace

std::string thisGameVersion() {
    return gameVersion;
}

std::uint64_t gameContentHash(const std::string& runDir, const std::string& program) {
    Hash64 hash;
    static SavedState layout;
    LayoutHasher fields{hash, reinterpret_cast<const std::uint8_t*>(&layout)};
    fields("game", layout.game);
    fields("fighters", layout.game.fighters);
    fields("objectPool", layout.game.objectPool);
    fields("keys", layout.keys);
    for (const char* folder : {"Personagens", "Cenarios", "Posicoes", "Sons", "Musicas"})
        hashDataFolder(hash, runDir.empty() ? "." : runDir, folder);
    // The program itself: another build may play the same input another way.
    hashFile(hash, program);
    return hash.h;
}

std::uint64_t thisGameContentHash() {
    static const std::uint64_t hash = gameContentHash(gameFolders().data, "/proc/self/exe");
    return hash;
}
