#pragma once
// The notice over the game when a save did not reach the disk: a dark band at
// the top of the screen with the reason, held a few seconds, then faded. It
// shows what the services reported (services/save_report.h); it never saves.

#include <string>
#include <vector>

class SaveNotice {
 public:
  static constexpr int ShownSteps = 300;  // five seconds
  static constexpr int FadeSteps = 30;
  static constexpr int MostLines = 3;

  // One 1/60 s step: takes what was reported since, counts down the rest.
  // True when something new was reported.
  bool Update();
  void Draw() const;
  bool Visible() const { return stepsLeft_ > 0; }
  // What it shows, oldest first; a report repeated while shown is not doubled.
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
  int stepsLeft_ = 0;
};
