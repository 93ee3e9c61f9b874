#include "render/text.h"

void drawText(std::string_view, std::string_view, std::string_view, f64, f64, f64, f64, f64, Rgb,
              u8, f64) {}
