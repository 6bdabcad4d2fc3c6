#include "styles.h"

namespace mkmedia {

const std::array<StyleMaker, kStyleCount>& AllStyles() {
  static const std::array<StyleMaker, kStyleCount> styles = {
      MeadowStyle, ShoreStyle,  CourtyardStyle, ForestStyle,  IceStyle,       TempleStyle,
      ReefStyle,   VolcanoStyle, JadeStyle,     NightStyle,   LibraryStyle,   ClockworkStyle,
      SnowStyle,   PorcelainStyle, CircuitStyle, CathedralStyle, TreasuryStyle};
  return styles;
}
}  // namespace mkmedia
