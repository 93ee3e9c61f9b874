// The farm's small props: fences, the firewood stack, the trough, the bread oven, the
// sign, the corn, the porch table, the chicken coop, the water tank and the well.
#include "arena_models_farm.h"

namespace {

using namespace farm;

void addPost(Faces& f, double x, double z, double s, double y0, double y1,
             int texture = barnPlanks) {
    addBlock(f, {x - s / 2, y0, z - s / 2}, {x + s / 2, y1, z + s / 2}, skinAll(texture), 0.8);
}

// 31: six metres of board fence on posts.
Faces boardFence() {
    Faces f;
    addBlock(f, {-3, 0.05, -0.03}, {3, 1.3, 0.03}, skinAll(fenceBoards), 1.3);
    for (double x : {-3.0, -1.0, 1.0, 3.0}) addPost(f, x, 0.08, 0.13, 0, 1.45, fenceBoards);
    return f;
}

// 32: split firewood stacked under a plank lean-to, log ends to the front.
Faces firewoodStack() {
    Faces f;
    addBlock(f, {-1.2, 0, -0.45}, {1.2, 1.4, 0.45}, {0, barnPlanks, barnPlanks, barnPlanks}, 1.2);
    addPicture(f, firewood, -1.2, 1.2, 0, 1.4, 0.45, 0.005);
    for (double x : {-1.25, 1.25}) addPost(f, x, 0.55, 0.09, 0, 1.65);
    Vec3 a{-1.45, 1.62, 0.7}, d{-1.45, 1.95, -0.55};
    Vec3 across{2.9, 0, 0};
    addQuad(f, barnPlanks, a, a + across, d + across, d, {0, 0, 2, 1}, {0, 1, 0.3});
    addQuad(f, barnPlanks, a, a + across, d + across, d, {0, 0, 2, 1}, {0, -1, -0.3});
    return f;
}

// 33: the galvanised water trough with water in it.
Faces trough() {
    Faces f;
    addBlock(f, {-1.1, 0, -0.3}, {1.1, 0.6, 0.3}, {galvanised, galvanised, galvanised, 0}, 1.1);
    addTiledRect(f, galvanised, {-1.05, 0.5, 0.25}, {2.1, 0, 0}, {0, 0, -0.5}, 2.5);
    for (double z : {-0.3, 0.25})
        addBlock(f, {-1.1, 0.5, z}, {1.1, 0.62, z + 0.05}, skinAll(galvanised), 1);
    return f;
}

// 34: the clay bread oven: its painted front cut along its outline, a clay dome behind,
// on a stone base.
Faces breadOvenModel(const std::string& pictures) {
    Faces f;
    addBlock(f, {-1.15, 0, -1.2}, {1.15, 0.6, 0.9}, skinAll(stoneBase), 1.2);
    addCrown(f, oldPlaster, 0, -0.2, 0.55, 2.0, 1.05);
    addSilhouette(f, breadOven, -1.15, 1.15, 0, 2.3, 0.92,
                  skyline(pictures + "/Cenario051.jpg", 16), 0.9);
    return f;
}

// 35: the tin sign of the farm on two round posts.
Faces farmSign() {
    Faces f;
    for (double x : {-1.05, 1.05}) addColumn(f, porchPost, x, 0, 0.08, 0, 1.85, 6, 0.8);
    addBlock(f, {-1.2, 0.95, -0.1}, {1.2, 1.75, -0.06}, {0, fenceBoards, fenceBoards, fenceBoards},
             1);
    addPicture(f, tinSign, -1.2, 1.2, 0.95, 1.75, -0.06, 0.005);
    return f;
}

// 39: rows of corn, each a band of stalks, the nearer rows lower.
Faces cornRows() {
    Faces f;
    for (int r = 0; r < 4; ++r) {
        const double z = -1.3 * r, h = 2.0 + 0.12 * r, x0 = -6 - 0.4 * r, x1 = 6 + 0.3 * r;
        addRect(f, cornStalks, {x0, 0, z}, {x1 - x0, 0, 0}, {0, h, 0},
                {0.3 * r, 0, (x1 - x0) / 1.6, 1});
    }
    return f;
}

// 40: the porch table under its checked cloth, a wicker basket on it and a bench.
Faces porchTable() {
    Faces f;
    for (double x : {-0.7, 0.7})
        for (double z : {-0.4, 0.4}) addPost(f, x, z, 0.07, 0, 0.75);
    addBlock(f, {-0.85, 0.5, -0.55}, {0.85, 0.78, 0.55}, skinAll(checkedCloth), 0.9);
    addColumn(f, wicker, 0.3, 0, 0.2, 0.78, 1.02, 8, 0.6, wicker);
    addBlock(f, {-0.8, 0.42, -1.05}, {0.8, 0.48, -0.8}, skinAll(barnPlanks), 1);
    for (double x : {-0.7, 0.7}) addPost(f, x, -0.92, 0.06, 0, 0.42);
    return f;
}

// 41: the chicken coop on legs: wire mesh on three sides, planks behind, a plank roof.
Faces chickenCoop() {
    Faces f;
    for (double x : {-1.25, 1.25})
        for (double z : {-0.75, 0.75}) addPost(f, x, z, 0.1, 0, 0.35);
    addBlock(f, {-1.3, 0.3, -0.8}, {1.3, 0.38, 0.8}, skinAll(barnPlanks), 1);
    addBlock(f, {-1.3, 0.38, -0.8}, {1.3, 1.5, 0.8}, {wireMesh, barnPlanks, wireMesh, 0}, 0.8);
    Vec3 a{-1.45, 1.5, 1.0}, d{-1.45, 1.85, -1.0};
    Vec3 across{2.9, 0, 0};
    addQuad(f, barnPlanks, a, a + across, d + across, d, {0, 0, 2, 1.5}, {0, 1, 0.2});
    addQuad(f, barnPlanks, a, a + across, d + across, d, {0, 0, 2, 1.5}, {0, -1, -0.2});
    addBlock(f, {-1.0, 0.38, -0.6}, {-0.4, 0.7, -0.1}, skinAll(wicker), 0.6);
    return f;
}

// 43: the water tank on its stand.
Faces waterTank() {
    Faces f;
    for (double x : {-0.6, 0.6})
        for (double z : {-0.6, 0.6}) addPost(f, x, z, 0.14, 0, 1.6);
    addBlock(f, {-0.8, 1.6, -0.8}, {0.8, 1.75, 0.8}, skinAll(barnPlanks), 1);
    addColumn(f, galvanised, 0, 0, 0.75, 1.75, 3.2, 10, 1.2, galvanised);
    return f;
}

// 44: the stone well with its windlass and a little roof.
Faces farmWell() {
    Faces f;
    addColumn(f, stoneBase, 0, 0, 0.8, 0, 0.8, 10, 1.2, barnPlanks);
    for (double x : {-0.72, 0.72}) addPost(f, x, 0, 0.12, 0.8, 2.3);
    addBlock(f, {-0.8, 1.8, -0.05}, {0.8, 1.9, 0.05}, skinAll(barnPlanks), 1);
    addGableRoof(f, {mossyTiles, rafters, barnPlanks}, -1.0, 1.0, 0.7, -0.7, 0, 2.25, 2.8, 1.8);
    return f;
}

} // namespace

void addFarmProps(std::vector<Faces>& m, const std::string& pictures) {
    m[5] = boardFence();
    m[6] = firewoodStack();
    m[7] = trough();
    m[8] = breadOvenModel(pictures);
    m[9] = farmSign();
    m[13] = cornRows();
    m[14] = porchTable();
    m[15] = chickenCoop();
    m[17] = waterTank();
    m[18] = farmWell();
}
