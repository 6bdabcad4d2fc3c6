#pragma once
// The page that closes the journey, in the look of the hint pages: the closing
// words from the media folder and the player's counts of levels solved and
// skipped, written in the page's own figures. Any key or click closes it once
// it has faded in.

#include <array>
#include <memory>

#include "menus/popup_screen.h"

class ClosingPage : public PopupScreen {
 public:
  using PopupScreen::PopupScreen;

  int solvedCount = 0;
  int skippedCount = 0;
  platform::TImage figures;  // ten cells, 0-9

  // The columns of a figure's cell that hold ink, from `left` to before `right`:
  // figures are set by their ink, so that a narrow 1 sits as close to its
  // neighbours as an 8 does.
  struct Ink {
    int left = 0, right = 0;
  };
  std::array<Ink, 10> figureInk{};

  static std::shared_ptr<ClosingPage> Create(MenuHost& host, int solved, int skipped);
  void Setup() override;
  void Activate(bool byMouse) override;
  void Draw(bool overlay = false) override;

 private:
  void MeasureFigures();
  void DrawCount(int count, int baseline);
};
