// Any bytes as a model file: the reader must never crash or read past its data.
#include <cstddef>
#include <cstdint>
#include <string>

#include "assets/model_files.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    headlessForFuzzing();
    readModelText(size % 2 ? ModelFamily::Part : ModelFamily::Arena, 1,
                  std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
