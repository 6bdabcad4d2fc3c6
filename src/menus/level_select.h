#pragma once
// Every level reached so far (solved, skipped or the current one) on a grid
// of plates with its best against its par, a star when it was solved at par.
// Arrows, the pad or the pointer choose a level; Enter, Space or a click plays
// it, Escape goes back to the main menu. Choosing the journey's current level
// plays on with the journey; any other level is played again on its own,
// leaving the journey where it is.

#include <array>
#include <memory>

#include "menus/menu_screen.h"
#include "services/level_numbers.h"

class LevelSelect : public MenuScreen {
 public:
  static constexpr int Columns = 9;
  static constexpr int LevelCount = levels::Last + 1;
  static constexpr int ScreenId = 6;

  using MenuScreen::MenuScreen;

  static std::shared_ptr<LevelSelect> Create(MenuHost& host);

  // Opens on `level` when it has been reached, else on the journey's current level.
  void ShowAt(int level);
  void Setup() override;
  void HandleInput() override;
  void Activate(bool byMouse) override;
  void Cancel() override;
  // Levels not reached yet cannot be chosen: the choice stays where it was.
  void Select(int index) override;
  void DrawExtra() override;

  // The centre of a level's plate on the screen.
  static int PlateX(int level) { return 80 + 80 * (level % Columns); }
  static int PlateY(int level) { return 106 + 50 * (level / Columns); }

 private:
  bool Reached(int level) const;
  // Its least moves, worked out from its file the first time it is asked for.
  int ParOf(int level);
  void DrawPlate(int level);
  void DrawDetails();

  std::array<int, LevelCount> par_{};
  std::array<bool, LevelCount> parKnown_{};
  platform::TImage plates_, figures_, star_;
};
