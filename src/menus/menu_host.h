#pragma once
// What the menus ask of the game that runs them: which screen takes input,
// leaving for the level or quitting, and starting the journey over. The game
// controller answers; the menus know nothing more of it.

class MenuHost {
 public:
  virtual ~MenuHost() = default;
  virtual void SetActiveScreen(int id) = 0;
  virtual int GetActiveScreen() const = 0;
  virtual void Play() = 0;
  virtual void Quit() = 0;
  // The first level waits behind the menus, as after a fresh start.
  virtual void StartLevel(int number) = 0;
};

// The running game's host; null while none runs.
extern MenuHost* menuHost;
