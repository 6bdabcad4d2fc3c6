#include "app/hint_sign.h"

#include <algorithm>
#include <cmath>

#include "puzzle/ball.h"
#include "puzzle/level_state.h"

using namespace platform;

namespace {

// Where the board's cell 0 lies on screen, as the play frame draws it.
constexpr float BoardX = 79, BoardY = 77;
// The centre of the board, where the note stands.
constexpr float NoteX = 383, NoteY = 285;
constexpr int FadeSteps = 20;

}  // namespace

void HintSign::ShowMove(int direction) {
  direction_ = direction;
  steps_ = ShownSteps;
  shown_ = 0;
}

void HintSign::ShowNoWay() {
  direction_ = 0;
  steps_ = NoteSteps;
  shown_ = 0;
}

void HintSign::Update(const LevelState& level) {
  if (steps_ == 0) return;
  const auto& map = level.CurrentMap;
  if (direction_ != 0 && (!map || !map->ball || !map->ball->IsResting())) steps_ = 0;
  if (steps_ == 0) return;
  steps_ -= 1;
  shown_ += 1;
}

void HintSign::Draw(const LevelState& level) {
  if (steps_ == 0) return;
  const float alpha = std::min({1.0f, static_cast<float>(steps_) / FadeSteps, static_cast<float>(shown_ + 1) / 6});
  SetBlend(AlphaBlend);
  SetAlpha(alpha);
  if (direction_ == 0) {
    if (!noteRead_) note_ = LoadImage("media\\noWayOut.png", -1);
    noteRead_ = true;
    DrawImage(note_, NoteX, NoteY, 0);
    SetAlpha(1);
    return;
  }
  const auto& map = level.CurrentMap;
  if (!map || !map->ball) return;
  const ballType& ball = *map->ball;
  // The arrow nudges out from the ball twice a second, the way to go.
  const float nudge = 6 * std::fabs(std::sin(static_cast<float>(shown_) * 0.1f));
  const int dx = direction_ == direction::Right ? 1 : direction_ == direction::Left ? -1 : 0;
  const int dy = direction_ == direction::Down ? 1 : direction_ == direction::Up ? -1 : 0;
  const float x = BoardX + static_cast<float>(ball.PixelX() + map->OffsetX()) + dx * nudge;
  const float y = BoardY + static_cast<float>(ball.PixelY() + map->OffsetY()) + dy * nudge;
  SetBlend(LightBlend);
  SetScale(1.3f, 1.3f);
  switch (direction_) {
    case direction::Up: DrawImage(ball.arrowUp, x, y, 0); break;
    case direction::Down: DrawImage(ball.arrowDown, x, y, 0); break;
    case direction::Left: DrawImage(ball.arrowLeft, x, y, 0); break;
    default: DrawImage(ball.arrowRight, x, y, 0); break;
  }
  SetScale(1, 1);
  SetAlpha(1);
  SetBlend(AlphaBlend);
}
