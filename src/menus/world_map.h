#pragma once
// The map of completed level groups shown after the fifth level of a group;
// holds so far its showing, with a fresh chain for the particles of its path.

#include <memory>

#include "menus/menu_screen.h"

struct particleNodeType;

class WorldMap : public MenuScreen {
 public:
  std::shared_ptr<particleNodeType> particles;

  static std::shared_ptr<WorldMap> Create();
  void Show() override;
};

extern std::shared_ptr<WorldMap> worldMap;
