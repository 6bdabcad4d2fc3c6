#include "app/in_game_buttons.h"

#include "app/token_column.h"

std::shared_ptr<InGameButtons> inGameButtons;

std::shared_ptr<InGameButtons> InGameButtons::Create() {
  auto panel = std::make_shared<InGameButtons>();
  panel->tokenColumn = TokenColumn::Create();
  return panel;
}
