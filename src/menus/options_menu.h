#pragma once
// Full screen (a yes/no box), the effects and music volumes (sliders: Enter
// steps them through the sound manager's cycle, Left and Right move them a
// little either way, the mouse drags them), Reduce flashing (a yes/no box,
// kept in the player's settings), Reset profile, Controls and Back. Each visit logs at
// most one change per volume, from
// its value on opening to its value on leaving.

#include <memory>

#include "menus/menu_screen.h"

class OptionsMenu : public MenuScreen {
 public:
  using MenuScreen::MenuScreen;

  static constexpr int FullScreen = 0;
  static constexpr int EffectsVolume = 1;
  static constexpr int MusicVolume = 2;
  static constexpr int ReduceFlashing = 3;
  static constexpr int ResetProfile = 4;
  static constexpr int Controls = 5;  // on Back's row, right of it
  static constexpr int Back = 6;

  int effectsSnapshot = -1;  // volume x 100 at the last snapshot; -1 before the first
  int musicSnapshot = -1;

  static std::shared_ptr<OptionsMenu> Create(MenuHost& host);
  void Setup() override;
  void Show() override;
  void Close() override;
  void Hide() override;
  void HandleInput() override;
  void Activate(bool byMouse) override;
  void Cancel() override;
  // Window to full screen or back, from the check box or from Alt+Enter or the full-screen key
  // anywhere: the box shows the new mode and the change is logged.
  void ToggleFullScreen();
  void SnapshotVolumes();
  void LogVolumeChanges();

 private:
  void ActivateVolume(int index, bool byMouse);
  // way -1 or 1: the highlighted slider one nudge along, the volume with it.
  void NudgeVolume(int index, int way);
  void VolumeFromSlider(int index);
};

// Whole seconds since the program started, the time of an option-change record.
int OptionChangeTime();
