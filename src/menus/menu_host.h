#pragma once
// What the menus ask of the game that runs them: which screen takes input,
// leaving for the level or quitting, starting the journey over, and the
// things they share with it (the player's progress, the sounds, the session
// log, the player's settings, and each other). The game controller answers; the menus know nothing
// more of it.

class GameLog;
class LevelRecords;
struct PlayerSettings;
class Progress;
class SoundManager;
struct MenuScreens;

class MenuHost {
 public:
  virtual ~MenuHost() = default;
  virtual void SetActiveScreen(int id) = 0;
  virtual int GetActiveScreen() const = 0;
  virtual void Play() = 0;
  virtual void Quit() = 0;
  // The first level waits behind the menus, as after a fresh start.
  virtual void StartLevel(int number) = 0;
  // Plays a level reached before again, away from the journey; once it is
  // solved or left, the level select comes back.
  virtual void ReplayLevel(int number) = 0;
  // From the world map over a level: to the menus, with the level select open.
  virtual void OpenLevelSelect() = 0;

  virtual Progress& PlayerProgress() = 0;
  virtual const LevelRecords& Records() = 0;
  // The player's bests and hints forgotten, with the progress, when the profile is reset.
  virtual void ForgetRecords() = 0;
  virtual SoundManager& Sounds() = 0;
  virtual GameLog& Log() = 0;
  virtual PlayerSettings& Settings() = 0;
  virtual MenuScreens& Screens() = 0;
};
