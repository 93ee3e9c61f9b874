// The desktop entry and the AppStream metainfo: valid for their tools, and naming the
// same program, icon and version as the game.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "app/startup.h"

namespace {

const std::string packaging = std::string(TORVEL_SOURCE_DIR) + "/packaging/";
const std::string appId = "io.github.torvelarena.TorvelArena";

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

} // namespace

TEST(DesktopFiles, PassTheirValidators) {
    struct Case {
        const char* tool;
        const char* arguments;
        std::string file;
    } cases[] = {
        {"desktop-file-validate", "", packaging + appId + ".desktop"},
        {"appstreamcli", "validate --no-net", packaging + appId + ".metainfo.xml"},
    };
    int ran = 0;
    for (const Case& c : cases) {
        if (std::system(("command -v " + std::string(c.tool) + " >/dev/null").c_str()) != 0) {
            std::printf("%s is missing (scripts/install-deps.sh installs it): not checked\n",
                        c.tool);
            continue;
        }
        ++ran;
        const std::string command =
            std::string(c.tool) + " " + c.arguments + " '" + c.file + "' 2>&1";
        std::FILE* p = popen(command.c_str(), "r");
        ASSERT_NE(p, nullptr);
        std::string said;
        char buf[1024];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) said.append(buf, n);
        EXPECT_EQ(pclose(p), 0) << c.tool << ":\n" << said;
    }
    if (ran == 0) GTEST_SKIP() << "neither validator is installed";
}

TEST(DesktopFiles, NameTheGameItsIconAndItsVersion) {
    const std::string entry = slurp(packaging + appId + ".desktop");
    const std::string meta = slurp(packaging + appId + ".metainfo.xml");
    ASSERT_FALSE(entry.empty());
    ASSERT_FALSE(meta.empty());
    EXPECT_NE(entry.find("\nExec=torvel-arena --title\n"), std::string::npos);
    EXPECT_NE(entry.find("\nIcon=torvel-arena\n"), std::string::npos);
    EXPECT_NE(meta.find("<id>" + appId + "</id>"), std::string::npos);
    EXPECT_NE(meta.find("<launchable type=\"desktop-id\">" + appId + ".desktop</launchable>"),
              std::string::npos);
    EXPECT_NE(meta.find("<icon type=\"stock\">torvel-arena</icon>"), std::string::npos);
    EXPECT_NE(meta.find("<binary>torvel-arena</binary>"), std::string::npos);
    // The newest release, listed first, is this version of the game.
    std::smatch release;
    ASSERT_TRUE(std::regex_search(meta, release, std::regex("<release version=\"([^\"]+)\"")));
    EXPECT_EQ(release[1], gameVersion);
}
