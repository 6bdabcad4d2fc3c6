#include "services/controls.h"

#include "platform/host/input.h"
#include "platform/host/key_names.h"

namespace {

constexpr int Index(Action action) { return static_cast<int>(action); }

// The actions' names in the settings file.
constexpr std::array<const char*, ActionCount> kSlugs = {
    "up", "down", "left", "right", "restart", "skip", "undo", "hint", "menu", "full-screen", "screenshot"};

bool IsKeyCode(int code) { return code > 0 && code < 256; }

constexpr int PrintScreenKey = 44;

// The four moves are the first four actions, in the swipes' order.
int SwipeOf(Action action) {
  const int i = Index(action);
  return i < platform::kSwipeDirections ? platform::SwipeKey(i) : Controls::None;
}

// A whole number and nothing after it, or nothing at all when `optional`.
std::optional<int> ReadCode(std::istringstream& values, bool optional) {
  int code = 0;
  if (values >> code) return code;
  if (optional && values.eof()) return Controls::None;
  return std::nullopt;
}

}  // namespace

bool IsPadCode(int code) { return code >= platform::PadKey(0) && code < platform::PadKey(platform::pad::Count); }

Controls Controls::Defaults() {
  using platform::PadKey;
  namespace pad = platform::pad;
  Controls c;
  c.keys = {38, 40, 37, 39, 'R', 'S', 'Z', 'H', 27, 122, PrintScreenKey};
  c.alsoKeys[Index(Action::Undo)] = 8;  // Backspace
  c.pad = {PadKey(pad::Up),   PadKey(pad::Down), PadKey(pad::Left), PadKey(pad::Right),
           PadKey(pad::Back), None,              PadKey(pad::X),    PadKey(pad::Y),
           PadKey(pad::Start), None,             None};
  return c;
}

const Controls& DefaultControls() {
  static const Controls defaults = Controls::Defaults();
  return defaults;
}

std::string Controls::ActionName(Action action) {
  switch (action) {
    case Action::Up: return "Roll up";
    case Action::Down: return "Roll down";
    case Action::Left: return "Roll left";
    case Action::Right: return "Roll right";
    case Action::Restart: return "Restart";
    case Action::Skip: return "Skip";
    case Action::Undo: return "Undo";
    case Action::Hint: return "Hint";
    case Action::Menu: return "Menu";
    case Action::FullScreen: return "Full screen";
    case Action::Screenshot: return "Screenshot";
  }
  return {};
}

std::string Controls::KeyNames(Action action) const {
  const int i = Index(action);
  if (keys[i] == None) return "-";
  std::string names = platform::KeyName(keys[i]);
  if (alsoKeys[i] != None) names += " or " + platform::KeyName(alsoKeys[i]);
  return names;
}

std::string Controls::PadName(Action action) const {
  const int code = pad[Index(action)];
  return code == None ? "-" : platform::KeyName(code);
}

std::optional<Action> Controls::UserOf(int code, Action except) const {
  if (code == None) return std::nullopt;
  for (int i = 0; i < ActionCount; ++i) {
    if (i == Index(except)) continue;
    const bool uses = IsPadCode(code) ? pad[i] == code : keys[i] == code || alsoKeys[i] == code;
    if (uses) return static_cast<Action>(i);
  }
  return std::nullopt;
}

std::optional<Action> Controls::Bind(Action action, int code) {
  if (const auto other = UserOf(code, action)) return other;
  const int i = Index(action);
  if (IsPadCode(code)) {
    pad[i] = code;
  } else {
    keys[i] = code;
    alsoKeys[i] = None;
  }
  return std::nullopt;
}

void Controls::WriteLines(std::ostream& out) const {
  for (int i = 0; i < ActionCount; ++i) {
    out << "key-" << kSlugs[i] << ' ' << keys[i];
    if (alsoKeys[i] != None) out << ' ' << alsoKeys[i];
    out << "\npad-" << kSlugs[i] << ' ' << pad[i] << '\n';
  }
}

std::optional<bool> Controls::ReadLine(const std::string& name, std::istringstream& values) {
  const bool isKey = name.rfind("key-", 0) == 0;
  if (!isKey && name.rfind("pad-", 0) != 0) return std::nullopt;
  int i = 0;
  while (i < ActionCount && name.compare(4, std::string::npos, kSlugs[i]) != 0) ++i;
  if (i == ActionCount) return std::nullopt;
  const auto first = ReadCode(values, false);
  const auto second = ReadCode(values, true);
  std::string rest;
  if (!first || !second || (values.clear(), values >> rest)) return false;
  if (isKey) {
    if (!IsKeyCode(*first) || (*second != None && !IsKeyCode(*second))) return false;
    keys[i] = *first;
    alsoKeys[i] = *second;
  } else {
    if ((*first != None && !IsPadCode(*first)) || *second != None) return false;
    pad[i] = *first;
  }
  return true;
}

bool Controls::WithoutSharedCodes() const {
  for (int i = 0; i < ActionCount; ++i) {
    const auto action = static_cast<Action>(i);
    if (alsoKeys[i] == keys[i] || UserOf(keys[i], action) || UserOf(alsoKeys[i], action) || UserOf(pad[i], action)) {
      return false;
    }
  }
  return true;
}

bool Controls::Down(Action action) const {
  const int i = Index(action);
  for (int code : {keys[i], alsoKeys[i], pad[i], SwipeOf(action)}) {
    if (code != None && platform::KeyDown(code)) return true;
  }
  return false;
}

bool Controls::Hit(Action action) const {
  const int i = Index(action);
  bool hit = false;
  // Every one is asked, so that none keeps a press for later. Print Screen
  // reaches the game only as a key of its own on some systems.
  for (int code : {keys[i], alsoKeys[i], pad[i], SwipeOf(action)}) {
    if (code == None) continue;
    if ((code == PrintScreenKey ? platform::AsyncKeyHit(code) : platform::KeyHit(code)) != 0) hit = true;
  }
  return hit;
}
