#include "app/replay_store.h"

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <unistd.h>
#include <vector>

#include "platform/player_folders.h"
#include "platform/utf8.h"
#include "shell/rosters.h"
#include "shell/state_dump.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* extension = ".tvr";

// Upper-case letters and digits; an accented letter loses its accent; anything else
// becomes one dash.
std::string slug(std::string_view text) {
    std::string out;
    for (std::uint32_t c : decodeUtf8(text)) {
        char k = 0;
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            k = static_cast<char>(c);
        else if (c >= 'a' && c <= 'z')
            k = static_cast<char>(c - 32);
        else if ((c >= 0xC0 && c <= 0xC5) || (c >= 0xE0 && c <= 0xE5))
            k = 'A';
        else if (c == 0xC7 || c == 0xE7)
            k = 'C';
        else if ((c >= 0xC8 && c <= 0xCB) || (c >= 0xE8 && c <= 0xEB))
            k = 'E';
        else if ((c >= 0xCC && c <= 0xCF) || (c >= 0xEC && c <= 0xEF))
            k = 'I';
        else if ((c >= 0xD2 && c <= 0xD6) || (c >= 0xF2 && c <= 0xF6))
            k = 'O';
        else if ((c >= 0xD9 && c <= 0xDC) || (c >= 0xF9 && c <= 0xFC))
            k = 'U';
        if (k != 0)
            out += k;
        else if (!out.empty() && out.back() != '-')
            out += '-';
    }
    while (!out.empty() && out.back() == '-') out.pop_back();
    return out.empty() ? "-" : out;
}

template <std::size_t N>
std::string_view rosterName(const std::array<std::string_view, N>& r, int i) {
    return i >= 1 && static_cast<std::size_t>(i) < N ? r[static_cast<std::size_t>(i)] : "-";
}

} // namespace

std::string replayFolder() {
    const std::string base = playerFolder("XDG_DATA_HOME", ".local/share");
    return base.empty() ? base : (fs::path(base) / "replays").string();
}

std::string replayFileName(std::tm when, int fighter1, int fighter2, int arena) {
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &when);
    return std::string(stamp) + "_" + slug(rosterName(fighterRoster, fighter1)) + "-VS-" +
           slug(rosterName(fighterRoster, fighter2)) + "_" + slug(rosterName(arenaRoster, arena)) +
           extension;
}

namespace {

std::string existingReplayFolder(std::string& error) {
    const std::string folder = replayFolder();
    std::error_code ec;
    if (folder.empty())
        error = "no folder for replays (neither XDG_DATA_HOME nor HOME is set)";
    else if (!fs::create_directories(folder, ec) && ec)
        error = "cannot make " + folder;
    else
        return folder;
    return {};
}

} // namespace

std::string replaySpoolPath(std::string& error) {
    const std::string folder = existingReplayFolder(error);
    if (folder.empty()) return {};
    return (fs::path(folder) / ("recording-" + std::to_string(::getpid()) + ".part")).string();
}

std::string storeMatchReplay(ReplayRecorder& recording, std::string& error) {
    return storeMatchReplay(recording, error, stateHash());
}

std::string storeMatchReplay(ReplayRecorder& recording, std::string& error,
                             std::optional<std::uint64_t> hashAfterLast) {
    const std::string folder = existingReplayFolder(error);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::string name =
        replayFileName(local, recording.fighter(1), recording.fighter(2), recording.arena());
    const std::string path = folder.empty() ? folder : freeFilePath(folder, name, error);
    const bool stored = !path.empty() && recording.finish(hashAfterLast, path, error);
    recording.discard();
    if (!stored) return {};
    pruneReplays(folder, replaysKept);
    return path;
}

void pruneReplays(const std::string& folder, std::size_t keep) {
    // By the date and time the name starts with; replays of the same second by when
    // they were written.
    struct Entry {
        std::string stamp;
        fs::file_time_type written;
        fs::path path;
    };
    std::error_code ec;
    std::vector<Entry> replays;
    for (const auto& e : fs::directory_iterator(folder, ec))
        if (e.is_regular_file(ec) && e.path().extension() == extension)
            replays.push_back(
                {e.path().filename().string().substr(0, 19), e.last_write_time(ec), e.path()});
    if (replays.size() <= keep) return;
    std::sort(replays.begin(), replays.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.stamp, a.written, a.path) < std::tie(b.stamp, b.written, b.path);
    });
    for (std::size_t i = 0; i + keep < replays.size(); ++i) fs::remove(replays[i].path, ec);
}
