// The farm of Seu Brandolim, "CASA DO SEU BRANDOLIM": the yard with its cart track, the
// barn on the left, the farmhouse and its porch in the middle, the oven, the coop and the
// shed on the right, the cane field, the pasture and the mountains behind. Cut-outs stand
// from the back to the front so that nearer ones blend over farther.
#include "render/arena_layout_tables.h"
#include "render/arena_layouts.h"

namespace {

// The porch floor lies 0.6 up.
constexpr f64 deck = 0.6;

constexpr PropPlace props[] = {
    {26, -2, 0, 1, 0},         // the yard
    {27, -11, 0, -5, 0},       // the barn
    {28, -11, 0, -5, 0},       // its roof
    {29, -1, 0, -5, 0},        // the farmhouse
    {30, -1, 0, -1, 0},        // its porch
    {36, -2, 0, -35.5, 0},     // the mountains
    {37, -2, 0, -28, 0},       // the pasture
    {38, -2, 0, -20, 0},       // the cane field
    {39, 11.5, 0, -14, 0},     // corn
    {31, 9, 0, -11.8, 0},      // fences behind the yard
    {31, 15, 0, -11.8, 0},     //
    {42, 12.5, 0, -9, 0},      // the shed
    {43, 15.2, 0, -5.2, 0},    // the water tank
    {41, 10.8, 0, -6.0, -8},   // the chicken coop
    {34, 8.2, 0, -3.2, -12},   // the bread oven
    {32, -6.6, deck, -3.0, 0}, // firewood on the porch
    {40, 3.4, deck, -2.2, 0},  // the porch table
    {33, -10.15, 0, -1, 0},    // the trough
    {44, -15.6, 0, -0.4, 0},   // the well
    {35, -13.4, 0, 0.7, 8},    // the farm's sign
};

constexpr CutOutPlace cutOuts[] = {
    {19, "-", true, -20, 0, -15, 1.85, 1.85, 0},       // cow
    {23, "-", false, 17.5, 0, -14, 2.3, 2.3, 0},       // clothesline
    {16, "-", false, -16, 0, -13, 2.6, 1.3, 0},        // barbed-wire fence
    {13, "-", true, -20.5, 0, -7, 3.9, 7.8, 0},        // jackfruit tree
    {14, "I", true, 6.9, 0, -5.6, 1.6, 3.2, 0},        // banana plants
    {14, "-", true, -8.75, 0, -3.4, 1.6, 3.2, 0},      //
    {24, "-", true, -16.2, 0, -2.4, 1.0, 2.0, 0},      // sunflowers
    {18, "-", true, -3.6, deck, -2.6, 0.775, 1.55, 0}, // old woman in her rocking chair
    {17, "I", true, 6.8, 0, -1.4, 0.5, 2.0, 0},        // farmhand
    {22, "-", false, 1.5, deck, -0.4, 0.25, 0.5, 0},   // cat on the porch
    {20, "I", true, 9.6, 0, -0.5, 0.95, 0.95, 0},      // pig
    {21, "-", true, -11.4, 0, 0.9, 0.34, 0.68, 0},     // rooster
};

constexpr FloorShadowPlace shadows[] = {
    {-10.15, 0, -1, 1.3, 0.5, 0},    // under the trough
    {8.2, 0, -3.2, 1.25, 1.05, -12}, // the bread oven
    {10.8, 0, -6.0, 1.5, 0.95, -8},  // the chicken coop
    {-1, 0, 0.35, 7.2, 0.45, 0},     // along the porch front
    {-15.6, 0, -0.4, 1.05, 1.0, 0},  // the well
    {3.4, deck, -2.4, 0.95, 0.9, 0}, // the porch table
    {-13.4, 0, 0.6, 1.4, 0.25, 8},   // the sign
};

} // namespace

void layoutArena2() {
    placeLayout(props, cutOuts, shadows);
}
