// The player's controls: what a binding takes and refuses, and their lines in
// the settings file.

#include <gtest/gtest.h>

#include "platform/host/input.h"
#include "services/settings_file.h"

namespace {

using platform::PadKey;
namespace pad = platform::pad;

constexpr int Index(Action action) { return static_cast<int>(action); }

}  // namespace

TEST(Controls, ABindingTakesAFreeKeyOrButtonAndRefusesOneInUse) {
  Controls controls = Controls::Defaults();
  struct Case {
    Action action;
    int code;
    std::optional<Action> refusedFor;
  } cases[] = {
      {Action::Undo, 'U', std::nullopt},              // Backspace goes with Z
      {Action::Restart, 'U', Action::Undo},           // now Undo's
      {Action::Hint, 38, Action::Up},                 // the arrows are keys like the others
      {Action::Up, 'W', std::nullopt},
      {Action::Hint, 38, std::nullopt},               // free once Up left it
      {Action::Skip, PadKey(pad::X), Action::Undo},   // the pad's column
      {Action::Skip, PadKey(pad::A), std::nullopt},
      {Action::Skip, 'S', std::nullopt},              // its own key again: no conflict with itself
  };
  for (const Case& c : cases) EXPECT_EQ(controls.Bind(c.action, c.code), c.refusedFor) << c.code;
  EXPECT_EQ(controls.KeyNames(Action::Undo), "U");
  EXPECT_EQ(controls.PadName(Action::Skip), "Pad A");
  EXPECT_EQ(controls.KeyNames(Action::Hint), "Up");
  EXPECT_EQ(Controls::Defaults().KeyNames(Action::Undo), "Z or Backspace");
  EXPECT_EQ(Controls::Defaults().PadName(Action::FullScreen), "-");
  EXPECT_TRUE(controls.WithoutSharedCodes());
}

TEST(Controls, TheirLinesReadBackAndABadOrSharingLineChangesNothing) {
  PlayerSettings settings;
  settings.controls.Bind(Action::Undo, 'U');
  settings.controls.Bind(Action::Screenshot, PadKey(pad::RightShoulder));
  EXPECT_EQ(SettingsFile::FromText(SettingsFile::Text(settings)), settings);

  struct Case {
    const char* line;
    int undoKey, undoAlso, undoPad;
  } cases[] = {
      {"key-undo 85", 'U', 0, PadKey(pad::X)},
      {"key-undo 85 90", 'U', 'Z', PadKey(pad::X)},
      {"pad-undo 0", 'Z', 8, 0},
      {"pad-undo 85", 'Z', 8, PadKey(pad::X)},        // a key in the pad's column
      {"key-undo 300", 'Z', 8, PadKey(pad::X)},       // a pad button in the keys' column
      {"key-undo 85 x", 'Z', 8, PadKey(pad::X)},
      {"key-undo", 'Z', 8, PadKey(pad::X)},
      {"key-undo 82", 'Z', 8, PadKey(pad::X)},        // R is Restart's: all back to the defaults
      {"key-jump 85", 'Z', 8, PadKey(pad::X)},        // no such action
  };
  for (const Case& c : cases) {
    const Controls read = SettingsFile::FromText(c.line).controls;
    const int i = Index(Action::Undo);
    EXPECT_EQ(read.keys[i], c.undoKey) << c.line;
    EXPECT_EQ(read.alsoKeys[i], c.undoAlso) << c.line;
    EXPECT_EQ(read.pad[i], c.undoPad) << c.line;
    EXPECT_TRUE(read.WithoutSharedCodes()) << c.line;
  }
}
