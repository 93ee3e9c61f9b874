// The source folders form layers: a folder includes its own headers and those of the
// folders below it, never one above.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace fs = std::filesystem;

namespace {

// Lowest first.
const std::string layers[] = {"platform", "shell", "assets", "render",
                              "fight",    "match", "menus",  "app"};

int layerOf(const std::string& folder) {
    for (int i = 0; i < static_cast<int>(std::size(layers)); ++i)
        if (layers[i] == folder) return i;
    return -1;
}

} // namespace

TEST(Layering, NoFolderIncludesOneAboveIt) {
    const fs::path src = fs::path(TORVEL_SOURCE_DIR) / "src";
    const std::regex include(R"(^\s*#include\s+"(([a-z_]+)/[^"]+)\")");
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const fs::path rel = fs::relative(entry.path(), src);
        const int own = layerOf(rel.begin()->string());
        ASSERT_GE(own, 0) << rel << " lies in a folder that is not a layer";
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            std::smatch m;
            if (!std::regex_search(line, m, include)) continue;
            const int other = layerOf(m[2]);
            if (other < 0) continue;
            EXPECT_LE(other, own) << rel.string() << ":" << number << " includes " << m[1]
                                  << " from above";
        }
    }
    EXPECT_GT(files, 100);
}
