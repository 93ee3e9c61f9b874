// Any bytes as a pose file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "assets/pose_files.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    headlessForFuzzing();
    readPoseText(7, std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
