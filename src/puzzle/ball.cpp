#include "puzzle/ball.h"

#include "puzzle/board.h"

std::shared_ptr<ballType> ballType::Create() {
  auto ball = std::make_shared<ballType>();
  ball->arrowUp = platform::LoadImage("media\\hover_up.png");
  ball->arrowDown = platform::LoadImage("media\\hover_down.png");
  ball->arrowLeft = platform::LoadImage("media\\hover_left.png");
  ball->arrowRight = platform::LoadImage("media\\hover_right.png");
  return ball;
}

void ballType::SetPosition(int x, int y) {
  cellX = x;
  cellY = y;
  subX = 0;
  subY = 0;
  direction = direction::None;
}

int ballType::IsResting() const { return direction == direction::None ? 1 : 0; }

// A sub-step is a third of a cell, truncated toward zero: 10 and 21 pixels.
int ballType::PixelX() const { return cellX * board::CellSize + (subX * board::CellSize) / 3; }

int ballType::PixelY() const { return cellY * board::CellSize + (subY * board::CellSize) / 3; }
