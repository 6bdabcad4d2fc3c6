#include "menus/controls_menu.h"

#include "menus/options_menu.h"
#include "menus/screens.h"
#include "platform/host/input.h"
#include "platform/render/builtin_font.h"
#include "platform/render/graphics.h"
#include "platform/host/key_names.h"
#include "services/settings_file.h"

using namespace platform;

namespace {

// Within the 330 x 412 panel, under its title and the columns' headings: the
// rows' top, their height, and the columns.
constexpr int FirstRowY = 98;
constexpr int RowHeight = 21;
constexpr int ActionColumn = 18;
constexpr int KeyColumn = 124;
constexpr int PadColumn = 240;
constexpr int RowWidth = 300;

// Every code a key or a pad button can have.
constexpr int LastCode = PadKey(pad::Count) - 1;

// The panel's ink, and the deep red of what is highlighted or said.
struct Ink {
  int red, green, blue;
};
constexpr Ink Plain{58, 36, 16};
constexpr Ink Lit{138, 20, 32};
constexpr Ink Faint{106, 74, 36};

void Write(const std::string& text, int x, int y, Ink ink) {
  DrawTextIn(text, static_cast<float>(x), static_cast<float>(y), ink.red, ink.green, ink.blue);
}

}  // namespace

std::shared_ptr<ControlsMenu> ControlsMenu::Create(MenuHost& host) {
  auto menu = std::make_shared<ControlsMenu>(host);
  // The rows are drawn as text: there is no strip of pictures for them.
  menu->Init(430, 115, BackRow + 1, -1, -1, 165, FirstRowY + RowHeight / 2, RowWidth, RowHeight, 0, "controls.png",
             "", 11, "", 0, 0);
  menu->Setup();
  return menu;
}

void ControlsMenu::Setup() {
  state = Hidden;
  fade = 0;
}

void ControlsMenu::Say(const std::string& text) {
  word = text;
  wordSteps = WordSteps;
}

void ControlsMenu::Activate(bool) {
  if (selected < ActionCount) {
    waitingFor = static_cast<Action>(selected);
    // The press that chose the row is not the one to take.
    FlushKeys();
    FlushMouse();
    Say("Press a key or a pad button for " + Controls::ActionName(*waitingFor) + "; click to keep it");
  } else if (selected == DefaultsRow) {
    host.Settings().controls = Controls::Defaults();
    Say("Every control is back to its default");
  } else {
    Cancel();
  }
}

void ControlsMenu::Cancel() {
  waitingFor.reset();
  Close();
  host.Screens().optionsMenu->Show();
}

// While waiting, the next key or button is the binding, and nothing else is read.
bool ControlsMenu::InterceptInput() {
  if (!waitingFor) return false;
  if (MouseHit(1) != 0 || MouseHit(2) != 0) {
    waitingFor.reset();
    Say("Nothing changed");
    FlushMouse();
    return true;
  }
  for (int code = 1; code <= LastCode; ++code) {
    if (KeyHit(code) != 0) {
      TakeBinding(code);
      break;
    }
  }
  return true;
}

void ControlsMenu::TakeBinding(int code) {
  const Action action = *waitingFor;
  waitingFor.reset();
  FlushKeys();
  if (const auto other = host.Settings().controls.Bind(action, code)) {
    Say(KeyName(code) + " is already " + Controls::ActionName(*other) + ": nothing changed");
    return;
  }
  Say(Controls::ActionName(action) + " is now " + KeyName(code));
}

void ControlsMenu::Update(bool inputSuppressed) {
  if (wordSteps > 0 && --wordSteps == 0 && !waitingFor) word.clear();
  MenuScreen::Update(inputSuppressed);
}

void ControlsMenu::DrawExtra() {
  if (word.empty()) return;
  // Two lines of the rows' width at most, broken at a space.
  const size_t perLine = RowWidth / kGlyphWidth;
  size_t cut = word.size() <= perLine ? word.size() : word.rfind(' ', perLine);
  if (cut == std::string::npos || cut == 0) cut = perLine;
  const int wordY = y + FirstRowY + (BackRow + 1) * RowHeight + 6;
  Write(word.substr(0, cut), x + ActionColumn, wordY, Lit);
  if (cut < word.size()) Write(word.substr(word[cut] == ' ' ? cut + 1 : cut), x + ActionColumn, wordY + 17, Lit);
}

void ControlsMenu::DrawButton(int index, int cell) {
  const bool lit = cell % 2 == 1;
  const int rowTop = y + FirstRowY + index * RowHeight;
  const int textY = rowTop + (RowHeight - kGlyphHeight) / 2;
  if (lit) {
    int red, green, blue;
    GetColor(red, green, blue);
    SetColor(240, 192, 96);
    SetAlpha(Alpha() * 0.45f);
    DrawRect(static_cast<float>(x + ActionColumn - 6), static_cast<float>(rowTop), static_cast<float>(RowWidth),
             static_cast<float>(RowHeight));
    SetAlpha(Alpha());
    SetColor(red, green, blue);
  }
  const Ink ink = lit ? Lit : Plain;
  if (index < ActionCount) {
    const auto action = static_cast<Action>(index);
    const Controls& controls = host.Settings().controls;
    const bool waiting = waitingFor == action;
    Write(Controls::ActionName(action), x + ActionColumn, textY, ink);
    Write(waiting ? "..." : controls.KeyNames(action), x + KeyColumn, textY, lit || waiting ? ink : Faint);
    Write(waiting ? "..." : controls.PadName(action), x + PadColumn, textY, lit || waiting ? ink : Faint);
  } else {
    Write(index == DefaultsRow ? "Defaults" : "Back", x + ActionColumn, textY, ink);
  }
}
