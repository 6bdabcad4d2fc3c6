#pragma once
// Which key and which pad button do what. Each action has a key (and, for a
// few, a second key that the defaults give and any rebinding of the action
// drops) and a pad button; none may be shared by two actions of the same column.

#include <array>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

enum class Action { Up, Down, Left, Right, Restart, Skip, Undo, Hint, Menu, FullScreen, Screenshot };
constexpr int ActionCount = static_cast<int>(Action::Screenshot) + 1;

struct Controls {
  static constexpr int None = 0;

  std::array<int, ActionCount> keys{};     // virtual-key codes
  std::array<int, ActionCount> alsoKeys{};  // None, or a second key
  std::array<int, ActionCount> pad{};      // platform::PadKey codes, or None

  static Controls Defaults();
  // "Undo", "Full screen"...
  static std::string ActionName(Action action);
  // "Z or Backspace", "Pad X"; "-" for none.
  std::string KeyNames(Action action) const;
  std::string PadName(Action action) const;

  // The action another than `except` that `code` already does in its column
  // (keys, or the pad's buttons).
  std::optional<Action> UserOf(int code, Action except) const;
  // Binds `code` (a key, or a pad button's code) to `action`, unless another
  // action has it: that one is returned and nothing changes.
  std::optional<Action> Bind(Action action, int code);

  // Any of the action's keys or its button down now (or pressed this step),
  // and pressed since last asked.
  bool Down(Action action) const;
  bool Hit(Action action) const;

  // The settings file's lines, "key-<action> code [code]" and "pad-<action>
  // code" (0 for none). ReadLine: nothing when `name` is no line of the
  // controls, else whether its values were good (a bad one changes nothing).
  void WriteLines(std::ostream& out) const;
  std::optional<bool> ReadLine(const std::string& name, std::istringstream& values);
  bool WithoutSharedCodes() const;

  bool operator==(const Controls&) const = default;
};

// Controls::Defaults(), made once, for whoever has no player's controls.
const Controls& DefaultControls();

// A pad button's code is a key code from 256 on.
bool IsPadCode(int code);
