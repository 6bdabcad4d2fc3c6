#include "app/in_game_buttons.h"

#include "app/in_game_input.h"
#include "app/token_column.h"
#include "menus/mouse_button.h"
#include "platform/render/graphics.h"
#include "puzzle/ball.h"
#include "puzzle/level_state.h"
#include "puzzle/map.h"
#include "services/level_numbers.h"
#include "services/resources.h"

using namespace platform;

namespace {

// Direction from the ball toward the pointer's cell by the larger distance;
// a tie goes to the vertical direction.
int DirectionToward(int dx, int dy) {
  if (dx >= 0 && dy <= 0) return dx > -dy ? 2 : 1;
  if (dx < 0 && dy <= 0) return -dx > -dy ? 4 : 1;
  if (dx < 0 && dy > 0) return -dx > dy ? 4 : 3;
  return dx > dy ? 2 : 3;
}

constexpr int SkipButton = 2;
// The sunken face of the frame's Skip plate, and how far it is darkened.
constexpr CoverRect SkipFace{592, 532, 108, 55};
constexpr float SkipDimming = 0.6f;

}  // namespace

std::shared_ptr<InGameButtons> InGameButtons::Create(const Progress& progress) {
  auto panel = std::make_shared<InGameButtons>();
  panel->tokenColumn = TokenColumn::Create(progress);
  // The glows are placed by their top-left corners.
  AutoMidHandle(false);
  const TImage menu = LoadImage("media\\hover_menu.png", -1);
  const TImage restart = LoadImage("media\\hover_restart.png", -1);
  const TImage skip = LoadImage("media\\hover_skip.png", -1);
  AutoMidHandle(true);
  panel->buttonCount = kButtonCount;
  panel->buttons = {MouseButton::Create(60, 208, 525, 590, 58, 527, menu),
                    MouseButton::Create(336, 527, 525, 599, 337, 529, restart),
                    MouseButton::Create(584, 707, 523, 594, 584, 526, skip)};
  panel->indexBase = 0;
  return panel;
}

void InGameButtons::Update(LevelState& level, const InputState& input) {
  const std::shared_ptr<mapType>& map = level.CurrentMap;
  if (map && map->ball) map->ball->hoverDirection = 0;
  skipAvailable = !map || map->number < levels::Last;
  for (const auto& button : buttons) {
    button->Update();
    button->TrackMouse(input.pointerX, input.pointerY);
  }
  UpdateHoverArrow(level, input);
}

void InGameButtons::UpdateHoverArrow(LevelState& level, const InputState& input) {
  const std::shared_ptr<mapType>& map = level.CurrentMap;
  if (!map || !map->ball) return;
  const int column = input.PointerCellX();
  const int row = input.PointerCellY();
  const int dx = column - map->ball->cellX;
  const int dy = row - map->ball->cellY;
  if (input.IsMouseIdle() || column < 0 || column > 19 || row < 0 || row > 13 || (dx == 0 && dy == 0)) return;
  map->ball->hoverDirection = DirectionToward(dx, dy);
}

void InGameButtons::Draw() {
  DrawImage(borderImage, 0, 0, 0);
  tokenColumn->Draw();
  SetAlpha(1.0f);
  SetBlend(LightBlend);
  for (int i = 0; i < buttonCount; ++i) {
    if (i != SkipButton || skipAvailable) buttons[i]->Draw();
  }
  SetAlpha(1.0f);
  SetBlend(AlphaBlend);
  if (!skipAvailable) {
    SetColor(0, 0, 0);
    SetAlpha(SkipDimming);
    DrawRect(SkipFace.x, SkipFace.y, SkipFace.width, SkipFace.height);
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
  }
}

int InGameButtons::ButtonAt(int x, int y, const LevelState& level) const {
  for (int i = 0; i < buttonCount; ++i) {
    if (buttons[i]->Contains(x, y)) return i + indexBase;
  }
  const std::shared_ptr<mapType>& map = level.CurrentMap;
  if (map && map->TileKind(InputState::CellX(x), InputState::CellY(y)) != -2) return 8;
  return -1;
}
