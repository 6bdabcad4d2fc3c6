#pragma once
// The game's icon: a treasure chest with the glowing ball set in its lock.

#include "image.h"

namespace mkmedia {

Image ChestIcon(int size);

}  // namespace mkmedia
