// The village courtyard, "PRIMEIRO PÁTIO DA VILA": the courtyard floor, the long house on
// the left, the stair up to the street on the terrace behind the retaining wall, the
// well, the cart and the shop below, the street houses and the chapel above, the hills far
// behind. Cut-outs stand from the back to the front so that nearer ones blend over farther.
#include "render/arena_layout_tables.h"
#include "render/arena_layouts.h"

namespace {

// The street on the terrace lies 4 up; a house's roof pitch (18) sits 3.1 above its foot
// and 0.45 before its front, a door awning (19) 2.3 up and 1.575 before its wall.
constexpr f64 street = 4.0;

constexpr PropPlace props[] = {
    {1, -0.5, 0, 0, 0},                 // the courtyard ground
    {2, -11, 0, -3, 0},                 // the long house on the left
    {3, -5.85, 0, -0.4, 0},             // the lower flight of the stair
    {3, -5.85, 0.4, -1.0, 0},           //
    {3, -5.85, 0.8, -1.6, 0},           //
    {3, -5.85, 1.2, -2.2, 0},           //
    {3, -5.85, 1.6, -2.8, 0},           //
    {4, -5.85, 2.0, -3.4, 0},           // the upper flight
    {4, -5.85, 2.4, -4.0, 0},           //
    {4, -5.85, 2.8, -4.6, 0},           //
    {4, -5.85, 3.2, -5.2, 0},           //
    {4, -5.85, 3.6, -5.8, 0},           // the landing
    {4, -5.85, 3.6, -6.4, 0},           //
    {4, -5.85, 3.6, -7.0, 0},           //
    {4, -5.85, 3.6, -7.6, 0},           //
    {5, -30, 0, -7.9, 0},               // the retaining wall and the street
    {5, -10, 0, -7.9, 0},               //
    {5, 10, 0, -7.9, 0},                //
    {5, 30, 0, -7.9, 0},                //
    {22, -2, 0, -34, 0},                // the hills
    {23, -2, street, -22, 0},           // houses further up the street
    {6, -14, street, -11, 0},           // a street house and its roof
    {18, -14, street + 3.1, -10.55, 0}, //
    {6, 7, street, -11.5, 0},           // another
    {18, 7, street + 3.1, -11.05, 0},   //
    {7, -2, street, -15.5, 0},          // the chapel
    {21, 12.6, street, -11, 0},         // a shade tree
    {17, -8.7, street, -9.6, 0},        // a hedge
    {16, -12, street, -8.25, 0},        // fences along the street's edge
    {16, 1.5, street, -8.25, 0},        //
    {16, 5.6, street, -8.25, 0},        //
    {8, 11, 0, -2.5, 0},                // the shop, its roof, awning and posts
    {18, 11, 3.1, -2.05, 0},            //
    {19, 11, 2.3, -0.925, 0},           //
    {20, 11, 0, -1.03, 0},              //
    {19, -13.7, 2.3, 0.975, 0},         // the awning over the long house's door
    {20, -13.7, 0, 0.87, 0},            //
    {24, 19.05, 0, -4.5, 0},            // the wall closing the courtyard on the right
    {14, 1.6, 0, -7.45, 0},             // the niche with the pots
    {15, 4.0, 0, -7.0, -8},             // the sign
    {12, -7.9, 0, -6.6, 10},            // hay bales
    {12, -2.8, 0, -7.2, -4},            //
    {9, -1.2, 0, -5.0, 0},              // the well
    {10, 2.2, 0, -2.8, -10},            // the hay cart
    {25, -3.3, 0, -2.4, 6},             // the stall
    {13, 7.9, 0, -1.9, 0},              // sacks by the shop
    {11, -10.9, 0, -0.3, 0},            // the bench under the window
};

constexpr CutOutPlace cutOuts[] = {
    {2, "-", false, -20.5, street, -12.5, 2.1, 8.5, 0}, // palms on the street
    {2, "I", false, 17, street, -13.5, 1.95, 7.8, 0},   //
    {7, "-", false, -4.3, street, -8.6, 0.9, 1.8, 0},   // children watching from above
    {4, "-", false, -16.6, street, -8.35, 2.6, 1.3, 0}, // a fence along the street's edge
    {3, "I", true, -8.5, 0, -7.4, 1.4, 1.4, 0},         // bushes at the wall's foot
    {3, "-", true, 6.2, 0, -7.5, 1.4, 1.4, 0},          //
    {11, "-", true, -4.3, 0, -7.3, 0.5, 4.0, 0},        // the street lamp
    {6, "-", true, 0.2, 0, -5.6, 0.45, 1.8, 0},         // a woman by the well
    {10, "I", true, 6.3, 0, -2.0, 0.8, 1.6, 0},         // the donkey
    {5, "-", true, -12, 0, 0.25, 0.5, 2.0, 0},          // the old man by his door
    {12, "-", true, -9.1, 0, -0.2, 0.475, 0.95, 0},     // a potted plant
    {8, "I", true, 8.6, 0, 0.2, 0.425, 0.85, 0},        // the dog
    {1, "I", true, 13.6, 0, 0.8, 3.2, 6.4, 0},          // mango trees
    {1, "-", true, -6.03, 0, 1.0, 2.9, 5.8, 0},         //
    {9, "-", true, -3.0, 0, 1.8, 0.275, 0.55, 0},       // a hen in the courtyard
};

} // namespace

void layoutArena1() {
    placeLayout(props, cutOuts, {});
}
