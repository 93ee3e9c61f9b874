// The shapes of the fighters' body parts. Every model is built in its joint frame: the
// figure faces +z, +y is up, its right side is -x; limbs hang from the origin down to the
// next joint. Heights and radii are in world units.
#include <cmath>

#include "fighter_models.h"

namespace {

constexpr UvRect whole{0, 0, 1, 1};

// A flat tapered piece (a tongue of cloth) from its tip to the middle of its top edge.
void addFlap(Faces& f, Vec3 tip, Vec3 top, double halfWidth, double thickness, int texture,
             UvRect uv) {
    std::vector<Ring> rings = {{-0.004, 0, 0},
                               {0, 0.15 * halfWidth, thickness},
                               {0.02, 0.35 * halfWidth, thickness},
                               {length(top - tip), halfWidth, thickness},
                               {length(top - tip) + 0.004, 0, 0}};
    addLoft(f, rings, 4, texture, uv, alongAxis(tip, top - tip));
}

// ---- limbs -------------------------------------------------------------------------

// A limb hanging from its joint: rings from the far end (lowest) up to the joint.
Faces limb(const std::vector<Ring>& rings, int sides, int texture, UvRect uv) {
    Faces f;
    addLoft(f, rings, sides, texture, uv);
    return f;
}

// A closed fist below the wrist, thumb folded over the front; the same for both hands.
Faces fist(double size, int texture, int thumbTexture) {
    Faces f;
    const double k = size;
    addLoft(f,
            {{-0.215 * k, 0, 0, 0, 0.005},
             {-0.205 * k, 0.042 * k, 0.05 * k, 0, 0.008},
             {-0.18 * k, 0.055 * k, 0.068 * k, 0, 0.01},
             {-0.11 * k, 0.06 * k, 0.072 * k, 0, 0.012},
             {-0.045 * k, 0.05 * k, 0.056 * k, 0, 0.004},
             {0.0, 0.042 * k, 0.045 * k},
             {0.03 * k, 0, 0}},
            10, texture, whole, {}, 2.8, true);
    addTube(f, {0, -0.055 * k, 0.062 * k}, {0, -0.125 * k, 0.08 * k}, 0.024 * k, 0.02 * k, 6,
            thumbTexture, {0.3, 0.3, 0.7, 0.7});
    // The knuckles of the curled fingers along the bottom: what a punch lands with.
    for (int i = 0; i < 4; ++i)
        addEllipsoid(f, {0, -0.2 * k, (-0.038 + 0.027 * i) * k}, Vec3{0.05, 0.022, 0.016} * k, 6, 3,
                     thumbTexture, {0.3, 0.3, 0.7, 0.7});
    return f;
}

// A foot below the ankle pointing to +z: rings from heel to toe as (z, half-width,
// half-height, centre height).
struct FootRing {
    double z, rx, ry, cy;
};
void addFootBody(Faces& f, const std::vector<FootRing>& rings, int texture, UvRect uv) {
    std::vector<Ring> loft;
    for (const FootRing& r : rings) loft.push_back({r.z, r.rx, r.ry, 0, -r.cy});
    // Loft along y, then turn y onto +z (the ring's +z side ends up below).
    addLoft(f, loft, 10, texture, uv, rotateX(90), 2.4);
}

// ---- heads -------------------------------------------------------------------------

struct HeadShape {
    std::vector<Ring> rings; // bottom (under the chin) to the crown
    int sides;
    Vec3 nose; // where the nose starts on the face
    double noseLength, noseWidth, noseHeight;
    Vec3 ear; // centre of the left ear (the right one is mirrored)
    Vec3 earRadii;
};

void addHead(Faces& f, const HeadShape& h, int headTexture, int skinTexture) {
    addLoft(f, h.rings, h.sides, headTexture, whole, {}, 2, true);
    // Nose: a small loft pointing forward, tip a little lower than the root.
    const double L = h.noseLength, w = h.noseWidth, ht = h.noseHeight;
    addLoft(f,
            {{0, w, ht, 0, 0},
             {0.55 * L, 0.85 * w, 0.8 * ht, 0, 0.15 * ht},
             {0.9 * L, 0.7 * w, 0.45 * ht, 0, 0.45 * ht},
             {L, 0, 0, 0, 0.5 * ht}},
            6, skinTexture, {0.3, 0.3, 0.7, 0.7}, translate(h.nose) * rotateX(90));
    for (double side : {1.0, -1.0})
        addEllipsoid(f, {side * h.ear.x, h.ear.y, h.ear.z}, h.earRadii, 6, 3, skinTexture,
                     {0.2, 0.2, 0.8, 0.8});
}

const HeadShape torvelHeadShape = {
    {{-0.005, 0, 0, 0, 0.03},
     {0.01, 0.075, 0.085, 0, 0.04},
     {0.045, 0.118, 0.135, 0, 0.025},
     {0.1, 0.14, 0.158, 0, 0.01},
     {0.17, 0.151, 0.167, 0, 0},
     {0.25, 0.153, 0.168, 0, -0.008},
     {0.32, 0.138, 0.155, 0, -0.014},
     {0.375, 0.1, 0.112, 0, -0.02},
     {0.405, 0.05, 0.056, 0, -0.02},
     {0.415, 0, 0, 0, -0.02}},
    14,
    {0, 0.165, 0.15},
    0.062,
    0.022,
    0.034,
    {0.148, 0.185, -0.01},
    {0.028, 0.05, 0.034},
};

const HeadShape brandolimHeadShape = {
    {{-0.01, 0, 0, 0, 0.03},
     {0.005, 0.07, 0.08, 0, 0.04},
     {0.045, 0.112, 0.13, 0, 0.03},
     {0.11, 0.135, 0.158, 0, 0.012},
     {0.19, 0.145, 0.165, 0, 0},
     {0.27, 0.148, 0.165, 0, -0.008},
     {0.35, 0.135, 0.152, 0, -0.014},
     {0.405, 0.095, 0.108, 0, -0.02},
     {0.43, 0, 0, 0, -0.02}},
    12,
    {0, 0.17, 0.148},
    0.075,
    0.027,
    0.045,
    {0.143, 0.2, -0.01},
    {0.03, 0.058, 0.036},
};

// The white moustache under the nose: a bar following the face, thick in the middle,
// drooping at the ends.
void addMoustache(Faces& out) {
    Faces f;
    auto centre = [](double t) { // t in -1..1 across the face
        double x = 0.092 * t;
        return Vec3{x, 0.118 - 0.045 * t * t, 0.168 - 0.11 * t * t};
    };
    addSurface(
        f, 4, 8,
        [&](double s, double t) {
            double tt = 2 * t - 1;
            double r = 0.026 * (1 - 0.7 * tt * tt) + 0.004;
            double a = 2 * 3.14159265358979 * s;
            Vec3 c = centre(tt);
            // Section in the plane across the bar: up and forward.
            return c + Vec3{0, 1, 0} * (-r * 0.8 * std::cos(a)) + Vec3{0, 0, 1} * (r * std::sin(a));
        },
        pic::whiteHair, {0, 0, 1, 1});
    orientOutwards(f);
    out.insert(out.end(), f.begin(), f.end());
}

// Brows above the eyes, flattened tufts that show in profile; `lift` raises their
// outer ends.
void addBrows(Faces& f, Vec3 size, double height, double lift, int texture, UvRect uv) {
    for (double side : {1.0, -1.0})
        addEllipsoid(f, {0, 0, 0}, size, 4, 2, texture, uv,
                     translate({side * 0.06, height, 0.148}) * rotateY(side * 34) *
                         rotateZ(side * lift));
}

// ---- hats --------------------------------------------------------------------------

// The straw hat: a wide, slightly drooping brim and a round crown with a red band. Built
// around the head and moved into the hat's joint frame.
Faces torvelHat(Vec3 joint) {
    Faces f;
    const Xform xf = translate(Vec3{} - joint) * translate({0, 0.3, -0.01}) * rotateX(-7) *
                     translate({0, -0.3, 0});
    addLoft(f,
            {{0.27, 0, 0},
             {0.268, 0.17, 0.185},
             {0.238, 0.36, 0.38},
             {0.25, 0.372, 0.392},
             {0.268, 0.3, 0.318},
             {0.283, 0.22, 0.236},
             {0.292, 0.165, 0.18},
             {0.345, 0.162, 0.177},
             {0.41, 0.152, 0.166},
             {0.45, 0.125, 0.137},
             {0.47, 0.07, 0.078},
             {0.476, 0, 0}},
            16, pic::straw, {0, 0, 5, 3}, xf);
    addLoft(f, {{0.288, 0.17, 0.185}, {0.335, 0.167, 0.182}}, 16, pic::redBand, {0, 0, 3, 1}, xf);
    return f;
}

// The felt hat: a creased crown, a brim curled up at the sides, a leather band.
Faces brandolimHat(Vec3 joint) {
    Faces f;
    const Xform xf = translate(Vec3{} - joint) * translate({0, 0, -0.005});
    struct P {
        double r, y;
    };
    const std::vector<P> profile = {{0, 0.275},     {0.16, 0.273}, {0.24, 0.268},  {0.3, 0.262},
                                    {0.315, 0.275}, {0.25, 0.288}, {0.168, 0.295}, {0.162, 0.37},
                                    {0.148, 0.445}, {0.11, 0.49},  {0.05, 0.478},  {0, 0.472}};
    const double pi = 3.14159265358979;
    const int rows = static_cast<int>(profile.size()) - 1;
    addSurface(
        f, 16, rows,
        [&](double s, double t) {
            int k = static_cast<int>(std::lround(t * rows));
            P p = profile[static_cast<std::size_t>(k)];
            double a = 2 * pi * s;
            double side = std::sin(a) * std::sin(a);
            double out = std::max(0.0, (p.r - 0.17) / 0.145);
            double y = p.y + (p.y < 0.3 ? 0.07 * side * out * out : 0) + 0.02 * out * std::cos(a);
            // The crease: the top dips along the front-to-back line.
            if (p.y > 0.44) y -= 0.025 * std::max(0.0, 1 - std::fabs(p.r * std::sin(a)) / 0.09);
            double rz = p.r * (p.r > 0.2 ? 1.06 : 1.09);
            return Vec3{-p.r * std::sin(a), y, 0.015 - rz * std::cos(a)};
        },
        pic::felt, {0, 0, 4, 2}, xf);
    addLoft(f, {{0.292, 0.171, 0.188, 0, 0.015}, {0.33, 0.168, 0.185, 0, 0.015}}, 16,
            pic::leatherBand, {0, 0, 2, 1}, xf);
    return f;
}

// ---- torsos, hips, necks -----------------------------------------------------------

Faces torvelTorso() {
    Faces f;
    addLoft(f,
            {{-0.54, 0, 0},
             {-0.52, 0.235, 0.15, 0, 0},
             {-0.35, 0.245, 0.155, 0, 0.01},
             {-0.1, 0.265, 0.165, 0, 0.015},
             {0.15, 0.295, 0.18, 0, 0.02},
             {0.33, 0.335, 0.18, 0, 0.012},
             {0.45, 0.36, 0.16, 0, 0},
             {0.52, 0.29, 0.13, 0, -0.005},
             {0.57, 0.12, 0.095},
             {0.585, 0, 0}},
            14, pic::torvelShirt, whole, {}, 2.6);
    return f;
}

Faces brandolimTorso() {
    Faces f;
    addLoft(f,
            {{-0.6, 0, 0},
             {-0.58, 0.205, 0.15, 0, 0.01},
             {-0.4, 0.225, 0.175, 0, 0.035},
             {-0.15, 0.235, 0.18, 0, 0.035},
             {0.1, 0.245, 0.165, 0, 0.01},
             {0.3, 0.262, 0.155, 0, -0.01},
             {0.43, 0.29, 0.14, 0, -0.025},
             {0.51, 0.235, 0.115, 0, -0.03},
             {0.56, 0.1, 0.085, 0, -0.01},
             {0.575, 0, 0}},
            14, pic::khakiShirt, whole, {}, 2.5);
    return f;
}

Faces torvelHip() {
    Faces f;
    addLoft(f,
            {{-0.2, 0, 0, 0, 0.01},
             {-0.17, 0.14, 0.11, 0, 0.01},
             {-0.09, 0.25, 0.15, 0, 0.005},
             {0.0, 0.258, 0.158},
             {0.1, 0.248, 0.155},
             {0.12, 0, 0}},
            14, pic::torvelTrousers, {0, 0, 3, 1}, {}, 2.4);
    addLoft(f, {{0.0, 0.266, 0.166}, {0.065, 0.262, 0.163}}, 14, pic::ropeBelt, {0, 0, 6, 1}, {},
            2.4);
    return f;
}

Faces brandolimHip() {
    Faces f;
    addLoft(f,
            {{-0.22, 0, 0, 0, 0.02},
             {-0.19, 0.12, 0.11, 0, 0.02},
             {-0.1, 0.21, 0.16, 0, 0.025},
             {0.0, 0.215, 0.165, 0, 0.025},
             {0.1, 0.21, 0.158, 0, 0.02},
             {0.12, 0, 0}},
            14, pic::brandolimTrousers, {0, 0, 3, 1}, {}, 2.4);
    addLoft(f, {{-0.005, 0.224, 0.173, 0, 0.025}, {0.06, 0.22, 0.17, 0, 0.025}}, 14,
            pic::leatherBelt, whole, {}, 2.4);
    return f;
}

// Neck with the red neckerchief knotted in front, its point lying on the chest.
Faces torvelNeck() {
    Faces f;
    addLoft(f, {{0.0, 0.07, 0.07}, {0.1, 0.066, 0.066}, {0.12, 0, 0}}, 8, pic::torvelSkin, whole);
    addLoft(f,
            {{0.015, 0, 0},
             {0.02, 0.125, 0.11},
             {0.065, 0.1, 0.092},
             {0.085, 0.082, 0.082},
             {0.095, 0, 0}},
            10, pic::neckerchief, {0, 0, 3, 1});
    addEllipsoid(f, {0, 0.035, 0.105}, {0.032, 0.026, 0.022}, 6, 3, pic::neckerchief, whole);
    addFlap(f, {0, -0.1, 0.17}, {0, 0.03, 0.11}, 0.065, 0.008, pic::neckerchief, whole);
    return f;
}

// Neck with the shirt collar around its foot.
Faces brandolimNeck() {
    Faces f;
    addLoft(f, {{0.0, 0.062, 0.062}, {0.14, 0.058, 0.06}, {0.16, 0, 0}}, 8, pic::brandolimSkin,
            whole);
    addLoft(f,
            {{0.005, 0, 0},
             {0.012, 0.112, 0.098},
             {0.07, 0.085, 0.082},
             {0.078, 0.07, 0.07},
             {0.085, 0, 0}},
            10, pic::khaki, {0, 0, 2, 1});
    return f;
}

// ---- sleeves and trouser legs ------------------------------------------------------

// A rolled-up sleeve over the upper arm, its cuff at `cuff`.
Faces sleeve(double cuff, double radius, int texture) {
    Faces f;
    addLoft(f,
            {{cuff - 0.02, 0, 0},
             {cuff - 0.01, radius * 0.92, radius * 0.92},
             {cuff, radius * 1.02, radius * 1.02},
             {cuff + 0.07, radius * 1.02, radius * 1.02},
             {cuff + 0.08, radius * 0.94, radius * 0.94},
             {-0.05, radius, radius},
             {0.01, radius * 1.02, radius * 1.02},
             {0.045, radius * 0.78, radius * 0.76},
             {0.065, 0, 0}},
            10, texture, {0, 0, 2, 1});
    return f;
}

Faces torvelTrouserLeg() {
    Faces f;
    addLoft(f,
            {{-0.445, 0, 0},
             {-0.435, 0.105, 0.105},
             {-0.425, 0.12, 0.12},
             {-0.33, 0.122, 0.122},
             {-0.32, 0.105, 0.105}},
            10, pic::trouserCuff, {0, 0, 2, 1});
    addLoft(f, {{-0.34, 0.104, 0.104}, {-0.1, 0.112, 0.112}, {0.06, 0.118, 0.118}, {0.1, 0, 0}}, 10,
            pic::torvelTrousers, {0, 0, 2, 1});
    return f;
}

Faces brandolimTrouserLeg() {
    Faces f;
    addLoft(f,
            {{-0.43, 0, 0},
             {-0.42, 0.078, 0.078},
             {-0.36, 0.098, 0.1},
             {-0.28, 0.106, 0.108},
             {-0.1, 0.1, 0.1},
             {0.05, 0.104, 0.104},
             {0.1, 0, 0}},
            10, pic::brandolimTrousers, {0, 0, 2, 1});
    return f;
}

// ---- feet --------------------------------------------------------------------------

Faces torvelFoot() {
    Faces f;
    addFootBody(f,
                {{-0.095, 0, 0, -0.09},
                 {-0.08, 0.048, 0.05, -0.09},
                 {-0.03, 0.056, 0.07, -0.075},
                 {0.06, 0.062, 0.046, -0.098},
                 {0.15, 0.066, 0.032, -0.112},
                 {0.22, 0.058, 0.024, -0.118},
                 {0.25, 0.038, 0.018, -0.12},
                 {0.262, 0, 0, -0.12}},
                pic::sandalFoot, whole);
    addBox(f, {-0.07, -0.158, -0.105}, {0.07, -0.134, 0.272}, pic::sandalSole, whole);
    return f;
}

Faces brandolimFoot() {
    Faces f;
    addFootBody(f,
                {{-0.11, 0, 0, -0.06},
                 {-0.1, 0.055, 0.055, -0.06},
                 {-0.04, 0.064, 0.075, -0.045},
                 {0.06, 0.066, 0.05, -0.06},
                 {0.16, 0.068, 0.038, -0.072},
                 {0.24, 0.058, 0.03, -0.078},
                 {0.27, 0.035, 0.022, -0.082},
                 {0.28, 0, 0, -0.082}},
                pic::bootLeather, whole);
    addBox(f, {-0.07, -0.125, 0.0}, {0.072, -0.1, 0.29}, pic::bootSole, whole);
    addBox(f, {-0.062, -0.125, -0.11}, {0.062, -0.095, 0.0}, pic::bootSole, whole);
    return f;
}

// ---- props -------------------------------------------------------------------------

// The slingshot in the left fist: handle through the fist along +z, the fork opening
// forward in the figure's side plane, the rubber hanging slack between the prongs.
Faces slingshot() {
    Faces f;
    const double y = -0.11;
    addTube(f, {0, y, -0.06}, {0, y, 0.1}, 0.018, 0.017, 6, pic::lightWood, {0, 0, 1, 1});
    addTube(f, {0, y, 0.095}, {0, y + 0.075, 0.21}, 0.015, 0.012, 6, pic::lightWood, whole);
    addTube(f, {0, y, 0.095}, {0, y - 0.075, 0.21}, 0.015, 0.012, 6, pic::lightWood, whole);
    addLoft(f, {{-0.05, 0.022, 0.022}, {-0.01, 0.022, 0.022}}, 6, pic::redBand, {0, 0, 1, 1},
            translate({0, y, 0}) * rotateX(90));
    for (double side : {1.0, -1.0})
        addTube(f, {0, y + side * 0.08, 0.215}, {0, y + side * 0.018, 0.175}, 0.006, 0.006, 4,
                pic::rubberBand, {0, 0, 0.5, 1});
    addBox(f, {-0.012, y - 0.022, 0.165}, {0.012, y + 0.022, 0.182}, pic::rubberBand,
           {0.5, 0, 1, 1});
    return f;
}

// The village broom standing upright on the ground in front of the left foot: a round
// straw bundle tied with red, a long wooden handle.
Faces broom() {
    Faces f;
    addTube(f, {0, 0.22, 0}, {0, 1.62, 0}, 0.022, 0.02, 8, pic::lightWood, {0, 0, 1, 4});
    addLoft(f,
            {{-0.16, 0, 0},
             {-0.15, 0.15, 0.13},
             {-0.06, 0.135, 0.118},
             {0.08, 0.09, 0.08},
             {0.2, 0.052, 0.05},
             {0.3, 0.036, 0.036},
             {0.32, 0, 0}},
            12, pic::broomStraw, {0, 0, 2, 1});
    for (double y : {0.13, 0.24})
        addLoft(f,
                {{y, 0.078 - (y - 0.13) * 0.25, 0.072 - (y - 0.13) * 0.22},
                 {y + 0.035, 0.07 - (y - 0.13) * 0.25, 0.065 - (y - 0.13) * 0.22}},
                12, pic::redBand, {0, 0, 3, 1});
    return f;
}

// The carbine. Its grip is at the fist of the right hand (the joint sits 0.05 outside
// the wrist), the barrel runs along the fingers (-y) with the sights on the thumb side
// (+z), the stock up the outside of the forearm. The whole gun leans 25 degrees across
// the body, so that slung on the back it runs from behind the right shoulder (butt up)
// down to the left hip.
Faces carbine() {
    Faces f;
    const Vec3 grip{0, -0.14, 0};
    const Xform xf = translate({0.05, -0.16, 0}) * rotateZ(25) * translate(Vec3{} - grip);
    addLoft(f,
            {{-0.15, 0.018, 0.028, 0, -0.01},
             {-0.08, 0.02, 0.03, 0, -0.012},
             {0.1, 0.026, 0.048, 0, -0.025},
             {0.29, 0.03, 0.068, 0, -0.04},
             {0.3, 0.028, 0.062, 0, -0.04},
             {0.305, 0, 0, 0, -0.04}},
            8, pic::gunWood, {0, 0, 1, 1}, xf, 3);
    addBox(f, {-0.021, -0.36, -0.035}, {0.021, -0.14, 0.034}, pic::gunSteel, whole, xf);
    addBox(f, {-0.006, -0.25, -0.075}, {0.006, -0.17, -0.035}, pic::gunSteel, whole, xf);
    addLoft(f,
            {{-0.66, 0, 0, 0, -0.01},
             {-0.65, 0.017, 0.022, 0, -0.01},
             {-0.38, 0.02, 0.028, 0, -0.012},
             {-0.36, 0.02, 0.028, 0, -0.012},
             {-0.355, 0, 0, 0, -0.012}},
            8, pic::gunWood, {0, 0, 1, 1}, xf, 3);
    addTube(f, {0, -0.34, 0.018}, {0, -0.9, 0.018}, 0.014, 0.013, 8, pic::gunSteel, whole, xf);
    addLoft(f, {{-0.64, 0.022, 0.045, 0, 0.0}, {-0.61, 0.022, 0.045, 0, 0.0}}, 8, pic::gunSteel,
            whole, xf);
    addBox(f, {-0.004, -0.885, 0.03}, {0.004, -0.865, 0.045}, pic::gunSteel, whole, xf);
    addBox(f, {-0.01, -0.42, 0.03}, {0.01, -0.4, 0.045}, pic::gunSteel, whole, xf);
    return f;
}

// The folded newspaper held in the right fist, hanging below it in the figure's side
// plane: the front page faces out (-x), the inside page in.
Faces newspaper() {
    Faces f;
    const Vec3 fist{0, -0.11, 0};
    // Edges show a plain corner of the inside page; the broad sides show whole pages.
    BoxSkin outer{};
    for (int i = 0; i < 6; ++i) {
        outer.texture[i] = pic::newsBack;
        outer.uv[i] = {0.02, 0.02, 0.06, 0.06};
    }
    BoxSkin inner = outer;
    outer.texture[3] = pic::newsFront; // -x, the outer side
    outer.uv[3] = whole;
    outer.uv[2] = whole;
    inner.uv[2] = whole; // +x, towards the body
    addBox(f, {-0.011, -0.44, -0.1}, {0.001, -0.05, 0.17}, outer);
    addBox(f, {0.0, -0.43, -0.095}, {0.01, -0.05, 0.165}, inner,
           translate(fist) * rotateX(-6) * translate(Vec3{} - fist));
    return f;
}

} // namespace

