#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

namespace mkmedia {

// Writes the picture as an 8-bit PNG (RGB when it is fully opaque, else RGBA).
// Throws std::runtime_error naming the file when it cannot be written.
void WritePng(const Image& image, const std::string& path);

// The same encoding into memory, for the icon's PNG entries.
std::vector<uint8_t> EncodePng(const Image& image);

}  // namespace mkmedia
