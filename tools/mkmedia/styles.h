#pragma once
// The seventeen art styles, one per group of five levels, in level order.

#include <array>

#include "style_kit.h"

namespace mkmedia {

constexpr int kStyleCount = 17;

StyleArt MeadowStyle();      // 00 grass, pale mossy limestone boulders
StyleArt ShoreStyle();       // 01 rippled sand, dark sea rocks
StyleArt CourtyardStyle();   // 02 grey cobbles, red brick
StyleArt ForestStyle();      // 03 leaf litter, wooden planks and crates
StyleArt IceStyle();         // 04 cracked blue ice, faceted ice blocks
StyleArt TempleStyle();      // 05 sandstone slabs, carved glyph blocks
StyleArt ReefStyle();        // 06 deep water caustics, coral rock
StyleArt VolcanoStyle();     // 07 lava-veined basalt, basalt columns
StyleArt JadeStyle();        // 08 lacquer and gold clouds, carved jade
StyleArt NightStyle();       // 09 starfield and nebula, amethyst crystal
StyleArt LibraryStyle();     // 10 herringbone parquet, bookshelves
StyleArt ClockworkStyle();   // 11 tread plate, brass machinery
StyleArt SnowStyle();        // 12 dusk snowfield, snow-capped granite
StyleArt PorcelainStyle();   // 13 cobalt tiles, blue-and-white ceramic
StyleArt CircuitStyle();     // 14 circuit board, glowing chips
StyleArt CathedralStyle();   // 15 slate flagstones, stained glass
StyleArt TreasuryStyle();    // 16 blue velvet damask, gold and gems

using StyleMaker = StyleArt (*)();
const std::array<StyleMaker, kStyleCount>& AllStyles();

}  // namespace mkmedia
