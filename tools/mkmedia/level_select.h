#pragma once
// The level select's page, its level plates, the par star and the hint's note.

#include "image.h"

namespace mkmedia {

// levelSelect.png, 800 x 600: a parchment page with its heading and the keys.
Image LevelSelectPage();
// levelPlates.png: eight 72 x 44 cells, a plate for each of a level's states
// (not reached, reached, solved, skipped), then the same four lit as chosen.
Image LevelPlatesPicture();
// parStar.png, 16 x 16: a level solved at par, on plates and on the world map.
Image ParStarPicture();
// noWayOut.png, 520 x 40: the hint's answer when the exit cannot be reached.
Image NoWayOutPicture();

}  // namespace mkmedia
