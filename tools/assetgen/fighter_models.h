// The two fighters' body-part models (Personagem-001..032.cgo) and their pictures
// (Personagem001..032.jpg): what each number is, and the builders the makers share.
#pragma once

#include <array>
#include <string>

#include "fighter_models_kit.h"
#include "image.h"

// The "Personagem" pictures: 1..16 dress TORVEL, 17..32 SEU BRANDOLIM.
namespace pic {
enum : int {
    torvelSkin = 1,
    torvelHead,     // face in front (u = 0.5), dark hair behind, painted by height
    torvelHand,     // fist with knuckles and nails
    torvelPlaid,    // blue check shirting for the sleeves
    torvelTrousers, // brown twill with a patch
    straw,          // woven straw of the hat
    redBand,        // the hat band and the broom ties
    lightWood,      // slingshot and broom handle
    broomStraw,     // broom bristles
    rubberBand,     // slingshot rubber and pouch
    neckerchief,    // red with white dots
    sandalFoot,     // bare foot with sandal straps
    sandalSole,     // leather sole
    ropeBelt,       // braided rope belt
    trouserCuff,    // the lighter inside of rolled-up trousers
    torvelShirt,    // shirt front: check, placket, buttons, pocket
    brandolimSkin,  // weathered skin
    brandolimHead,  // face with white brows and stubble, grey hair behind
    brandolimHand,  // older fist
    khakiShirt,     // shirt front with pockets and suspenders
    khaki,          // plain khaki drill for the sleeves and collar
    brandolimTrousers,
    felt,        // brown felt of the hat
    leatherBand, // the hat band
    bootLeather, // tall boots
    gunSteel,    // blued steel
    gunWood,     // walnut stock
    newsFront,   // front page: masthead, headline, photo, columns
    newsBack,    // inside page: columns and small adverts
    whiteHair,   // moustache and brows
    leatherBelt, // belt with buckle
    bootSole,    // soles and heels
};
}

constexpr int fighterPartModels = 32;

// Models 1..32 (entry 0 unused), built in each part's joint frame.
std::array<Faces, fighterPartModels + 1> buildFighterModels();
// Pictures 1..32 (entry 0 unused).
std::array<Image, fighterPartModels + 1> paintFighterPictures();

// Looks at the models: figure sheets and close-ups as PNGs in the previews folder.
void writeFighterPreviews(const std::string& folder,
                          const std::array<Faces, fighterPartModels + 1>& models,
                          const std::array<Image, fighterPartModels + 1>& pictures);
