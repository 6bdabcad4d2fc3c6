#include "platform/host/key_names.h"

#include <array>
#include <string_view>

#include "platform/host/input.h"

namespace platform {
namespace {

// By button, in the pad's order.
constexpr std::array<std::string_view, pad::Count> kPadNames = {
    "Pad A",  "Pad B",     "Pad X",     "Pad Y",    "Pad Back",  "Pad Guide",   "Pad Start",
    "Pad L3", "Pad R3",    "Pad LB",    "Pad RB",   "Pad Up",    "Pad Down",    "Pad Left",
    "Pad Right", "Pad Misc", "Pad P1", "Pad P2", "Pad P3", "Pad P4", "Pad Touch"};

std::string_view NamedKey(int code) {
  switch (code) {
    case 8: return "Backspace";
    case 9: return "Tab";
    case 13: return "Enter";
    case 16: return "Shift";
    case 17: return "Ctrl";
    case 18: return "Alt";
    case 19: return "Pause";
    case 20: return "Caps Lock";
    case 27: return "Escape";
    case 32: return "Space";
    case 33: return "Page Up";
    case 34: return "Page Down";
    case 35: return "End";
    case 36: return "Home";
    case 37: return "Left";
    case 38: return "Up";
    case 39: return "Right";
    case 40: return "Down";
    case 44: return "Print Screen";
    case 45: return "Insert";
    case 46: return "Delete";
    case 106: return "Keypad *";
    case 107: return "Keypad +";
    case 109: return "Keypad -";
    case 110: return "Keypad .";
    case 111: return "Keypad /";
    case 186: return ";";
    case 187: return "=";
    case 188: return ",";
    case 189: return "-";
    case 190: return ".";
    case 191: return "/";
    case 192: return "`";
    case 219: return "[";
    case 220: return "\\";
    case 221: return "]";
    case 222: return "'";
    default: return {};
  }
}

}  // namespace

std::string KeyName(int code) {
  if (code >= PadKey(0) && code < PadKey(pad::Count)) return std::string(kPadNames[code - PadKey(0)]);
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return std::string(1, static_cast<char>(code));
  if (code >= 96 && code <= 105) return "Keypad " + std::to_string(code - 96);
  if (code >= 112 && code <= 123) return "F" + std::to_string(code - 111);
  const std::string_view named = NamedKey(code);
  return named.empty() ? "key " + std::to_string(code) : std::string(named);
}

}  // namespace platform
