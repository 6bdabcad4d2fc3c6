#include "puzzle/flash.h"

#include "platform/render/graphics.h"

namespace {

// Enough to mark the restart; too little for a full-screen change of light.
constexpr float DimStrength = 1.0f / 3.0f;

}  // namespace

std::shared_ptr<flashType> flashType::Create(float speed, float alpha, bool reduced) {
  auto flash = std::make_shared<flashType>();
  flash->mode = 2;
  flash->alpha = reduced ? alpha * DimStrength : alpha;
  flash->speed = speed;
  if (reduced) flash->red = flash->green = flash->blue = 0;
  return flash;
}

void flashType::Update() {
  if (mode == 1) {
    alpha += speed;
    if (alpha >= 1.0f) {
      alpha = 1.0f;
      mode = 2;
    }
  } else if (mode == 2) {
    alpha -= speed;
    if (!(alpha > 0.0f)) {
      alpha = 0.0f;
      mode = 0;
    }
  }
}

void flashType::Draw() {
  if (mode == 0) return;
  platform::SetAlpha(alpha);
  platform::SetColor(red, green, blue);
  platform::DrawRect(0, 0, 800, 600);
  platform::SetAlpha(1.0f);
  platform::SetColor(255, 255, 255);
}
