// Drawing kit of the effect, title and landscape pictures: a floating-point canvas in
// design units, shapes by signed distance that carry their own bounds, fills that blend
// over or add light, glows, lettering turned into shapes, and the finishing step that
// scales the canvas to the stored picture size.
#pragma once

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "image.h"

namespace kit {

// A straight (not premultiplied) colour, every channel 0..1.
struct Colour {
    float r = 0, g = 0, b = 0, a = 1;
};

constexpr Colour hex(unsigned rgb, float a = 1.0f) {
    return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f, a};
}
Colour lerp(Colour a, Colour b, float t);
Colour withAlpha(Colour c, float a);
Colour shade(Colour c, float k); // k < 1 darkens, k > 1 lightens towards white

float smoothstep(float e0, float e1, float x);
// Fractal value noise in 0..1 (octaves of image.h's value noise).
float fbm(float x, float y, float scale, unsigned seed, int octaves = 4);

struct Box {
    float x0, y0, x1, y1;
};

// A signed distance (negative inside, in design units) and the box it can be inside of.
struct Shape {
    std::function<float(float, float)> d;
    Box box;
};

Shape circle(float cx, float cy, float r);
Shape ellipse(float cx, float cy, float rx, float ry);
Shape roundBox(float cx, float cy, float hx, float hy, float radius);
Shape capsule(float ax, float ay, float bx, float by, float r);
Shape poly(std::vector<Point> corners);
// A star of n points between the outer and inner radius, the first point at angle a0.
Shape star(float cx, float cy, int n, float outer, float inner, float a0 = -1.5708f);
// A ring: the band between r - w/2 and r + w/2.
Shape ring(float cx, float cy, float r, float w);
// A piece of a ring from angle a0 to a1 (radians from +x towards +y, which points down
// the picture), with round ends.
Shape arc(float cx, float cy, float r, float w, float a0, float a1);
// A tapered stroke: a capsule whose radius goes from ra at a to rb at b.
Shape taper(float ax, float ay, float bx, float by, float ra, float rb);

// A leaf or blade: a curved spindle from base to tip, `width` at its widest, bent to the
// left of its direction by `bend` (a fraction of its length; negative bends right).
Shape leaf(Point base, Point tip, float width, float bend);

Shape unite(Shape a, Shape b);
Shape unite(std::vector<Shape> parts);
Shape subtract(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
Shape grow(Shape s, float by); // outward by `by` (inward when negative)
Shape move(Shape s, float dx, float dy);
Shape rotate(Shape s, float cx, float cy, float radians);
// Stretches a shape about a point (distances stay close for moderate factors).
Shape scale(Shape s, float cx, float cy, float sx, float sy);

using Fill = std::function<Colour(float x, float y)>;
Fill solid(Colour c);
// A gradient along the line from (x0, y0) to (x1, y1) through colour stops at 0..1.
Fill linear(float x0, float y0, float x1, float y1, std::vector<std::pair<float, Colour>> stops);
Fill radial(float cx, float cy, float r, std::vector<std::pair<float, Colour>> stops);

enum class Blend {
    Over,  // paint over what is there
    Light, // add light: colours add, alpha builds up as with Over
    Erase, // cut away the covered part
};

// A drawing surface of width x height design units with `scale` pixels per unit.
class Canvas {
  public:
    Canvas(float width, float height, float scale);

    float width() const { return w; }
    float height() const { return h; }
    float pixelsPerUnit() const { return s; }

    // Fills the shape; `soft` widens the edge into a feather that many units wide.
    void fill(const Shape& s, const Fill& f, float soft = 0, Blend mode = Blend::Over);
    void fill(const Shape& s, Colour c, float soft = 0, Blend mode = Blend::Over);
    void stroke(const Shape& s, float width, Colour c, float soft = 0);
    // A round glow whose alpha falls from c.a at the centre to 0 at radius r, along
    // (1 - d/r)^power.
    void glow(float cx, float cy, float r, Colour c, float power = 2.0f, Blend mode = Blend::Light);
    // Paints every pixel of the box with f, whose alpha is the coverage.
    void paint(const Box& box, const Fill& f, Blend mode = Blend::Over);
    // Multiplies the alpha inside the box by k(x, y).
    void fadeAlpha(const Box& box, const std::function<float(float, float)>& k);
    // Lays another canvas of the same scale with its top left corner at (x, y).
    void place(const Canvas& other, float x, float y, float alpha = 1.0f);

    // The finished picture: resampled to outW x outH pixels, colours bled into the
    // transparent texels next to the shapes (no dark fringes when filtered).
    Image finish(int outW, int outH) const;

  private:
    void put(int px, int py, Colour c, float cover, Blend mode);
    float w, h, s;
    int pw, ph;
    std::vector<float> px; // premultiplied r, g, b, a per pixel, top row first
};

// Lettering as a shape: the text laid with its baseline's left end at (x, y), `size`
// units high (the font's pixel size), sampled at `scale` pixels per unit.
struct Lettering {
    Shape shape;
    float width;   // advance width in units
    float ascent;  // above the baseline, in units
    float descent; // below the baseline, in units
};
Lettering lettering(std::string_view utf8, std::string_view fontFile, float size, float x, float y,
                    float scale);
// The same, centred on x.
Lettering letteringCentred(std::string_view utf8, std::string_view fontFile, float size, float cx,
                           float y, float scale);

// A small deterministic random source for scattering shapes.
class Rng {
  public:
    explicit Rng(unsigned seed) : state(seed * 2654435761u + 12345u) {}
    float next(); // 0..1
    float range(float lo, float hi) { return lo + (hi - lo) * next(); }

  private:
    unsigned state;
};

// A lumpy circle: the radius wanders by `amount` (a fraction of r), with about `lobes`
// bumps around it.
Shape blob(float cx, float cy, float r, float amount, float lobes, unsigned seed);

// A glint: four rays tapering from `width` at (x, y) to points `len` away, and a white
// centre.
void glint(Canvas& c, float x, float y, float len, float width, Colour col);

// A picture designed on a w x h unit canvas, drawn at twice the stored resolution and
// finished at outW x outH pixels.
Image render(float w, float h, int outW, int outH, const std::function<void(Canvas&)>& draw);

} // namespace kit