std::array<Faces, fighterPartModels + 1> buildFighterModels() {
    std::array<Faces, fighterPartModels + 1> m;
    // TORVEL.
    m[1] = torvelTorso();
    m[2] = limb({{-0.7, 0, 0},
                 {-0.68, 0.05, 0.05},
                 {-0.62, 0.068, 0.066},
                 {-0.4, 0.078, 0.076},
                 {-0.15, 0.088, 0.086},
                 {0.0, 0.095, 0.092},
                 {0.03, 0.075, 0.073},
                 {0.055, 0, 0}},
                10, pic::torvelSkin, whole);
    m[3] = limb({{-0.56, 0, 0},
                 {-0.54, 0.05, 0.045},
                 {-0.48, 0.062, 0.054},
                 {-0.3, 0.077, 0.068},
                 {-0.1, 0.085, 0.076},
                 {0.02, 0.078, 0.074},
                 {0.06, 0, 0}},
                10, pic::torvelSkin, whole);
    m[4] = fist(1.08, pic::torvelHand, pic::torvelSkin);
    m[5] = limb({{-0.72, 0, 0},
                 {-0.69, 0.075, 0.08},
                 {-0.62, 0.1, 0.105},
                 {-0.4, 0.115, 0.12},
                 {-0.15, 0.127, 0.132},
                 {0.02, 0.13, 0.135},
                 {0.08, 0.1, 0.1},
                 {0.11, 0, 0}},
                10, pic::torvelTrousers, {0, 0, 2, 2});
    m[6] = limb({{-0.79, 0, 0},
                 {-0.77, 0.045, 0.05},
                 {-0.7, 0.055, 0.06},
                 {-0.5, 0.066, 0.07},
                 {-0.25, 0.083, 0.09, 0, -0.01},
                 {-0.05, 0.085, 0.085},
                 {0.04, 0.06, 0.06},
                 {0.07, 0, 0}},
                10, pic::torvelSkin, whole);
    m[7] = torvelFoot();
    addHead(m[8], torvelHeadShape, pic::torvelHead, pic::torvelSkin);
    addBrows(m[8], {0.032, 0.008, 0.01}, 0.253, 10, pic::torvelHead, {0.02, 0.7, 0.08, 0.8});
    m[9] = torvelHat({0, 0.08, 0});
    m[10] = slingshot();
    m[11] = broom();
    m[12] = sleeve(-0.33, 0.112, pic::torvelPlaid);
    m[13] = sleeve(-0.3, 0.112, pic::torvelPlaid);
    m[14] = torvelTrouserLeg();
    m[15] = torvelHip();
    m[16] = torvelNeck();
    // SEU BRANDOLIM.
    m[17] = brandolimTorso();
    m[18] = limb({{-0.69, 0, 0},
                  {-0.67, 0.045, 0.045},
                  {-0.6, 0.062, 0.06},
                  {-0.3, 0.072, 0.07},
                  {0.0, 0.085, 0.082},
                  {0.03, 0.066, 0.064},
                  {0.055, 0, 0}},
                 10, pic::khaki, {0, 0, 2, 2});
    m[19] = limb({{-0.55, 0, 0},
                  {-0.53, 0.04, 0.036},
                  {-0.47, 0.048, 0.043},
                  {-0.3, 0.058, 0.052},
                  {-0.1, 0.066, 0.06},
                  {0.02, 0.062, 0.06},
                  {0.06, 0, 0}},
                 10, pic::brandolimSkin, whole);
    m[20] = fist(0.95, pic::brandolimHand, pic::brandolimSkin);
    m[21] = limb({{-0.78, 0, 0},
                  {-0.75, 0.07, 0.074},
                  {-0.68, 0.088, 0.092},
                  {-0.4, 0.1, 0.105},
                  {-0.1, 0.11, 0.118},
                  {0.02, 0.112, 0.12},
                  {0.08, 0.09, 0.09},
                  {0.11, 0, 0}},
                 10, pic::brandolimTrousers, {0, 0, 2, 2});
    {
        Faces shin;
        addLoft(shin,
                {{-0.95, 0, 0},
                 {-0.93, 0.056, 0.06},
                 {-0.86, 0.062, 0.066},
                 {-0.6, 0.072, 0.076},
                 {-0.36, 0.086, 0.09},
                 {-0.34, 0.088, 0.092},
                 {-0.33, 0.068, 0.07}},
                10, pic::bootLeather, {0, 0, 2, 1});
        addLoft(shin,
                {{-0.345, 0.068, 0.07}, {-0.1, 0.078, 0.08}, {0.04, 0.062, 0.062}, {0.07, 0, 0}},
                10, pic::brandolimTrousers, {0, 0, 2, 2});
        m[22] = shin;
    }
    m[23] = brandolimFoot();
    addHead(m[24], brandolimHeadShape, pic::brandolimHead, pic::brandolimSkin);
    addMoustache(m[24]);
    addBrows(m[24], {0.034, 0.014, 0.016}, 0.238, 12, pic::whiteHair, whole);
    m[25] = brandolimHat({0, 0.34, -0.075});
    m[26] = carbine();
    m[27] = sleeve(-0.63, 0.098, pic::khaki);
    m[28] = sleeve(-0.63, 0.098, pic::khaki);
    m[29] = brandolimTrouserLeg();
    m[30] = brandolimHip();
    m[31] = brandolimNeck();
    m[32] = newspaper();
    return m;
}
