#include "data_files.h"

#include <cstdio>

namespace {

// Reals are written so that they read back to the same double.
std::string real(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

bool writeLines(const std::string& path, const std::vector<std::string>& lines) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = true;
    for (const std::string& l : lines) ok = ok && std::fprintf(f, "%s\r\n", l.c_str()) > 0;
    return std::fclose(f) == 0 && ok;
}

} // namespace

std::vector<QuadFace> boxFaces(double x0, double y0, double z0, double x1, double y1, double z1,
                               int texture) {
    auto face = [&](ModelVertex a, ModelVertex b, ModelVertex c, ModelVertex d) {
        a.u = 0, a.v = 0, b.u = 1, b.v = 0, c.u = 1, c.v = 1, d.u = 0, d.v = 1;
        return QuadFace{texture, {a, b, c, d}};
    };
    auto v = [](double x, double y, double z) { return ModelVertex{x, y, z, 0, 0}; };
    return {
        face(v(x0, y0, z1), v(x1, y0, z1), v(x1, y1, z1), v(x0, y1, z1)), // front (+z)
        face(v(x1, y0, z0), v(x0, y0, z0), v(x0, y1, z0), v(x1, y1, z0)), // back
        face(v(x1, y0, z1), v(x1, y0, z0), v(x1, y1, z0), v(x1, y1, z1)), // +x
        face(v(x0, y0, z0), v(x0, y0, z1), v(x0, y1, z1), v(x0, y1, z0)), // -x
        face(v(x0, y1, z1), v(x1, y1, z1), v(x1, y1, z0), v(x0, y1, z0)), // top
        face(v(x0, y0, z0), v(x1, y0, z0), v(x1, y0, z1), v(x0, y0, z1)), // bottom
    };
}

bool writeModelFile(const std::string& path, int id, const std::vector<QuadFace>& faces) {
    if (faces.size() > maxModelFaces) return false;
    Model m;
    m.faceCount = static_cast<u8>(faces.size());
    std::vector<std::string> lines = {std::to_string(id), std::to_string(faces.size())};
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const QuadFace& f = faces[i];
        m.faceTexture[i + 1] = static_cast<u8>(f.texture);
        lines.push_back(std::to_string(f.texture));
        for (int c = 0; c < 4; ++c) {
            m.corner[static_cast<std::size_t>(c + 1)][i + 1] = f.corners[c];
            for (double v : {f.corners[c].x, f.corners[c].y, f.corners[c].z}) lines.push_back(real(v));
        }
        for (int c = 0; c < 4; ++c)
            for (double v : {f.corners[c].u, f.corners[c].v}) lines.push_back(real(v));
    }
    const i32 addend = 7 * id + 3;
    lines.push_back(std::to_string(addend));
    lines.push_back(real(modelCheckValue(static_cast<std::int16_t>(id), m, addend)));
    return writeLines(path, lines);
}

bool writePoseFile(const std::string& path, int id, const Pose& pose, int partCount) {
    std::vector<std::string> lines = {std::to_string(id), std::to_string(partCount)};
    for (double r : pose.root) lines.push_back(real(r));
    for (std::size_t i = 1; i <= static_cast<std::size_t>(partCount); ++i)
        for (double a : {pose.angleX[i], pose.angleY[i], pose.angleZ[i]}) lines.push_back(real(a));
    const i32 addend = 11 * id + 5;
    lines.push_back(std::to_string(addend));
    lines.push_back(real(poseCheckValue(static_cast<u8>(id), static_cast<u8>(partCount), pose, addend)));
    return writeLines(path, lines);
}
