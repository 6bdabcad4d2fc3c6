#pragma once
#include <string>

#include "image.h"

namespace mkmedia {

// Writes the picture's colour (alpha is ignored) as a baseline JPEG.
// Throws std::runtime_error naming the file when it cannot be written.
void WriteJpeg(const Image& image, const std::string& path, int quality = 92);

}  // namespace mkmedia
