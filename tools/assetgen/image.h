// Pictures for the generator: RGBA images and anti-aliased shapes drawn by signed
// distance (negative inside, positive outside, in pixels).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

constexpr Rgba rgb(int r, int g, int b, int a = 255) {
    return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
            static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(a)};
}

// Linear mix of two colours, alpha included; t in 0..1.
Rgba mix(Rgba a, Rgba b, float t);

struct Image {
    int width = 0, height = 0;
    std::vector<Rgba> pixels; // top row first

    Image() = default;
    Image(int w, int h, Rgba fill = {});
    Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // Lays colour c over the pixel with the given coverage (0..1), "over" compositing.
    void blend(int x, int y, Rgba c, float coverage = 1.0f);
};

using Sdf = std::function<float(float x, float y)>;
using Paint = std::function<Rgba(float x, float y)>;

// Fills where the distance is below 0, with a one-pixel soft edge. Pixel centres are at
// (x + 0.5, y + 0.5). Only the box x0..x1, y0..y1 is visited when given.
void fillSdf(Image& img, const Sdf& sdf, const Paint& paint);
void fillSdf(Image& img, const Sdf& sdf, Rgba colour);
// An outline of the given width centred on the shape's edge.
void strokeSdf(Image& img, const Sdf& sdf, float width, Rgba colour);

// Distance functions.
float sdCircle(float x, float y, float cx, float cy, float r);
float sdEllipse(float x, float y, float cx, float cy, float rx, float ry);
// A box centred at (cx, cy) with half-sizes hx, hy and corner radius r.
float sdRoundBox(float x, float y, float cx, float cy, float hx, float hy, float r);
// A segment from (ax, ay) to (bx, by) thickened to radius r.
float sdSegment(float x, float y, float ax, float ay, float bx, float by, float r);
// A polygon (any simple polygon), corners in order.
struct Point {
    float x, y;
};
float sdPolygon(float x, float y, const std::vector<Point>& corners);
Sdf polygon(std::vector<Point> corners);
Sdf unite(Sdf a, Sdf b);
Sdf subtract(Sdf a, Sdf b);

// Paints.
Paint linearGradient(float x0, float y0, Rgba c0, float x1, float y1, Rgba c1);
Paint radialGradient(float cx, float cy, float r, Rgba inner, Rgba outer);

// Deterministic noise for textures: value noise in 0..1, smooth over `scale` pixels.
float valueNoise(float x, float y, float scale, unsigned seed);

// Scales a picture down by an integer factor (box filter): draw big, keep it smooth.
Image downsample(const Image& img, int factor);
