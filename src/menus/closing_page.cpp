#include "menus/closing_page.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "puzzle/board.h"

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
// Between the ink of two figures, as the typeface spaces them.
constexpr int kFigureGap = 2;
// A pixel this opaque counts as ink.
constexpr uint32_t kInkAlpha = 0x40;
// The board's place on the play screen, and the frame's darkest lacquer that
// covers it under the page.
constexpr int kBoardLeft = 63, kBoardTop = 61;
constexpr int kLacquerRed = 60, kLacquerGreen = 6, kLacquerBlue = 14;

}  // namespace

std::shared_ptr<ClosingPage> ClosingPage::Create(MenuHost& host, int solved, int skipped) {
  auto page = std::make_shared<ClosingPage>(host);
  // Laid out as a hint page: the words take the place of the button strip.
  page->Init(kPageX, kPageY, 1, -1, -1, 0, 0, 325, 402, 30, "blank.png", "thisIntentionallyFails.png", 1, "", 0, 0);
  AutoMidHandle(false);
  page->buttonStrip = LoadAnimImage("media\\ending.png", 640, 448, 0, 1, -1);
  page->figures = LoadAnimImage("media\\pagefigures.png", kFigureWidth, kFigureHeight, 0, 10, -1);
  AutoMidHandle(true);
  page->MeasureFigures();
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
  // The journey's board is done with: covered, no strip of it (nor of the
  // ball leaving by its exit) shows round the page's edges.
  SetBlend(AlphaBlend);
  SetAlpha(Alpha());
  SetColor(kLacquerRed, kLacquerGreen, kLacquerBlue);
  DrawRect(kBoardLeft, kBoardTop, board::Width * board::CellSize, board::Height * board::CellSize);
  SetColor(255, 255, 255);
  PopupScreen::Draw(overlay);
  SetBlend(AlphaBlend);
  SetAlpha(Alpha());
  DrawCount(solvedCount, kSolvedBaseline);
  DrawCount(skippedCount, kSkippedBaseline);
  SetAlpha(1);
}

void ClosingPage::MeasureFigures() {
  for (int digit = 0; digit < figures.Frames() && digit < static_cast<int>(figureInk.size()); ++digit) {
    const PixelBuffer& cell = FramePixels(figures->frames[digit]);
    Ink ink{cell.width, 0};
    for (int y = 0; y < cell.height; ++y) {
      for (int x = 0; x < cell.width; ++x) {
        if ((cell.pixels[static_cast<size_t>(y) * cell.width + x] >> 24) < kInkAlpha) continue;
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x + 1);
      }
    }
    // A cell without ink (a missing picture) keeps the whole cell.
    figureInk[digit] = ink.right > ink.left ? ink : Ink{0, kFigureWidth};
  }
}

// Right to left, so that the last figure's ink ends on the column's edge
// whatever the figures are.
void ClosingPage::DrawCount(int count, int baseline) {
  const std::string digits = std::to_string(count < 0 ? 0 : count);
  const float top = static_cast<float>(kPageY + baseline - kFigureBaseline);
  int inkRight = kPageX + kNumbersRight;
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
    const Ink& ink = figureInk[*digit - '0'];
    DrawImage(figures, static_cast<float>(inkRight - ink.right), top, *digit - '0');
    inkRight -= ink.right - ink.left + kFigureGap;
  }
}
