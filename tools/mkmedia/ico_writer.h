#pragma once
// Windows icon files with PNG-compressed entries (one per size).

#include <string>
#include <vector>

#include "image.h"

namespace mkmedia {

// Writes the pictures (square, 1 to 256 pixels) as the entries of one .ico,
// in the order given. Throws std::runtime_error when it cannot be written.
void WriteIco(const std::vector<Image>& pictures, const std::string& path);

}  // namespace mkmedia
