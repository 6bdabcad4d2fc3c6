#pragma once
// The game's answers to what happens on the board: sounds, the restart flash,
// spent presses, the end of a level and the start of the next.

#include "puzzle/level_listener.h"

class GameController;

class PlayEvents : public LevelListener {
 public:
  explicit PlayEvents(GameController& game) : game_(game) {}

  void MoveStarting(const LevelState& level) override;
  void Restarting(const LevelState& level, bool fell) override;
  void PlaySound(LevelSound sound) override;
  void RampBallVolume(int steps) override;
  void RestartFlash() override;
  void InputSpent() override;
  void LevelEnded(bool solved) override;
  void HandOverFinished(const levelStartType& handOver) override;
  void LevelBegun(int number) override;

 private:
  GameController& game_;
};
