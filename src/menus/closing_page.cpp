#include "menus/closing_page.h"

#include <string>

using namespace platform;

namespace {

// Where the picture "media\ending.png" leaves room for the counts: the right
// edge of the numbers and the baselines of the two lines, in page pixels.
constexpr int kPageX = 64, kPageY = 64;
constexpr int kNumbersRight = 470;
constexpr int kSolvedBaseline = 262;
constexpr int kSkippedBaseline = 304;
// "media\pagefigures.png": cells of 20 x 40 with the baseline 30 pixels down.
constexpr int kFigureWidth = 20, kFigureHeight = 40, kFigureBaseline = 30;

}  // namespace

std::shared_ptr<ClosingPage> ClosingPage::Create(MenuHost& host, int solved, int skipped) {
  auto page = std::make_shared<ClosingPage>(host);
  // Laid out as a hint page: the words take the place of the button strip.
  page->Init(kPageX, kPageY, 1, -1, -1, 0, 0, 325, 402, 30, "blank.png", "thisIntentionallyFails.png", 1, "", 0, 0);
  AutoMidHandle(false);
  page->buttonStrip = LoadAnimImage("media\\ending.png", 640, 448, 0, 1, -1);
  page->figures = LoadAnimImage("media\\pagefigures.png", kFigureWidth, kFigureHeight, 0, 10, -1);
  AutoMidHandle(true);
  page->solvedCount = solved;
  page->skippedCount = skipped;
  page->Setup();
  return page;
}

void ClosingPage::Setup() {
  state = Hidden;
  fade = 0;
}

void ClosingPage::Activate(bool) { Close(); }

void ClosingPage::Draw(bool overlay) {
  PopupScreen::Draw(overlay);
  SetBlend(AlphaBlend);
  SetAlpha(Alpha());
  DrawCount(solvedCount, kSolvedBaseline);
  DrawCount(skippedCount, kSkippedBaseline);
  SetAlpha(1);
}

void ClosingPage::DrawCount(int count, int baseline) {
  const std::string digits = std::to_string(count < 0 ? 0 : count);
  float left = static_cast<float>(kPageX + kNumbersRight - kFigureWidth * static_cast<int>(digits.size()));
  const float top = static_cast<float>(kPageY + baseline - kFigureBaseline);
  for (char digit : digits) {
    DrawImage(figures, left, top, digit - '0');
    left += kFigureWidth;
  }
}
