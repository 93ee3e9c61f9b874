// Previews of the fighters' body-part models: a small software renderer (z-buffer,
// textures, Lambert light, the game's black outline pass) that assembles each standing
// figure from its body-part table and writes PNG sheets to look at.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "fighter_models.h"
#include "glyphs.h"
#include "writers.h"

namespace {

// ---- the figures -------------------------------------------------------------------

struct FigurePart {
    int parent;
    Vec3 pivot;
    int model;
    Rgba tint[2]; // for the first fighter (black parts) and the second
};

// The body-part tables of the two characters (part n at index n - 1).
const std::vector<FigurePart> torvelParts = {
    {0, {0, 0.12, 0}, 1, {rgb(0, 0, 0), rgb(10, 10, 10)}},
    {1, {-0.35, 0.47, 0}, 2, {rgb(0, 0, 0), rgb(8, 8, 8)}},
    {2, {0, -0.63, 0}, 3, {rgb(0, 0, 0), rgb(8, 8, 8)}},
    {3, {0, -0.5, 0}, 4, {rgb(0, 0, 0), rgb(8, 8, 8)}},
    {1, {0.35, 0.47, 0}, 2, {rgb(0, 0, 0), rgb(8, 8, 8)}},
    {5, {0, -0.63, 0}, 3, {rgb(0, 0, 0), rgb(8, 8, 8)}},
    {6, {0, -0.5, 0}, 4, {rgb(0, 0, 0), rgb(8, 8, 8)}},
    {1, {-0.17, -0.57, 0}, 5, {rgb(0, 0, 0), rgb(15, 15, 7)}},
    {8, {0, -0.66, 0}, 6, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {9, {0, -0.74, 0}, 7, {rgb(0, 0, 0), rgb(30, 10, 0)}},
    {1, {0.17, -0.57, 0}, 5, {rgb(0, 0, 0), rgb(15, 15, 7)}},
    {11, {0, -0.66, 0}, 6, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {12, {0, -0.74, 0}, 7, {rgb(0, 0, 0), rgb(30, 10, 0)}},
    {1, {0, 0.6, 0.05}, 8, {rgb(0, 0, 0), rgb(8, 8, 8)}},
    {14, {0, 0.08, 0}, 9, {rgb(0, 0, 0), rgb(60, 10, 10)}},
    {7, {0, 0, 0}, 10, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {13, {0, 0, 0.3}, 11, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {2, {0, 0, 0}, 12, {rgb(10, 10, 10), rgb(10, 10, 10)}},
    {5, {0, 0, 0}, 13, {rgb(10, 10, 10), rgb(10, 10, 10)}},
    {9, {0, 0, 0}, 14, {rgb(15, 15, 7), rgb(15, 15, 7)}},
    {12, {0, 0, 0}, 14, {rgb(15, 15, 7), rgb(15, 15, 7)}},
    {1, {0, -0.5, 0}, 15, {rgb(15, 15, 7), rgb(15, 15, 7)}},
    {1, {0, 0.54, 0}, 16, {rgb(8, 8, 8), rgb(8, 8, 8)}},
};

const std::vector<FigurePart> brandolimParts = {
    {0, {0, 0.12, 0}, 17, {rgb(30, 30, 80), rgb(50, 105, 90)}},
    {1, {-0.29, 0.5, 0}, 18, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {2, {0, -0.63, 0}, 19, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {3, {0, -0.5, 0}, 20, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {1, {0.29, 0.5, 0}, 18, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {5, {0, -0.63, 0}, 19, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {6, {0, -0.5, 0}, 20, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {1, {-0.135, -0.6, 0}, 21, {rgb(0, 0, 0), rgb(10, 20, 10)}},
    {8, {0, -0.72, 0}, 22, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {9, {0, -0.9, 0}, 23, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {1, {0.135, -0.6, 0}, 21, {rgb(0, 0, 0), rgb(10, 20, 10)}},
    {11, {0, -0.72, 0}, 22, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {12, {0, -0.9, 0}, 23, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {1, {0, 0.62, 0.05}, 24, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {14, {0, 0.34, -0.075}, 25, {rgb(30, 30, 30), rgb(0, 0, 0)}},
    {1, {-0.2, 0.5, -0.27}, 26, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {4, {-0.05, 0.05, 0}, 26, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {2, {0, 0, 0}, 27, {rgb(30, 30, 80), rgb(50, 105, 90)}},
    {5, {0, 0, 0}, 28, {rgb(30, 30, 80), rgb(50, 105, 90)}},
    {9, {0, 0, 0}, 29, {rgb(0, 0, 0), rgb(10, 20, 10)}},
    {12, {0, 0, 0}, 29, {rgb(0, 0, 0), rgb(10, 20, 10)}},
    {1, {0, -0.5, 0}, 30, {rgb(0, 0, 0), rgb(10, 20, 10)}},
    {1, {0, 0.54, 0}, 31, {rgb(0, 0, 0), rgb(0, 0, 0)}},
    {4, {0, 0, 0}, 32, {rgb(0, 0, 0), rgb(0, 0, 0)}},
};

// Joint angles (X, Y, Z in degrees) by part number; parts not listed stand straight.
using Pose = std::map<int, Vec3>;

struct Scene {
    const std::vector<FigurePart>* parts;
    int tintColumn = 0;
    std::vector<int> hidden; // part numbers not drawn
    Pose pose;
    double yaw = 0; // the figure's turn about y, degrees (90 faces +x)
    double x = 0;   // where it stands along x
};

// The joint frame of part p: ancestors' pivots and rotations, root first.
Xform jointFrame(const Scene& s, int p) {
    std::vector<int> chain;
    for (int q = p; q != 0; q = (*s.parts)[static_cast<std::size_t>(q - 1)].parent)
        chain.push_back(q);
    Xform xf = rotateY(s.yaw);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const FigurePart& fp = (*s.parts)[static_cast<std::size_t>(*it - 1)];
        xf = xf * translate(fp.pivot);
        auto a = s.pose.find(*it);
        if (a != s.pose.end())
            xf = xf * rotateX(a->second.x) * rotateY(a->second.y) * rotateZ(a->second.z);
    }
    return xf;
}

// ---- the renderer ------------------------------------------------------------------

struct Light {
    Vec3 towards;            // direction to the light
    double ambient, diffuse; // the fighters' ambient and diffuse light levels
};
const Light studio{normalised({0.3, 0.7, 0.65}), 1.6, 0.9}; // as the pose sheet lights them
const Light battleDay{normalised({1, 1, 0.2}), 2.72, 0.08}; // arena lighting 1

struct Camera {
    Vec3 eye, target;
    double fovY = 35;
};

class Canvas {
  public:
    Canvas(int w, int h, const Camera& cam) : w_(w), h_(h), colour_(w, h), depth_(w * h, 1e9f) {
        fwd_ = normalised(cam.target - cam.eye);
        right_ = normalised(cross(fwd_, {0, 1, 0}));
        up_ = cross(right_, fwd_);
        eye_ = cam.eye;
        focal_ = h / 2.0 / std::tan(cam.fovY * 3.14159265 / 360);
        outline_.assign(static_cast<std::size_t>(w * h), 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                colour_.at(x, y) = mix(rgb(228, 232, 238), rgb(168, 176, 190), float(y) / h);
    }

    void drawFaces(const Faces& faces, const Xform& xf, const std::array<Image, 33>& pictures,
                   const Light& light, Rgba tint) {
        for (const QuadFace& f : faces) {
            Vec3 p[4];
            for (int i = 0; i < 4; ++i)
                p[i] = xf.apply({f.corners[i].x, f.corners[i].y, f.corners[i].z});
            // The game's normal: corners 4, 1, 2.
            Vec3 n = normalised(cross(p[3] - p[0], p[0] - p[1]));
            double lit = 0.04 + 0.8 * light.diffuse * std::max(0.0, dot(n, light.towards));
            double k[3] = {lit + 0.2 * (light.ambient + tint.r / 51.0),
                           lit + 0.2 * (light.ambient + tint.g / 51.0),
                           lit + 0.2 * (light.ambient + tint.b / 51.0)};
            for (double& c : k) c = std::min(1.0, c);
            const Image& tex = pictures[static_cast<std::size_t>(f.texture)];
            Vert v[4];
            for (int i = 0; i < 4; ++i) v[i] = project(p[i], f.corners[i].u, f.corners[i].v);
            Vec3 centre = (p[0] + p[1] + p[2] + p[3]) * 0.25;
            Vec3 area = cross(p[2] - p[0], p[3] - p[1]);
            bool front = dot(area, eye_ - centre) > 0;
            if (!front) {
                backEdges_.push_back({v[0], v[1]});
                backEdges_.push_back({v[1], v[2]});
                backEdges_.push_back({v[2], v[3]});
                backEdges_.push_back({v[3], v[0]});
            }
            triangle(v[0], v[1], v[2], tex, k);
            triangle(v[0], v[2], v[3], tex, k);
        }
    }

    // The outline pass: back faces drawn as lines where the front faces let them show.
    void finishOutlines(float width) {
        for (const auto& e : backEdges_) line(e.first, e.second, width);
        for (int i = 0; i < w_ * h_; ++i)
            if (outline_[static_cast<std::size_t>(i)])
                colour_.blend(i % w_, i / w_, rgb(0, 0, 0, 120));
    }

    const Image& image() const { return colour_; }

  private:
    struct Vert {
        double x, y, iz, uz, vz; // screen position, 1/depth, u/depth, v/depth
    };

    Vert project(Vec3 p, double u, double v) const {
        Vec3 d = p - eye_;
        double z = std::max(1e-3, dot(d, fwd_));
        return {w_ / 2.0 + dot(d, right_) / z * focal_, h_ / 2.0 - dot(d, up_) / z * focal_, 1 / z,
                u / z, v / z};
    }

    static Rgba sample(const Image& t, double u, double v) {
        if (t.width == 0) return rgb(255, 0, 255);
        double x = u * t.width - 0.5, y = (1 - v) * t.height - 0.5;
        int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
        float fx = static_cast<float>(x - x0), fy = static_cast<float>(y - y0);
        auto at = [&](int xx, int yy) {
            xx = ((xx % t.width) + t.width) % t.width;
            yy = ((yy % t.height) + t.height) % t.height;
            return t.at(xx, yy);
        };
        return mix(mix(at(x0, y0), at(x0 + 1, y0), fx), mix(at(x0, y0 + 1), at(x0 + 1, y0 + 1), fx),
                   fy);
    }

    void triangle(const Vert& a, const Vert& b, const Vert& c, const Image& tex,
                  const double k[3]) {
        double area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        if (std::fabs(area) < 1e-12) return;
        int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
        int x1 = std::min(w_ - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
        int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
        int y1 = std::min(h_ - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                double px = x + 0.5, py = y + 0.5;
                double wa = ((b.x - px) * (c.y - py) - (b.y - py) * (c.x - px)) / area;
                double wb = ((c.x - px) * (a.y - py) - (c.y - py) * (a.x - px)) / area;
                double wc = 1 - wa - wb;
                if (wa < 0 || wb < 0 || wc < 0) continue;
                double iz = wa * a.iz + wb * b.iz + wc * c.iz;
                float z = static_cast<float>(1 / iz);
                float& d = depth_[static_cast<std::size_t>(y * w_ + x)];
                if (z >= d) continue;
                d = z;
                Rgba t = sample(tex, (wa * a.uz + wb * b.uz + wc * c.uz) / iz,
                                (wa * a.vz + wb * b.vz + wc * c.vz) / iz);
                colour_.at(x, y) = {static_cast<std::uint8_t>(t.r * k[0]),
                                    static_cast<std::uint8_t>(t.g * k[1]),
                                    static_cast<std::uint8_t>(t.b * k[2]), 255};
            }
    }

    void line(const Vert& a, const Vert& b, float width) {
        double len = std::hypot(b.x - a.x, b.y - a.y);
        int steps = std::max(1, static_cast<int>(len * 2));
        int r = static_cast<int>(std::ceil(width / 2));
        for (int i = 0; i <= steps; ++i) {
            double t = static_cast<double>(i) / steps;
            double x = a.x + (b.x - a.x) * t, y = a.y + (b.y - a.y) * t;
            float z = static_cast<float>(1 / (a.iz + (b.iz - a.iz) * t));
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx) {
                    if (dx * dx + dy * dy > width * width / 4) continue;
                    int px = static_cast<int>(x) + dx, py = static_cast<int>(y) + dy;
                    if (px < 0 || py < 0 || px >= w_ || py >= h_) continue;
                    std::size_t i2 = static_cast<std::size_t>(py * w_ + px);
                    if (z <= depth_[i2] + 0.02f) outline_[i2] = 1;
                }
        }
    }

    int w_, h_;
    Image colour_;
    std::vector<float> depth_;
    std::vector<std::uint8_t> outline_;
    std::vector<std::pair<Vert, Vert>> backEdges_;
    Vec3 eye_, fwd_, right_, up_;
    double focal_;
};

// ---- sheets ------------------------------------------------------------------------

constexpr int superSample = 2;

struct Shot {
    std::vector<Scene> scenes;
    Camera camera;
    Light light;
    bool outlines;
    std::string label;
};

// The height that puts the figure's lowest point on the floor.
double standingHeight(const Scene& s, const std::array<Faces, 33>& models) {
    double low = 0;
    for (std::size_t i = 0; i < s.parts->size(); ++i) {
        int p = static_cast<int>(i) + 1;
        if (std::find(s.hidden.begin(), s.hidden.end(), p) != s.hidden.end()) continue;
        Xform xf = jointFrame(s, p);
        for (const QuadFace& f : models[static_cast<std::size_t>((*s.parts)[i].model)])
            for (const ModelVertex& c : f.corners) low = std::min(low, xf.apply({c.x, c.y, c.z}).y);
    }
    return -low;
}

Image renderShot(const Shot& shot, int w, int h, const std::array<Faces, 33>& models,
                 const std::array<Image, 33>& pictures) {
    Canvas canvas(w * superSample, h * superSample, shot.camera);
    for (const Scene& scene : shot.scenes) {
        const double lift = standingHeight(scene, models);
        for (std::size_t i = 0; i < scene.parts->size(); ++i) {
            int p = static_cast<int>(i) + 1;
            if (std::find(scene.hidden.begin(), scene.hidden.end(), p) != scene.hidden.end())
                continue;
            const FigurePart& fp = (*scene.parts)[i];
            canvas.drawFaces(models[static_cast<std::size_t>(fp.model)],
                             translate({scene.x, lift, 0}) * jointFrame(scene, p), pictures,
                             shot.light, fp.tint[scene.tintColumn]);
        }
    }
    if (shot.outlines) canvas.finishOutlines(2.0f * superSample);
    return downsample(canvas.image(), superSample);
}

void writeSheet(const std::string& path, const std::vector<Shot>& shots, int columns, int w, int h,
                const std::array<Faces, 33>& models, const std::array<Image, 33>& pictures) {
    const int rows = (static_cast<int>(shots.size()) + columns - 1) / columns;
    Image sheet(columns * w, rows * h, rgb(40, 40, 48));
    FontFace font(fontPath("DejaVuSans-Bold.ttf"), 13);
    for (std::size_t i = 0; i < shots.size(); ++i) {
        Image tile = renderShot(shots[i], w, h, models, pictures);
        drawText(tile, font, 6, 18, shots[i].label, rgb(30, 30, 40));
        int ox = static_cast<int>(i) % columns * w, oy = static_cast<int>(i) / columns * h;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) sheet.at(ox + x, oy + y) = tile.at(x, y);
    }
    if (!writePng(path, sheet)) std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
}

// A camera around the figure's middle: `turn` degrees from the front.
Camera around(double turn, double height, double distance, double targetY) {
    const double a = turn * 3.14159265 / 180;
    return {{distance * std::sin(a), height, distance * std::cos(a)}, {0, targetY, 0}, 35};
}

// Where the joint of part p ends up in a shot's scene (standing on the floor).
Vec3 jointAt(const Scene& s, int p, const std::array<Faces, 33>& models) {
    return translate({0, standingHeight(s, models), 0}).apply(jointFrame(s, p).apply({0, 0, 0}));
}

Camera closeUp(Vec3 target, double turn, double distance) {
    const double a = turn * 3.14159265 / 180;
    return {target + Vec3{distance * std::sin(a), 0.15 * distance, distance * std::cos(a)}, target,
            30};
}

void figureSheet(const std::string& folder, const std::string& name,
                 const std::vector<FigurePart>& parts, std::vector<int> hidden,
                 const std::array<Faces, 33>& models, const std::array<Image, 33>& pictures) {
    std::vector<Shot> shots;
    const struct {
        double turn;
        const char* label;
    } studioViews[] = {
        {0, "FRENTE"}, {35, "3/4"}, {90, "LADO ESQ"}, {-90, "LADO DIR"}, {180, "COSTAS"}};
    for (const auto& v : studioViews)
        shots.push_back(
            {{{&parts, 0, hidden, {}, 0}}, around(v.turn, 1.8, 6.2, 1.72), studio, true, v.label});
    // As in a fight: the arena's flat daylight, outlines, seen from the side.
    shots.push_back({{{&parts, 0, hidden, {}, 90}},
                     around(0, 1.8, 6.2, 1.72),
                     battleDay,
                     true,
                     "LUTA, JOGADOR 1"});
    shots.push_back({{{&parts, 1, hidden, {}, -90}},
                     around(0, 1.8, 6.2, 1.72),
                     battleDay,
                     true,
                     "LUTA, JOGADOR 2"});
    shots.push_back({{{&parts, 1, hidden, {}, 40}},
                     around(0, 1.8, 6.2, 1.72),
                     battleDay,
                     true,
                     "LUTA 3/4, JOGADOR 2"});
    shots.push_back(
        {{{&parts, 0, hidden, {}, 0}}, around(150, 1.8, 6.2, 1.72), studio, false, "SEM CONTORNO"});
    shots.push_back(
        {{{&parts, 1, hidden, {}, 0}}, around(-35, 1.8, 6.2, 1.72), studio, true, "COR 2"});
    writeSheet(folder + "/Figure-" + name + ".png", shots, 5, 260, 400, models, pictures);
}

} // namespace

void writeFighterPreviews(const std::string& folder,
                          const std::array<Faces, fighterPartModels + 1>& models,
                          const std::array<Image, fighterPartModels + 1>& pictures) {
    // The props the fighters hold only during some moves are shown here on their own.
    figureSheet(folder, "Torvel", torvelParts, {16, 17}, models, pictures);
    figureSheet(folder, "Brandolim", brandolimParts, {17, 24}, models, pictures);

    std::vector<Shot> shots;
    auto head = [&](const std::vector<FigurePart>& parts, int headPart, double turn,
                    const char* label) {
        Scene s{&parts, 0, {}, {}, 0};
        Vec3 at = jointAt(s, headPart, models) + Vec3{0, 0.22, 0};
        shots.push_back({{s}, closeUp(at, turn, 1.25), studio, true, label});
    };
    head(torvelParts, 14, 0, "TORVEL");
    head(torvelParts, 14, 40, "TORVEL 3/4");
    head(torvelParts, 14, 90, "TORVEL PERFIL");
    head(brandolimParts, 14, 0, "BRANDOLIM");
    head(brandolimParts, 14, 40, "BRANDOLIM 3/4");
    head(brandolimParts, 14, 90, "BRANDOLIM PERFIL");
    // Props at work: the slingshot aimed, the carbine raised, the newspaper, the broom.
    {
        Scene s{&torvelParts, 0, {17}, {{5, {-80, 0, 0}}, {6, {-10, 0, 0}}}, 0};
        shots.push_back({{s}, closeUp(jointAt(s, 7, models), 75, 1.6), studio, true, "ESTILINGUE"});
        Scene b{&torvelParts, 0, {16}, {}, 0};
        shots.push_back({{b},
                         closeUp(jointAt(b, 17, models) + Vec3{0, 0.6, 0}, 60, 3.2),
                         studio,
                         true,
                         "VASSOURA"});
        Scene c{&brandolimParts, 0, {16, 24}, {{2, {-85, 0, 0}}}, 0};
        shots.push_back(
            {{c}, closeUp(jointAt(c, 4, models), -80, 2.2), studio, true, "CARABINA NA MAO"});
        Scene d{&brandolimParts, 0, {17}, {}, 0};
        shots.push_back(
            {{d}, closeUp(jointAt(d, 16, models), 200, 2.4), studio, true, "CARABINA NAS COSTAS"});
        Scene e{&brandolimParts, 0, {17}, {}, 0};
        shots.push_back({{e}, closeUp(jointAt(e, 4, models), -75, 1.5), studio, true, "JORNAL"});
        Scene g{&torvelParts, 0, {16, 17}, {}, 0};
        shots.push_back({{g}, closeUp(jointAt(g, 4, models), -60, 1.2), studio, true, "MAO"});
    }
    writeSheet(folder + "/Figure-Closeups.png", shots, 6, 240, 280, models, pictures);

    // The two men facing each other in daylight, at the size a fight shows them.
    std::vector<Shot> fight;
    const Camera side{{0.2, 1.9, 9.5}, {0.2, 1.5, 0}, 35};
    fight.push_back({{Scene{&torvelParts, 0, {16, 17}, {}, 90, -1.1},
                      Scene{&brandolimParts, 1, {17, 24}, {}, -90, 1.1}},
                     side,
                     battleDay,
                     true,
                     "TORVEL X SEU BRANDOLIM"});
    fight.push_back({{Scene{&brandolimParts, 0, {17, 24}, {}, 90, -1.1},
                      Scene{&torvelParts, 1, {16, 17}, {}, -90, 1.1}},
                     side,
                     battleDay,
                     true,
                     "SEU BRANDOLIM X TORVEL"});
    writeSheet(folder + "/Figure-Fight.png", fight, 2, 400, 300, models, pictures);
}
