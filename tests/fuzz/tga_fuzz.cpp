// Any bytes as a TGA picture; a decoded picture is also turned into a texture.
#include <cstddef>
#include <cstdint>

#include "assets/textures.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    headlessForFuzzing();
    DecodedPicture pic;
    if (decodeTga(data, size, pic) == 0) {
        const std::size_t bytes = static_cast<std::size_t>(pic.width) * pic.height * (pic.rgba ? 4 : 3);
        if (pic.pixels.size() != bytes) __builtin_trap();
        createTexture(pic.width, pic.height, pic.rgba, pic.pixels);
    }
    return 0;
}
