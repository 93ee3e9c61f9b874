// The arenas' colours, shared by their pictures so that the surfaces, the fronts and the
// landscapes agree.
#pragma once

#include "pictures_effects_kit.h"

namespace scenery::palette {

// The courtyard: limewash, colonial blue, shutter green, cream frames, terracotta.
inline constexpr kit::Colour kWhitewash = kit::hex(0xF6F2E8);
inline constexpr kit::Colour kColonialBlue = kit::hex(0x2F6DB5);
inline constexpr kit::Colour kShutterGreen = kit::hex(0x2E8A5A);
inline constexpr kit::Colour kFrameCream = kit::hex(0xEAD6A8);
inline constexpr kit::Colour kVillageStone = kit::hex(0xC8BEAC);
inline constexpr kit::Colour kTiles = kit::hex(0xC86A3C);
inline constexpr kit::Colour kWood = kit::hex(0xA87A4E);

// The farmhouse: yellowed plaster, brown shutters, white frames, mossy tiles.
inline constexpr kit::Colour kOldPlaster = kit::hex(0xEEDCAC);
inline constexpr kit::Colour kShutterBrown = kit::hex(0x7A4A2C);
inline constexpr kit::Colour kFrameWhite = kit::hex(0xF4EEE0);
inline constexpr kit::Colour kMossyTiles = kit::hex(0xB05E3A);
inline constexpr kit::Colour kFarmStone = kit::hex(0xB8AE9C);

// The villagers' skin tones and the straw of their hats.
inline constexpr kit::Colour kSkinTan = kit::hex(0xB87A50);
inline constexpr kit::Colour kSkinBrown = kit::hex(0x8A5634);
inline constexpr kit::Colour kSkinLight = kit::hex(0xD8A47C);
inline constexpr kit::Colour kStraw = kit::hex(0xE8C878);

// The plain sky the backdrops leave above their skyline.
inline constexpr kit::Colour kBackdropSky = kit::hex(0xFCFCFA);

} // namespace scenery::palette
