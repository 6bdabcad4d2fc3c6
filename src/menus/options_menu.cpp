#include "menus/options_menu.h"

#include <algorithm>

#include "menus/controls_menu.h"
#include "menus/main_menu.h"
#include "menus/reset_profile_menu.h"
#include "menus/screens.h"
#include "menus/slider.h"
#include "menus/yes_no_box.h"
#include "platform/host/input.h"
#include "services/game_log.h"
#include "services/option_log_record.h"
#include "services/resources.h"
#include "services/session_clock.h"
#include "services/settings_file.h"
#include "services/sound_manager.h"

namespace {

// Volumes run 0-2, sliders 0-100; Left and Right move a slider a twentieth.
constexpr double SliderNudge = 5;

double SliderValueOf(float volume) { return volume / 2 * 100; }
float VolumeOf(double sliderValue) { return static_cast<float>(sliderValue / 100 * 2); }
int Hundredths(float volume) { return static_cast<int>(volume * 100); }

}  // namespace

int OptionChangeTime() { return ClockSeconds() - sessionStart; }

std::shared_ptr<OptionsMenu> OptionsMenu::Create(MenuHost& host) {
  auto menu = std::make_shared<OptionsMenu>(host);
  menu->Init(430, 115, 7, -1, -1, 100, 90, 154, 30, 30, "submenu1.png", "menuOptions.png", 2, "", 0, 0);
  menu->Setup();
  return menu;
}

void OptionsMenu::Setup() {
  for (int i : {EffectsVolume, MusicVolume}) {
    buttons[i] = Slider::Create(buttonX, firstButtonY + i * (buttonHeight + buttonGap), std::max(buttonWidth, 400),
                                std::max(buttonHeight, 60), 30, -10, 100, buttonHeight);
  }
  buttons[EffectsVolume]->SetValue(SliderValueOf(host.Sounds().effectsVolume));
  buttons[MusicVolume]->SetValue(SliderValueOf(host.Sounds().musicVolume));
  buttons[FullScreen] = YesNoBox::Create(buttonX, firstButtonY, buttonWidth + 50, buttonHeight, 60, -15, fullscreen);
  buttons[ReduceFlashing] =
      YesNoBox::Create(buttonX, firstButtonY + ReduceFlashing * (buttonHeight + buttonGap), buttonWidth + 50,
                       buttonHeight, 60, -15, host.Settings().reduceFlashing ? 1 : 0);
  // Controls shares the last row with Back, whose place stays where it was.
  menuButtonType& controls = *buttons[Controls];
  controls.y = buttons[Controls - 1]->y + buttonHeight + buttonGap;
  controls.x = 247;
  controls.width = 120;
  buttons[Back]->y = controls.y;
  state = Hidden;
  fade = 0;
}

void OptionsMenu::Show() {
  SnapshotVolumes();
  MenuScreen::Show();
}

void OptionsMenu::Close() {
  LogVolumeChanges();
  MenuScreen::Close();
}

void OptionsMenu::Hide() {
  LogVolumeChanges();
  MenuScreen::Hide();
}

void OptionsMenu::Activate(bool byMouse) {
  switch (selected) {
    case FullScreen:
      ToggleFullScreen();
      break;
    case EffectsVolume:
    case MusicVolume:
      ActivateVolume(selected, byMouse);
      break;
    case ReduceFlashing:
      host.Settings().reduceFlashing = !host.Settings().reduceFlashing;
      buttons[ReduceFlashing]->SetValue(host.Settings().reduceFlashing ? 1 : 0);
      break;
    case ResetProfile:
      inputBlocked = 1;
      host.Screens().mainMenu->inputBlocked = 1;
      host.Screens().resetProfileMenu->Show();
      break;
    case Controls:
      Close();
      host.Screens().controlsMenu->Show();
      break;
    case Back:
      Close();
      break;
    default:
      break;
  }
}

void OptionsMenu::Cancel() { Close(); }

void OptionsMenu::ToggleFullScreen() {
  Resources::ToggleFullscreen();
  buttons[FullScreen]->SetValue(fullscreen);
  host.Log().AddOptionRecord(OptionLogRecord::DisplayMode, OptionChangeTime(), fullscreen == 0 ? 1 : 0, fullscreen);
}

void OptionsMenu::HandleInput() {
  const bool onVolume = noSelection == 0 && (selected == EffectsVolume || selected == MusicVolume);
  if (onVolume && host.GetActiveScreen() == screenId) {
    const int way = platform::KeyHit(39) != 0 ? 1 : platform::KeyHit(37) != 0 ? -1 : 0;
    if (way != 0) NudgeVolume(selected, way);
  }
  MenuScreen::HandleInput();
}

void OptionsMenu::NudgeVolume(int index, int way) {
  menuButtonType& slider = *buttons[index];
  slider.SetValue(std::clamp(slider.GetValue() + way * SliderNudge, 0.0, 100.0));
  VolumeFromSlider(index);
  if (index == EffectsVolume) host.Sounds().PlayChime();
}

void OptionsMenu::VolumeFromSlider(int index) {
  const float volume = VolumeOf(buttons[index]->GetValue());
  if (index == EffectsVolume) {
    host.Sounds().SetEffectsVolume(volume);
  } else {
    host.Sounds().SetMusicVolume(volume);
  }
}

void OptionsMenu::ActivateVolume(int index, bool byMouse) {
  menuButtonType& slider = *buttons[index];
  const bool effects = index == EffectsVolume;
  if (byMouse) {
    if (slider.HandleMouse(x, y) != 0) {
      VolumeFromSlider(index);
      // The next step may activate again: holding the button drags the knob.
      lastActivationTime = 0;
    }
  } else if (effects) {
    host.Sounds().StepEffectsVolume();
    slider.SetValue(SliderValueOf(host.Sounds().effectsVolume));
  } else {
    host.Sounds().StepMusicVolume();
    slider.SetValue(SliderValueOf(host.Sounds().musicVolume));
  }
  if (effects) host.Sounds().PlayChime();
}

void OptionsMenu::SnapshotVolumes() {
  effectsSnapshot = Hundredths(host.Sounds().effectsVolume);
  musicSnapshot = Hundredths(host.Sounds().musicVolume);
}

void OptionsMenu::LogVolumeChanges() {
  const int effects = Hundredths(host.Sounds().effectsVolume);
  const int music = Hundredths(host.Sounds().musicVolume);
  const int time = OptionChangeTime();
  if (effectsSnapshot != -1 && effects != effectsSnapshot) {
    host.Log().AddOptionRecord(OptionLogRecord::EffectsVolume, time, effectsSnapshot, effects);
  }
  if (musicSnapshot != -1 && music != musicSnapshot) {
    host.Log().AddOptionRecord(OptionLogRecord::MusicVolume, time, musicSnapshot, music);
  }
  effectsSnapshot = effects;
  musicSnapshot = music;
}
