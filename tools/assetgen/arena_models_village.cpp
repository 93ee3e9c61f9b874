// The village courtyard, "PRIMEIRO PÁTIO DA VILA": the ground, the buildings and the
// stair up to the street on the terrace. The small props are in arena_models_village_props.
#include "arena_models_village.h"

namespace {

using namespace village;

// 1: the packed earth of the courtyard, from the retaining wall at the back to beyond the
// camera, worn to pebbles where people fight and walk, with a cobbled path from the foot
// of the stair and grass along the wall. Placed at (-0.5, 0, 0).
Faces courtyardGround() {
    Faces f;
    addGround(f, earth, -25.5, -8.4, 21.5, 14, 0, 3.4, 3);
    addGround(f, pebbles, -19.5, 0.3, 14.5, 14, 0.006, 4.5, 3);
    addGround(f, cobbles, -6.4, -1.3, 15, 0.3, 0.008, 3.6, 1.6);
    addGround(f, grass, -25.5, -8.4, 21.5, -7.3, 0.007, 4, 2.2);
    return f;
}

// 2: the long house on the left, whitewashed with a blue skirting band, its door and
// windows facing the courtyard and a tiled roof with a brick chimney. Placed at
// (-11, 0, -3); the front wall stands at z 2.4 (world -0.6) and its end at x 2.4.
Faces leftHouse() {
    Faces f;
    const double x0 = -11, x1 = 2.4, zb = -5, zf = 2.4, eave = 3.6, ridge = 5.7, zr = -1.3;
    addRect(f, plasterBand, {x0, 0, zf}, {x1 - x0, 0, 0}, {0, eave, 0}, {0, 0, (x1 - x0) / 2.6, 1});
    addRect(f, plasterBand, {x1, 0, zf}, {0, 0, zb - zf}, {0, eave, 0}, {0, 0, (zf - zb) / 2.6, 1});
    addRect(f, plasterBand, {x0, 0, zb}, {0, 0, zf - zb}, {0, eave, 0}, {0, 0, (zf - zb) / 2.6, 1});
    addRect(f, plaster, {x1, 0, zb}, {x0 - x1, 0, 0}, {0, eave, 0}, {0, 0, (x1 - x0) / 2.6, 1});
    addGableX(f, plaster, x1, zf, zb, zr, eave, ridge, true);
    addGableX(f, plaster, x0, zf, zb, zr, eave, ridge, false);
    addGableRoof(f, {tiles, darkWood, tileEnds}, x0 - 0.35, x1 + 0.35, zf + 0.6, zb - 0.6, zr,
                 eave - 0.3, ridge + 0.05, 1.6);
    addPicture(f, blueDoor, -3.5, -1.9, 0, 2.3, zf);
    addPicture(f, shutters, -8.4, -7, 1.0, 2.4, zf);
    addPicture(f, shutters, -0.6, 0.8, 1.0, 2.4, zf);
    addPictureX(f, shutters, 0.3, -1.1, 1.0, 2.4, x1);
    addBlock(f, {-3.8, 0, zf}, {-1.6, 0.16, zf + 0.55}, {masonry, masonry, masonry, stepStone}, 1);
    addBlock(f, {-6.3, 4.2, -2.6}, {-5.6, 6.5, -1.9}, skinAll(brick), 0.9);
    return f;
}

// A stone step 1.6 wide and 0.6 deep whose tread lies 0.4 above its placing point; its
// masonry reaches `below` under that point, down into the ground.
void addStep(Faces& f, double below) {
    addBlock(f, {-0.8, -below, -0.3}, {0.8, 0.4, 0.3}, {masonry, 0, masonry, stepStone}, 1.6);
}

// 3: a step of the lower flight (five of them climb from the courtyard).
Faces lowerStep() {
    Faces f;
    addStep(f, 2.0);
    return f;
}

// 4: a step of the upper flight and landing, between two low parapets.
Faces upperStep() {
    Faces f;
    addStep(f, 4.0);
    for (double x : {-1.0, 0.8})
        addBlock(f, {x, -4.0, -0.3}, {x + 0.2, 0.95, 0.3}, {masonry, 0, masonry, stepStone}, 1.6);
    return f;
}

// 5: twenty metres of the retaining wall that holds the street above the courtyard, with
// its coping and the cobbled street on top, 4 up. Placed with its face at z -7.9.
Faces retainingWall() {
    Faces f;
    addTiledRect(f, masonry, {-10, 0, 0}, {20, 0, 0}, {0, 3.8, 0}, 2);
    addBlock(f, {-10, 3.8, -0.2}, {10, 4.0, 0.12}, {stepStone, 0, 0, stepStone}, 1.2);
    addGround(f, cobbles, -10, -26, 10, -0.2, 4.0, 5, 2.2);
    return f;
}

// 6 and 8: a house on the street or in the courtyard: a plastered body whose whole front is
// `front`, with gables at the ends and the back pitch of its roof; the front pitch is the
// tilted model 18, placed on the front eave.
Faces streetHouse(int front, int ends) {
    Faces f;
    const double w = 4, eave = 3.4, zr = pitchEaveOverhang - pitchReach;
    const double depth = -2 * zr, roofEave = eave - pitchDrop, top = roofEave + pitchRise;
    addRect(f, front, {-w, 0, 0}, {2 * w, 0, 0}, {0, eave, 0});
    addRect(f, ends, {w, 0, 0}, {0, 0, -depth}, {0, eave, 0}, {0, 0, depth / 2.6, 1});
    addRect(f, ends, {-w, 0, -depth}, {0, 0, depth}, {0, eave, 0}, {0, 0, depth / 2.6, 1});
    addRect(f, plaster, {w, 0, -depth}, {-2 * w, 0, 0}, {0, eave, 0}, {0, 0, 2 * w / 2.6, 1});
    addGableX(f, plaster, w, 0, -depth, zr, eave, top, true);
    addGableX(f, plaster, -w, 0, -depth, zr, eave, top, false);
    addTiledRect(f, tiles, {w + 0.4, roofEave, -depth - pitchEaveOverhang}, {-2 * w - 0.8, 0, 0},
                 {0, pitchRise, zr + depth + pitchEaveOverhang}, 1.6);
    addPictureX(f, grille, -1.6, -3.2, 1.2, 2.5, w);
    return f;
}

// 7: the little chapel on the street: the painted front with its bell tower, cut along its
// outline, and the nave behind it under a tiled roof whose ridge runs back from the front.
Faces chapel(const std::string& pictures) {
    Faces f;
    const double w = 2.1, nave = 4.4, ridge = 5.8, len = 6.5;
    addSilhouette(f, chapelFront, -w, w, 0, 2 * w * 2, 0, skyline(pictures + "/Cenario021.jpg", 32),
                  0.6);
    addBlock(f, {-w + 0.25, 0, -len}, {w - 0.25, nave, -0.02}, {0, plaster, plaster, 0}, 2.4);
    for (int s : {-1, 1}) {
        Vec3 eaveFront{s * (w + 0.05), nave - 0.15, -0.03}, ridgeFront{0, ridge, -0.03};
        Vec3 along{0, 0, -len - 0.3};
        addQuad(f, tiles, eaveFront, eaveFront + along, ridgeFront + along, ridgeFront,
                {0, 0, (len + 0.3) / 1.6, 2}, {s * 1.0, 1.5, 0});
    }
    addGable(f, plaster, -w + 0.25, w - 0.25, 0, nave, ridge - 0.1, -len, false, 2.4);
    addBlock(f, {-1.2, 0, 0}, {1.2, 0.2, 0.6}, {stepStone, 0, stepStone, stepStone}, 1.2);
    return f;
}

// 18: the front pitch of a street house's roof, lying flat here; the game tilts it 34
// degrees about x so that it climbs from its eave back to the ridge.
Faces housePitch() {
    Faces f;
    addFlatPitch(f, {tiles, darkWood, tileEnds}, -4.4, 4.4, pitchDepth, 1.6);
    return f;
}

// 19: a small pitch over a door, tilted by the game like model 18.
Faces doorAwning() {
    Faces f;
    addFlatPitch(f, {tiles, darkWood, tileEnds}, -1.6, 1.6, 1.9, 1.6);
    addBlock(f, {-1.6, -0.2, -1.9}, {1.6, -0.12, -1.7}, skinAll(darkWood), 1);
    return f;
}

// 22: the hills round the village, far behind everything: three copies of the wide
// picture, the middle one mirrored, cut along the ridge so that the sky shows above, over a band of
// its fields.
Faces hills(const std::string& pictures) {
    Faces f;
    const std::vector<double> ridge = skyline(pictures + "/Cenario020.jpg", 40);
    for (int i = 0; i < 3; ++i)
        addSilhouette(f, hillsPicture, -48 + 32 * i, -16 + 32 * i, 5, 17, 0, ridge, 0.62, i % 2);
    addBackdrop(f, hillsPicture, -48, 48, -4, 5, 0, 3, 0, 0.04);
    return f;
}

// 23: a row of small houses further up the street, seen over the street's first houses.
Faces farRow() {
    Faces f;
    struct Far {
        double x0, x1, eave, ridge;
    };
    const Far row[] = {
        {-12, -7, 3.2, 4.8}, {-6.6, -0.8, 3.8, 5.6}, {-0.4, 4.2, 3.0, 4.4}, {4.6, 10.6, 3.6, 5.4}};
    for (const Far& h : row) {
        addRect(f, houseFront, {h.x0, 0, 0}, {h.x1 - h.x0, 0, 0}, {0, h.eave, 0});
        addRect(f, plaster, {h.x1, 0, 0}, {0, 0, -4}, {0, h.eave, 0}, {0, 0, 1.5, 1});
        addRect(f, plaster, {h.x0, 0, -4}, {0, 0, 4}, {0, h.eave, 0}, {0, 0, 1.5, 1});
        addGableRoof(f, {tiles, 0, tileEnds}, h.x0 - 0.2, h.x1 + 0.2, 0.5, -4.5, -2, h.eave,
                     h.ridge, 1.6);
        addGableX(f, plaster, h.x1, 0, -4, -2, h.eave, h.ridge, true);
        addGableX(f, plaster, h.x0, 0, -4, -2, h.eave, h.ridge, false);
    }
    return f;
}

// 24: the whitewashed wall closing the courtyard on the right, its gate and the festa
// bunting painted along its top.
Faces rightWall() {
    Faces f;
    addBlock(f, {-4, 0, -0.2}, {4, 2.6, 0.2}, {plasterBand, plaster, plaster, 0}, 2.6);
    addBlock(f, {-4.1, 2.6, -0.26}, {4.1, 2.78, 0.26}, skinAll(brick), 0.9);
    addPicture(f, blueDoor, -0.9, 0.9, 0, 2.2, 0.2);
    addPicture(f, bunting, -4, -1.1, 1.7, 2.55, 0.2);
    addPicture(f, bunting, 1.1, 4, 1.7, 2.55, 0.2);
    return f;
}

} // namespace

std::vector<Faces> villageModels(const std::string& pictures) {
    std::vector<Faces> m(25);
    m[0] = courtyardGround();
    m[1] = leftHouse();
    m[2] = lowerStep();
    m[3] = upperStep();
    m[4] = retainingWall();
    m[5] = streetHouse(houseFront, plaster);
    m[6] = chapel(pictures);
    m[7] = streetHouse(shopFront, plasterBand);
    addVillageProps(m);
    m[17] = housePitch();
    m[18] = doorAwning();
    m[21] = hills(pictures);
    m[22] = farRow();
    m[23] = rightWall();
    return m;
}
