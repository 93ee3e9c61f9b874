#include <cstdio>
#include <cstdlib>

#include "generators.h"
#include "glyphs.h"
#include "writers.h"

std::string pictureName(const std::string& set, int number, int digits, const std::string& ext) {
    std::string n = std::to_string(number);
    while (static_cast<int>(n.size()) < digits) n = "0" + n;
    return set + n + ext;
}

void savePicture(const Outputs& out, const std::string& name, const Image& img) {
    const std::string stem = name.substr(0, name.find('.'));
    const std::string ext = name.substr(name.find('.'));
    bool ok = ext == ".tga" ? writeTga(out.pictures + "/" + name, img)
              : ext == ".jpg" ? writeJpeg(out.pictures + "/" + name, img)
                              : false;
    ok = ok && writePng(out.previews + "/" + stem + ".png", img);
    if (!ok) {
        std::fprintf(stderr, "assetgen: cannot write the picture %s\n", name.c_str());
        std::exit(1);
    }
}

Image standInPicture(int width, int height, const std::string& label, Rgba tint) {
    Image img(width, height, tint);
    fillSdf(img,
            [&](float x, float y) {
                return sdRoundBox(x, y, width / 2.0f, height / 2.0f, width / 2.0f - 1,
                                  height / 2.0f - 1, 3) * -1.0f - 2.0f;
            },
            rgb(255, 255, 255, 160));
    FontFace font(fontPath("DejaVuSans-Bold.ttf"), std::max(8, std::min(height / 4, 24)));
    int w = font.textWidth(label);
    drawText(img, font, (width - w) / 2, height / 2 + font.ascent() / 2, label,
             rgb(255, 255, 255));
    return img;
}
