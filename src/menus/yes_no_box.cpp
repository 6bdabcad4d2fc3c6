#include "menus/yes_no_box.h"

#include "menus/widget_images.h"

std::shared_ptr<YesNoBox> YesNoBox::Create(int x, int y, int width, int height, int offsetX, int offsetY,
                                           int value) {
  LoadYesNoImage();
  auto box = std::make_shared<YesNoBox>();
  box->x = x;
  box->y = y;
  box->width = width;
  box->height = height;
  box->kind = 1;
  box->offsetX = offsetX;
  box->offsetY = offsetY;
  box->value = value;
  return box;
}

void YesNoBox::Draw(int screenX, int screenY) {
  platform::DrawImage(yesNoImage, static_cast<float>(x + offsetX + screenX), static_cast<float>(y + offsetY + screenY),
                      value);
}

void YesNoBox::SetValue(double v) { value = static_cast<int>(v); }
