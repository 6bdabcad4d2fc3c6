#pragma once
// The main menu's picture (postcard.jpg) and the start-up logo (logo.png).

#include "image.h"

namespace mkmedia {

Image PostcardPicture();
Image LogoPicture();

}  // namespace mkmedia
