#include "app/save_notice.h"

#include <algorithm>

#include "platform/render/builtin_font.h"
#include "platform/render/graphics.h"
#include "services/save_report.h"

using namespace platform;

namespace {

constexpr float Top = 10, Padding = 6, LineHeight = 18;

// The built-in font draws only the codes 32-127 and passes over the rest.
float TextWidth(const std::string& text) {
  const auto drawn = std::count_if(text.begin(), text.end(), [](unsigned char c) {
    return c >= kFirstGlyphCode && c <= kLastGlyphCode;
  });
  return static_cast<float>(drawn * kGlyphWidth);
}

}  // namespace

bool SaveNotice::Update() {
  const std::vector<std::string> reported = TakeSaveNotices();
  if (!reported.empty()) {
    if (!Visible()) lines_.clear();
    for (const std::string& line : reported) {
      std::erase(lines_, line);
      lines_.push_back(line);
    }
    if (lines_.size() > MostLines) lines_.erase(lines_.begin(), lines_.end() - MostLines);
    stepsLeft_ = ShownSteps;
    return true;
  }
  if (stepsLeft_ > 0) stepsLeft_ -= 1;
  return false;
}

void SaveNotice::Draw() const {
  if (!Visible()) return;
  float width = 0;
  for (const std::string& line : lines_) width = std::max(width, TextWidth(line));
  const float height = LineHeight * static_cast<float>(lines_.size());
  const float left = std::max(0.0f, (static_cast<float>(GraphicsWidth()) - width) / 2);
  const float fade = std::min(1.0f, static_cast<float>(stepsLeft_) / FadeSteps);

  SetOrigin(0, 0);
  SetScale(1, 1);
  SetRotation(0);
  SetBlend(AlphaBlend);
  SetColor(0, 0, 0);
  SetAlpha(0.8f * fade);
  DrawRect(left - Padding, Top - Padding, width + 2 * Padding, height + 2 * Padding - (LineHeight - kGlyphHeight));
  SetColor(255, 224, 128);
  SetAlpha(fade);
  for (size_t i = 0; i < lines_.size(); ++i) DrawText(lines_[i], left, Top + LineHeight * static_cast<float>(i));
  SetColor(255, 255, 255);
  SetAlpha(1);
}
