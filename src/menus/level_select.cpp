#include "menus/level_select.h"

#include <string>

#include "menus/figures.h"
#include "platform/host/input.h"
#include "platform/render/builtin_font.h"
#include "platform/render/graphics.h"
#include "puzzle/map.h"
#include "puzzle/shortest_way.h"
#include "services/level_records.h"
#include "services/progress.h"
#include "services/resources.h"

using namespace platform;

namespace {

constexpr int PlateWidth = 72, PlateHeight = 44;
constexpr int ChosenPlates = 4;  // the lit plates follow the four plain ones
constexpr int DetailsTop = 540;

// The plate of each level state (Progress::Locked, Solved, Skipped, Open).
int PlateOf(int state) {
  switch (state) {
    case Progress::Open: return 1;
    case Progress::Solved: return 2;
    case Progress::Skipped: return 3;
    default: return 0;
  }
}

}  // namespace

std::shared_ptr<LevelSelect> LevelSelect::Create(MenuHost& host) {
  auto screen = std::make_shared<LevelSelect>(host);
  // The plates are drawn by the screen itself: no strip of buttons.
  screen->Init(0, 0, 0, -1, -1, 0, 0, PlateWidth, PlateHeight, 0, "levelSelect.png", "", ScreenId, "", 0, 0);
  screen->buttons.clear();
  for (int level = 0; level < LevelCount; ++level) {
    auto plate = std::make_shared<menuButtonType>();
    plate->x = PlateX(level);
    plate->y = PlateY(level);
    plate->width = PlateWidth;
    plate->height = PlateHeight;
    screen->buttons.push_back(std::move(plate));
  }
  screen->buttonCount = LevelCount;
  screen->plates_ = LoadAnimImage("media\\levelPlates.png", PlateWidth, PlateHeight, 0, 2 * ChosenPlates, -1);
  screen->Setup();
  return screen;
}

void LevelSelect::Setup() {
  state = Hidden;
  fade = 0;
}

void LevelSelect::ShowAt(int level) {
  Show();
  noSelection = 0;
  selected = Reached(level) ? level : host.PlayerProgress().currentLevel;
  // The pointer chooses only once it moves.
  lastMouseX = MouseX();
  lastMouseY = MouseY();
}

bool LevelSelect::Reached(int level) const {
  return level >= 0 && level < LevelCount && host.PlayerProgress().LevelState(level) != Progress::Locked;
}

void LevelSelect::Select(int index) {
  if (index == NoButton) {
    noSelection = 1;
  } else if (Reached(index)) {
    selected = index;
    noSelection = 0;
  }
}

void LevelSelect::HandleInput() {
  if (host.GetActiveScreen() == screenId) {
    if (KeyHit(27)) Cancel();
    // An arrow held down walks on through the plates, as in the menus.
    auto stepOf = [](int (*pressed)(int)) {
      return pressed(37) ? -1 : pressed(39) ? 1 : pressed(38) ? -Columns : pressed(40) ? Columns : 0;
    };
    int step = stepOf(KeyHit);
    if (step == 0 && RepeatDue()) step = stepOf(KeyDown);
    if (step != 0) {
      Select(noSelection == 1 ? selected : selected + step);
      NoteMove();
    }
    if ((KeyHit(13) || KeyHit(32)) && noSelection == 0) Activate(false);
  }
  TrackMouse();
  if (MouseHit(1) && noSelection == 0 && ButtonAt(MouseX(), MouseY()) == selected) Activate(true);
}

void LevelSelect::Activate(bool) {
  if (!Reached(selected)) return;
  Hide();
  if (selected == host.PlayerProgress().currentLevel) {
    host.Play();
  } else {
    host.ReplayLevel(selected);
  }
}

void LevelSelect::Cancel() { Close(); }

int LevelSelect::ParOf(int level) {
  if (!parKnown_[level]) {
    par_[level] = LeastMoves(*mapType::Create(level));
    parKnown_[level] = true;
  }
  return par_[level];
}

void LevelSelect::DrawExtra() {
  for (int level = 0; level < LevelCount; ++level) DrawPlate(level);
  DrawDetails();
}

void LevelSelect::DrawPlate(int level) {
  const float cx = static_cast<float>(PlateX(level)), cy = static_cast<float>(PlateY(level));
  const bool chosen = level == selected && noSelection == 0;
  const int plate = PlateOf(host.PlayerProgress().LevelState(level));
  DrawImage(plates_, cx, cy, plate + (chosen ? ChosenPlates : 0));
  if (plate == 0) return;
  DrawFigures(std::to_string(level), cx, cy - 3, FigureAlign::Centre);
  const LevelRecord record = host.Records().Of(level);
  const int par = ParOf(level);
  const std::string best = record.bestMoves > 0 ? std::to_string(record.bestMoves) : "-";
  DrawFigures(best + "/" + (par > 0 ? std::to_string(par) : "-"), cx, cy + 17, FigureAlign::Centre);
  if (record.atPar) DrawImage(parStarImage, cx + 25, cy - 12, 0);
}

// The chosen level in words, centred under the grid.
void LevelSelect::DrawDetails() {
  if (noSelection == 1 || !Reached(selected)) return;
  const LevelRecord record = host.Records().Of(selected);
  const int par = ParOf(selected);
  std::string text = "Level " + std::to_string(selected);
  text += record.bestMoves > 0 ? "   best " + std::to_string(record.bestMoves) + " moves" : "   not solved yet";
  if (par > 0) text += "   par " + std::to_string(par);
  if (record.hints > 0) text += "   " + std::to_string(record.hints) + (record.hints == 1 ? " hint" : " hints");
  if (record.atPar) text += "   solved at par";
  if (selected == host.PlayerProgress().currentLevel) text += "   (the journey goes on here)";
  const float width = static_cast<float>(kGlyphWidth * static_cast<int>(text.size()));
  DrawTextIn(text, 400 - width / 2, DetailsTop, 58, 36, 16);
}
