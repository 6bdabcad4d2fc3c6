#pragma once
// The controls under Options: a row for each action with its key and its pad
// button, then Defaults and Back. Enter or a click on an action's row waits
// for the next key or pad button, which becomes that action's key or button;
// one that another action already has is refused with a word on the panel.
// Every key can be bound, Escape too, so a click is what leaves the wait.

#include <memory>
#include <optional>
#include <string>

#include "menus/menu_screen.h"
#include "services/controls.h"

class ControlsMenu : public MenuScreen {
 public:
  using MenuScreen::MenuScreen;

  static constexpr int DefaultsRow = ActionCount;
  static constexpr int BackRow = ActionCount + 1;
  // How long a word on the panel stays, in steps.
  static constexpr int WordSteps = 150;

  static std::shared_ptr<ControlsMenu> Create(MenuHost& host);
  void Setup() override;
  void Activate(bool byMouse) override;
  void Cancel() override;
  bool InterceptInput() override;
  void Update(bool inputSuppressed) override;
  void DrawExtra() override;
  void DrawButton(int index, int cell) override;

  // The action waiting for its key or button, if any.
  std::optional<Action> waitingFor;
  // What the panel says under the rows, and for how many steps more.
  std::string word;
  int wordSteps = 0;

 private:
  void Say(const std::string& text);
  void TakeBinding(int code);
};
