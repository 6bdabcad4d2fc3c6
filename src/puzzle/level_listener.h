#pragma once
// What a level step reports to the screens above it. The board's rules do not
// reach up into the game: they tell a listener what happened, in the order it
// happened, and the game controller's listener plays the sound, flashes the
// screen, moves the tokens or finishes the level. Every report does nothing
// unless a listener answers it, so a level can be played with none.

struct LevelState;
struct levelStartType;

enum class LevelSound { Restart, LockOpened, LockClosed, Teleport };

class LevelListener {
 public:
  virtual ~LevelListener() = default;

  virtual void PlaySound(LevelSound) {}
  // The rolling ball's sound louder (positive) or quieter by this many ramp steps.
  virtual void RampBallVolume(int) {}
  // The ball at rest is about to roll away from `level` as it stands now.
  virtual void MoveStarting(const LevelState& /*level*/) {}
  // The level is about to start over: the ball rolled off the board (fell),
  // or the player asked, from `level` as it stands now.
  virtual void Restarting(const LevelState& /*level*/, bool /*fell*/) {}
  // The ball fell off the board or the player restarted: the screen flashes white.
  virtual void RestartFlash() {}
  // The presses read so far have been acted on; a key still held acts again only when pressed anew.
  virtual void InputSpent() {}
  // The ball reached the exit (solved true) or the player gave the level up.
  // The listener decides what follows: the hand-over to the next level, or the journey's end.
  virtual void LevelEnded(bool /*solved*/) {}
  // The next map has scrolled into place and is about to start; `handOver` says
  // where in its group the finished level was.
  virtual void HandOverFinished(const levelStartType& /*handOver*/) {}
  // The level that has just become the current one.
  virtual void LevelBegun(int /*number*/) {}
};
