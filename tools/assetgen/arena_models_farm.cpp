// The farm of Seu Brandolim, "CASA DO SEU BRANDOLIM": the yard, the barn and its roof, the
// farmhouse and its porch, the shed, and the fields and mountains behind. The small props
// are in arena_models_farm_props.
#include "arena_models_farm.h"

namespace {

using namespace farm;

// 26: the red earth of the yard with grassy stretches out to the fields and a cart track
// with wheel ruts passing between the porch and the fighters. Placed at (-2, 0, 1).
Faces yard() {
    Faces f;
    addGround(f, redEarth, -26, -38, 24, 14, 0, 4.6, 3);
    addGround(f, tuftedEarth, -26, -38, -14, -4, 0.006, 6, 3);
    addGround(f, tuftedEarth, 8, -38, 24, -11, 0.006, 6, 3);
    addGround(f, tuftedEarth, -26, 4, 24, 14, 0.006, 6.5, 3);
    addGround(f, ruts, -26, 0.2, 24, 1.7, 0.008, 4.2, 1.5, true);
    addGround(f, ruts, 0.1, -0.6, 1.9, 0.2, 0.008, 2, 1.5);
    return f;
}

// 27: the barn on the left, grey planks on a stone footing, its big door facing the yard
// and a shuttered window at its right end. Placed at (-11, 0, -5) with its roof (28).
Faces barn() {
    Faces f;
    const double x0 = -6.5, x1 = 1.5, zf = 2, zb = -4, eave = 3.4, ridge = 5.3, zr = -1;
    addBlock(f, {x0, 0, zb}, {x1, eave, zf}, {barnPlanks, barnPlanks, barnPlanks, 0}, 2.4);
    addGableX(f, barnPlanks, x1, zf, zb, zr, eave, ridge, true);
    addGableX(f, barnPlanks, x0, zf, zb, zr, eave, ridge, false);
    addTiledRect(f, stoneBase, {x0, 0, zf + 0.02}, {x1 - x0, 0, 0}, {0, 0.45, 0}, 1.6);
    addTiledRect(f, stoneBase, {x1 + 0.02, 0, zf}, {0, 0, zb - zf}, {0, 0.45, 0}, 1.6);
    addPicture(f, barnDoor, -3.4, -0.6, 0, 3.0, zf, 0.04);
    addPictureX(f, brownShutters, 0, -1.4, 1.3, 2.6, x1, 0.04);
    return f;
}

// 28: the barn's roof of old mossy tiles over bare rafters.
Faces barnRoof() {
    Faces f;
    addGableRoof(f, {mossyTiles, rafters, barnPlanks}, -6.9, 1.9, 2.6, -4.6, -1, 3.25, 5.45, 1.8);
    return f;
}

// 29: the farmhouse: yellowed plaster on a stone footing, the painted front between two
// windows under the porch, a door at the right, a mossy roof with a stone chimney.
// Placed at (-1, 0, -5); the front wall stands at z 1.5 (world -3.5).
Faces farmhouse() {
    Faces f;
    const double x0 = -7, x1 = 7, zf = 1.5, zb = -4.5, eave = 4.3, ridge = 6.7, zr = -1.5;
    addTiledRect(f, oldPlaster, {x0, 0, zf}, {x1 - x0, 0, 0}, {0, eave, 0}, 2.6);
    addTiledRect(f, oldPlaster, {x1, 0, zf}, {0, 0, zb - zf}, {0, eave, 0}, 2.6);
    addTiledRect(f, oldPlaster, {x0, 0, zb}, {0, 0, zf - zb}, {0, eave, 0}, 2.6);
    addTiledRect(f, oldPlaster, {x1, 0, zb}, {x0 - x1, 0, 0}, {0, eave, 0}, 2.6);
    addGableX(f, oldPlaster, x1, zf, zb, zr, eave, ridge, true);
    addGableX(f, oldPlaster, x0, zf, zb, zr, eave, ridge, false);
    addGableRoof(f, {mossyTiles, rafters, fenceBoards}, x0 - 0.4, x1 + 0.4, zf + 0.35, zb - 0.5, zr,
                 eave - 0.05, ridge + 0.1, 1.8);
    addPicture(f, houseFront, -3.6, 3.6, 0.6, 3.4, zf);
    addPicture(f, brownShutters, -6.1, -4.7, 1.3, 2.7, zf);
    addPicture(f, oldDoor, 4.4, 5.9, 0.6, 2.9, zf);
    addPictureX(f, brownShutters, -0.6, -2.0, 1.3, 2.7, x1);
    addTiledRect(f, stoneBase, {x1 + 0.02, 0, zf}, {0, 0, zb - zf}, {0, 0.6, 0}, 1.6);
    addTiledRect(f, stoneBase, {x0 - 0.02, 0, zb}, {0, 0, zf - zb}, {0, 0.6, 0}, 1.6);
    addBlock(f, {3.2, 4.6, -2.6}, {3.9, 7.2, -1.9}, skinAll(stoneBase), 1);
    return f;
}

// 30: the porch along the front: a board floor on a stone front, two steps, round posts
// joined by a board railing, and a lean-to roof from the wall. Placed at (-1, 0, -1).
Faces porch() {
    Faces f;
    const double x0 = -7, x1 = 7, zw = -2.5, zf = 1.0, deck = 0.6;
    addBlock(f, {x0, 0, zw}, {x1, deck, zf}, {stoneBase, 0, stoneBase, porchBoards}, 1.6);
    addBlock(f, {-1.1, 0, zf}, {1.1, 0.4, zf + 0.4}, {stoneBase, 0, stoneBase, porchBoards}, 1.6);
    addBlock(f, {-1.1, 0, zf + 0.4}, {1.1, 0.2, zf + 0.8}, {stoneBase, 0, stoneBase, porchBoards},
             1.6);
    const double posts[] = {-6.8, -3.6, -1.25, 1.25, 3.6, 6.8};
    for (double x : posts) addColumn(f, porchPost, x, 0.8, 0.11, deck, 3.2, 6, 0.8);
    for (double s : {-1.0, 1.0})
        addBlock(f, {s < 0 ? -6.8 : 1.25, deck + 0.35, 0.76},
                 {s < 0 ? -1.25 : 6.8, deck + 0.9, 0.82}, skinAll(fenceBoards), 1.2);
    addBlock(f, {x0, 3.08, 0.68}, {x1, 3.24, 0.92}, skinAll(barnPlanks), 1.6);
    Vec3 wallTop{x0 - 0.3, 3.95, zw}, front{x0 - 0.3, 3.2, zf + 0.3};
    Vec3 across{x1 - x0 + 0.6, 0, 0};
    addQuad(f, mossyTiles, front, front + across, wallTop + across, wallTop,
            {0, 0, across.x / 1.8, 2.1}, {0, 1, 0.2});
    addQuad(f, rafters, front + Vec3{0, -0.1, 0}, front + across + Vec3{0, -0.1, 0},
            wallTop + across + Vec3{0, -0.1, 0}, wallTop + Vec3{0, -0.1, 0},
            {0, 0, across.x / 1.8, 2.1}, {0, -1, -0.2});
    addRect(f, fenceBoards, front + Vec3{0, -0.2, 0.01}, across, {0, 0.2, 0},
            {0, 0, across.x / 1.5, 0.2});
    return f;
}

// 42: the whitewashed shed behind the yard on the right, damp at its foot.
Faces shed() {
    Faces f;
    const double x0 = -3.5, x1 = 3.5, zf = 2, zb = -2, eave = 2.7, ridge = 4.1;
    addRect(f, dampWhitewash, {x0, 0, zf}, {x1 - x0, 0, 0}, {0, eave, 0}, {0, 0, 2.5, 1});
    addRect(f, dampWhitewash, {x1, 0, zf}, {0, 0, zb - zf}, {0, eave, 0}, {0, 0, 1.5, 1});
    addRect(f, dampWhitewash, {x0, 0, zb}, {0, 0, zf - zb}, {0, eave, 0}, {0, 0, 1.5, 1});
    addGableX(f, dampWhitewash, x1, zf, zb, 0, eave, ridge, true);
    addGableX(f, dampWhitewash, x0, zf, zb, 0, eave, ridge, false);
    addGableRoof(f, {mossyTiles, rafters, barnPlanks}, x0 - 0.3, x1 + 0.3, zf + 0.4, zb - 0.4, 0,
                 eave - 0.1, ridge + 0.05, 1.8);
    addPicture(f, oldDoor, -2.6, -1.2, 0, 2.2, zf);
    return f;
}

// 36, 37, 38: the mountains far behind, the pasture before them and the cane field
// nearer, each a wide picture cut along its outline so that the sky shows above.
Faces distantLand(int texture, const std::string& path, double x0, double x1, double y0, double y1,
                  int panels, double fallbackTop, double bandBottom) {
    Faces f;
    const std::vector<double> outline = skyline(path, 36);
    const double w = (x1 - x0) / panels;
    for (int i = 0; i < panels; ++i)
        addSilhouette(f, texture, x0 + i * w, x0 + (i + 1) * w, y0, y1, 0, outline, fallbackTop,
                      i % 2);
    if (bandBottom < y0) addBackdrop(f, texture, x0, x1, bandBottom, y0, 0, panels, 0, 0.04);
    return f;
}

} // namespace

std::vector<Faces> farmModels(const std::string& pictures) {
    std::vector<Faces> m(19);
    m[0] = yard();
    m[1] = barn();
    m[2] = barnRoof();
    m[3] = farmhouse();
    m[4] = porch();
    m[10] = distantLand(mountains, pictures + "/Cenario050.jpg", -52, 50, 4, 22, 3, 0.6, -4);
    m[11] = distantLand(pasture, pictures + "/Cenario048.jpg", -46, 42, -0.5, 8, 3, 0.6, -0.5);
    m[12] = distantLand(caneField, pictures + "/Cenario049.jpg", -36, 32, 0, 3.4, 3, 0.85, 0);
    m[16] = shed();
    addFarmProps(m, pictures);
    return m;
}
