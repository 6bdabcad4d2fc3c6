#pragma once
// Full screen (a yes/no box), the effects and music volumes (sliders: the
// keyboard steps them through the sound manager's cycle, the mouse drags them),
// Reset profile and Back. Each visit logs at most one change per volume, from
// its value on opening to its value on leaving.

#include <memory>

#include "menus/menu_screen.h"

class OptionsMenu : public MenuScreen {
 public:
  using MenuScreen::MenuScreen;

  static constexpr int FullScreen = 0;
  static constexpr int EffectsVolume = 1;
  static constexpr int MusicVolume = 2;
  static constexpr int ResetProfile = 3;
  static constexpr int Back = 4;

  int effectsSnapshot = -1;  // volume x 100 at the last snapshot; -1 before the first
  int musicSnapshot = -1;

  static std::shared_ptr<OptionsMenu> Create(MenuHost& host);
  void Setup() override;
  void Show() override;
  void Close() override;
  void Hide() override;
  void Activate(bool byMouse) override;
  void Cancel() override;
  // Window to full screen or back, from the check box or from Alt+Enter / F11
  // anywhere: the box shows the new mode and the change is logged.
  void ToggleFullScreen();
  void SnapshotVolumes();
  void LogVolumeChanges();

 private:
  void ActivateVolume(int index, bool byMouse);
};

// Whole seconds since the program started, the time of an option-change record.
int OptionChangeTime();
