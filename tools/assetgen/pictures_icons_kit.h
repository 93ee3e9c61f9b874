// Drawing kit of the icon and portrait pictures: a supersampled canvas whose coordinates
// are the final picture's pixels, shape and transform helpers over distance functions,
// distance fields of lettering, bevels and multi-stop gradients.
#pragma once

#include <initializer_list>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "image.h"

namespace iconkit {

// A picture drawn `ss` times larger and box-filtered down when finished. Every position
// and distance given to it is in final picture pixels (y down, origin top left).
class Canvas {
  public:
    Canvas(int width, int height, int ss = 3);
    int width() const { return w; }
    int height() const { return h; }
    // Fills where the distance is negative; `feather` > 0 softens the edge over that
    // many pixels (shadows and glows).
    void fill(const Sdf& shape, const Paint& paint, float feather = 0);
    void fill(const Sdf& shape, Rgba colour, float feather = 0);
    // An outline of the given width centred on the shape's edge.
    void stroke(const Sdf& shape, float width, Rgba colour);
    // Keeps the following drawing inside the region (an empty one lifts the clip).
    void clipTo(Sdf region) { clip = std::move(region); }
    Image finish() const;

  private:
    int w, h, ss;
    Image big;
    Sdf clip;
};

// Shapes, in picture pixels.
Sdf circle(float cx, float cy, float r);
Sdf ellipse(float cx, float cy, float rx, float ry);
Sdf box(float cx, float cy, float hx, float hy, float radius = 0);
// A box given by its corners.
Sdf rect(float x0, float y0, float x1, float y1, float radius = 0);
Sdf segment(float ax, float ay, float bx, float by, float r);
Sdf poly(std::vector<Point> corners);
// A star of n points, the first pointing up, turned by `turn` degrees.
Sdf star(float cx, float cy, float outer, float inner, int points, float turn = 0);
// A thick curve through the control points (quadratic or cubic Bezier by count; more
// points make a Catmull-Rom spline), its radius running from r0 to r1.
Sdf curve(std::vector<Point> controls, float r0, float r1);
// The corner points of such a curve, for building polygons with curved sides.
std::vector<Point> curvePoints(const std::vector<Point>& controls, int steps = 24);

// Combinations and transforms.
Sdf intersect(Sdf a, Sdf b);
Sdf outside(Sdf a);           // everything but the shape
Sdf grow(Sdf a, float by);    // outward offset (negative shrinks)
Sdf ring(Sdf a, float width); // the band of that width around the edge
Sdf moved(Sdf a, float dx, float dy);
Sdf turned(Sdf a, float cx, float cy, float degrees); // clockwise on the picture
Sdf scaled(Sdf a, float cx, float cy, float k);
Sdf uniteAll(std::initializer_list<Sdf> shapes);

// Colours and paints.
Rgba shade(Rgba c, float k); // brightness times k, alpha kept
Rgba withAlpha(Rgba c, int a);
using Stops = std::vector<std::pair<float, Rgba>>;
Paint gradient(float x0, float y0, float x1, float y1, Stops stops);
Paint vertical(float y0, float y1, Stops stops);
Paint radial(float cx, float cy, float r, Stops stops);
// A raised shape: `base` lit from the top left along an edge band `width` wide.
Paint bevel(Sdf shape, Paint base, float width, float strength = 0.55f);
// Brightness varied by value noise: +-amount over features of `scale` pixels.
Paint grain(Paint base, float amount, float scale, unsigned seed);

// The distance field of one line of lettering.
class Lettering {
  public:
    // `capHeight`: the height of a capital letter in picture pixels.
    Lettering(std::string_view utf8, std::string_view fontFile, float capHeight, int ss = 3);
    float width() const;     // ink width in picture pixels
    float capHeight() const; // as measured on the font
    // The text with its ink centred on cx and its capitals centred on cy, stretched
    // sideways by sx and slanted by `slant` pixels per pixel of height.
    Sdf at(float cx, float cy, float sx = 1, float slant = 0) const;
    // The cap height that fits the text into maxWidth x maxHeight (capitals).
    static float fit(std::string_view utf8, std::string_view fontFile, float maxWidth,
                     float maxHeight);

  private:
    struct Field;
    std::shared_ptr<const Field> field;
};

// Bold outlined lettering, the HUD's way: a dark outline, a gradient face and a bevel.
void drawLabel(Canvas& c, const Lettering& text, float cx, float cy, Paint face, Rgba outline,
               float outlineWidth, float sx = 1, float slant = 0);

} // namespace iconkit
