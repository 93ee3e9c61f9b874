// The village courtyard's small props: the well, the hay cart, benches, hay, sacks, the
// niche with the water jugs, the sign, fences, a hedge, awning posts, a tree and a stall.
#include "arena_models_village.h"

namespace {

using namespace village;

// A square wooden post of side s from y0 to y1.
void addPost(Faces& f, double x, double z, double s, double y0, double y1, int texture = darkWood) {
    addBlock(f, {x - s / 2, y0, z - s / 2}, {x + s / 2, y1, z + s / 2}, skinAll(texture), 0.8);
}

// 9: the stone well with its little tiled roof, windlass posts and a bucket on the rim.
Faces well() {
    Faces f;
    addColumn(f, masonry, 0, 0, 0.85, 0, 0.85, 10, 1.2, darkWood);
    for (double x : {-0.78, 0.78}) addPost(f, x, 0, 0.12, 0.85, 2.35);
    addBlock(f, {-0.85, 1.85, -0.05}, {0.85, 1.95, 0.05}, skinAll(lightWood), 1);
    addGableRoof(f, {tiles, darkWood, tileEnds}, -1.05, 1.05, 0.75, -0.75, 0, 2.3, 2.85, 1.6);
    addGable(f, darkWood, -0.75, 0.75, 0, 2.3, 2.85, 0, true, 1);
    addColumn(f, darkWood, 0.45, 0.35, 0.16, 0.85, 1.15, 7, 0.8, darkWood);
    return f;
}

// 10: the hay cart, shafts resting on the ground towards +x, wheels on both sides.
Faces cart() {
    Faces f;
    addBlock(f, {-1.3, 0.62, -0.7}, {1.3, 0.8, 0.7}, skinAll(lightWood), 1.2);
    for (double z : {-0.72, 0.66})
        addBlock(f, {-1.3, 0.8, z}, {1.3, 1.25, z + 0.06}, skinAll(lightWood), 1.2);
    for (double x : {-1.3, 1.24})
        addBlock(f, {x, 0.8, -0.66}, {x + 0.06, 1.1, 0.66}, skinAll(lightWood), 1.2);
    addBlock(f, {-1.2, 0.8, -0.66}, {1.2, 1.5, 0.66}, skinAll(hay), 1.2);
    for (double z : {-0.45, 0.45}) {
        Vec3 a{1.3, 0.66, z - 0.05}, b{3.2, 0.05, z - 0.05};
        addQuad(f, lightWood, a, b, b + Vec3{0, 0.12, 0}, a + Vec3{0, 0.12, 0}, {0, 0, 2, 0.2},
                {0, 0, 1});
        addQuad(f, lightWood, a + Vec3{0, 0.12, 0}, b + Vec3{0, 0.12, 0}, b + Vec3{0, 0.12, 0.1},
                a + Vec3{0, 0.12, 0.1}, {0, 0, 2, 0.2}, {0, 1, 0});
    }
    addBlock(f, {-0.06, 0.5, -0.85}, {0.06, 0.62, 0.85}, skinAll(darkWood), 1);
    for (double z : {0.86, -0.86}) {
        addWheel(f, wheel, 0, 0.58, z, 0.58, true);
        addWheel(f, wheel, 0, 0.58, z, 0.58, false);
    }
    return f;
}

// 11: a plank bench against a wall.
Faces bench() {
    Faces f;
    addBlock(f, {-1.1, 0.42, -0.2}, {1.1, 0.5, 0.2}, skinAll(lightWood), 1.1);
    for (double x : {-0.9, 0.9})
        for (double z : {-0.12, 0.12}) addPost(f, x, z, 0.07, 0, 0.42);
    return f;
}

// 12: hay bales, two below and one on top.
Faces hayBales() {
    Faces f;
    addBlock(f, {-1.05, 0, -0.35}, {-0.02, 0.5, 0.35}, skinAll(hay), 0.7);
    addBlock(f, {0.02, 0, -0.38}, {1.05, 0.5, 0.32}, skinAll(hay), 0.7);
    addBlock(f, {-0.55, 0.5, -0.34}, {0.5, 1.0, 0.33}, skinAll(hay), 0.7);
    return f;
}

// 13: sacks of beans and flour, three standing and one lying in front.
Faces sacks() {
    Faces f;
    addColumn(f, sackCloth, -0.45, 0, 0.3, 0, 0.75, 8, 0.8, sackCloth);
    addColumn(f, sackCloth, 0.2, -0.1, 0.32, 0, 0.8, 8, 0.8, sackCloth);
    addColumn(f, sackCloth, 0.75, 0.05, 0.28, 0, 0.7, 8, 0.8, sackCloth);
    addBlock(f, {-0.5, 0, 0.35}, {0.45, 0.32, 0.78}, skinAll(sackCloth), 0.8);
    return f;
}

// 14: a plastered niche against the wall holding the clay pots and the water jug.
Faces potNiche() {
    Faces f;
    addBlock(f, {-1.5, 0, -0.25}, {1.5, 1.8, 0.25}, skinAll(plaster), 2);
    addBlock(f, {-1.62, 1.8, -0.3}, {1.62, 1.96, 0.32}, skinAll(brick), 0.9);
    addPicture(f, pots, -1.25, 1.25, 0.15, 1.65, 0.25);
    return f;
}

// 15: the painted sign board on two posts.
Faces sign() {
    Faces f;
    for (double x : {-1.0, 1.0}) addPost(f, x, 0, 0.1, 0, 2.25);
    addBlock(f, {-1.15, 1.2, -0.04}, {1.15, 2.1, 0.04}, {0, darkWood, darkWood, darkWood}, 1);
    addPicture(f, signBoard, -1.15, 1.15, 1.2, 2.1, 0.04, 0.005);
    return f;
}

// 16: four metres of rail fence.
Faces railFence() {
    Faces f;
    for (double x : {-1.95, -0.65, 0.65, 1.95}) addPost(f, x, 0, 0.11, 0, 1.15);
    for (double y : {0.45, 0.88})
        addBlock(f, {-2.05, y, 0.055}, {2.05, y + 0.11, 0.1}, skinAll(lightWood), 1.4);
    return f;
}

// 17: a clipped hedge.
Faces hedge() {
    Faces f;
    addBlock(f, {-2.6, 0, -0.6}, {2.6, 1.4, 0.6}, skinAll(foliage), 1.4);
    addBlock(f, {-2.3, 1.4, -0.45}, {2.2, 1.7, 0.45}, skinAll(foliage), 1.4);
    return f;
}

// 20: the two posts under a door awning (model 19), 2.9 apart.
Faces awningPosts() {
    Faces f;
    for (double x : {-1.45, 1.45}) addPost(f, x, 0, 0.13, 0, 2.25);
    return f;
}

// 21: a shade tree on the street: a crooked trunk and a wide crown.
Faces shadeTree() {
    Faces f;
    addColumn(f, bark, 0, 0, 0.32, 0, 2.6, 7, 1.2);
    addQuad(f, bark, {-0.25, 2.4, 0.1}, {0.25, 2.4, 0.1}, {1.0, 3.6, 0.3}, {0.6, 3.6, 0.3},
            {0, 0, 0.5, 1}, {0, 0, 1});
    addCrown(f, foliage, 0, 0, 2.5, 6.2, 2.6);
    addCrown(f, foliage, 1.4, 0.4, 3.0, 5.6, 1.6);
    return f;
}

// 25: a market stall under a sack-cloth awning, with sacks and a crate on its table.
Faces stall() {
    Faces f;
    addBlock(f, {-1.2, 0.85, -0.5}, {1.2, 0.95, 0.5}, skinAll(lightWood), 1.2);
    for (double x : {-1.1, 1.1}) {
        addPost(f, x, 0.42, 0.07, 0, 0.85);
        addPost(f, x, -0.42, 0.07, 0, 0.85);
        addPost(f, x - 0.1 * (x < 0 ? -1 : 1), 0.65, 0.08, 0, 2.0);
        addPost(f, x - 0.1 * (x < 0 ? -1 : 1), -0.6, 0.08, 0, 2.35);
    }
    Vec3 a{-1.4, 1.95, 0.85}, b{1.4, 1.95, 0.85}, c{1.4, 2.4, -0.75}, d{-1.4, 2.4, -0.75};
    addQuad(f, sackCloth, a, b, c, d, {0, 0, 2, 1.4}, {0, 1, 0.3});
    addQuad(f, sackCloth, a, b, c, d, {0, 0, 2, 1.4}, {0, -1, -0.3});
    addColumn(f, sackCloth, -0.6, 0, 0.25, 0.95, 1.5, 7, 0.8, sackCloth);
    addColumn(f, sackCloth, -0.05, -0.1, 0.22, 0.95, 1.45, 7, 0.8, sackCloth);
    addBlock(f, {0.35, 0.95, -0.3}, {1.05, 1.35, 0.3}, skinAll(lightWood), 0.8);
    addBlock(f, {0.42, 1.3, -0.24}, {0.98, 1.38, 0.24}, skinAll(hay), 0.8);
    return f;
}

} // namespace

void addVillageProps(std::vector<Faces>& m) {
    m[8] = well();
    m[9] = cart();
    m[10] = bench();
    m[11] = hayBales();
    m[12] = sacks();
    m[13] = potNiche();
    m[14] = sign();
    m[15] = railFence();
    m[16] = hedge();
    m[19] = awningPosts();
    m[20] = shadeTree();
    m[24] = stall();
}
