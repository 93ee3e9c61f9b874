// The 221 keyframe poses, read from the pose sources in content/poses/*.poses:
//
//   pose 12 PUNCH STRIKE        a pose number, then a free label
//   pose 13 from 12 ...         starts as a copy of pose 12 (defined earlier)
//   root 0 380 0                the figure's offset, 200 file units to a world unit
//   BRACO_DIR -80 0 10          a part and its X, Y, Z angles in degrees: by number
//   3 0 0 -45                   (1..25) or by its name, spaces written as '_'
//
// Poses 1..109 are drawn on TORVEL and use his part names, 110..221 on SEU BRANDOLIM.
// '#' starts a comment. A pose no source defines stands at rest.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "data_files.h"
#include "fight/characters/brandolim.h"
#include "fight/characters/torvel.h"
#include "generators.h"

namespace {

constexpr double restRootY = 400;

[[noreturn]] void fail(const std::string& where, const std::string& why) {
    std::fprintf(stderr, "assetgen: %s: %s\n", where.c_str(), why.c_str());
    std::exit(1);
}

// The part number for a word: a number 1..25, or a unique name in the body's table.
int partNumber(const std::string& word, int pose, const std::string& where) {
    if (!word.empty() && std::all_of(word.begin(), word.end(), ::isdigit)) {
        int n = std::stoi(word);
        if (n < 1 || n > 25) fail(where, "part number " + word + " is not 1..25");
        return n;
    }
    const CharacterSheet& sheet = pose <= 109 ? torvelSheet() : brandolimSheet();
    int found = 0;
    for (std::size_t i = 0; i < sheet.parts.size(); ++i) {
        std::string name(sheet.parts[i].name);
        std::replace(name.begin(), name.end(), ' ', '_');
        if (name == word) {
            if (found) fail(where, "the part name " + word + " is not unique; use its number");
            found = static_cast<int>(i) + 1;
        }
    }
    if (!found) fail(where, "no part named " + word + " on this body");
    return found;
}

double number(const std::string& word, const std::string& where) {
    char* end = nullptr;
    double v = std::strtod(word.c_str(), &end);
    if (word.empty() || *end != '\0') fail(where, "'" + word + "' is not a number");
    return v;
}

void readSource(const std::string& path, std::vector<Pose>& poses, std::vector<bool>& defined) {
    std::ifstream in(path);
    if (!in) fail(path, "cannot be read");
    std::string line;
    int lineNo = 0, current = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        const std::string where = path + ":" + std::to_string(lineNo);
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string s; words >> s;) w.push_back(s);
        if (w.empty()) continue;
        if (w[0] == "pose") {
            if (w.size() < 2) fail(where, "pose wants a number");
            current = static_cast<int>(number(w[1], where));
            if (current < 1 || current > poseCount) fail(where, "pose number is not 1..221");
            if (defined[static_cast<std::size_t>(current)]) fail(where, "pose defined twice");
            defined[static_cast<std::size_t>(current)] = true;
            if (w.size() >= 4 && w[2] == "from") {
                const int base = static_cast<int>(number(w[3], where));
                if (base < 1 || base > poseCount || !defined[static_cast<std::size_t>(base)])
                    fail(where, "pose " + w[3] + " is not defined before it");
                poses[static_cast<std::size_t>(current)] = poses[static_cast<std::size_t>(base)];
            }
        } else if (current == 0) {
            fail(where, "a line before the first 'pose'");
        } else if (w[0] == "root") {
            if (w.size() != 4) fail(where, "root wants x, y and z");
            for (std::size_t k = 0; k < 3; ++k)
                poses[static_cast<std::size_t>(current)].root[k] = number(w[k + 1], where);
        } else {
            if (w.size() != 4) fail(where, "a part wants X, Y and Z angles");
            const auto p = static_cast<std::size_t>(partNumber(w[0], current, where));
            Pose& pose = poses[static_cast<std::size_t>(current)];
            pose.angleX[p] = number(w[1], where);
            pose.angleY[p] = number(w[2], where);
            pose.angleZ[p] = number(w[3], where);
        }
    }
}

} // namespace

void makePoses(const Outputs& out) {
    std::vector<Pose> poses(poseCount + 1);
    std::vector<bool> defined(poseCount + 1, false);
    for (Pose& p : poses) p.root = {0, restRootY, 0};

    namespace fs = std::filesystem;
    std::vector<fs::path> sources;
    const fs::path dir = fs::path(out.content) / "poses";
    if (fs::exists(dir))
        for (const auto& e : fs::directory_iterator(dir))
            if (e.path().extension() == ".poses") sources.push_back(e.path());
    std::sort(sources.begin(), sources.end());
    for (const fs::path& src : sources) readSource(src.string(), poses, defined);

    for (int n = 1; n <= poseCount; ++n) {
        const std::string name = pictureName("Pos", n, 4, ".pos");
        if (!writePoseFile(out.run + "/Posicoes/" + name, n, poses[static_cast<std::size_t>(n)], 25))
            fail(name, "cannot be written");
    }
}
