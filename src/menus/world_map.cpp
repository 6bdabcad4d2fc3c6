#include "menus/world_map.h"

#include "puzzle/particles.h"

std::shared_ptr<WorldMap> worldMap;

std::shared_ptr<WorldMap> WorldMap::Create() {
  auto map = std::make_shared<WorldMap>();
  map->screenId = 9;
  map->state = 0;
  map->fade = 0;
  map->playOpenSound = 0;
  return map;
}

void WorldMap::Show() {
  MenuScreen::Show();
  particles = std::make_shared<particleNodeType>();
}
