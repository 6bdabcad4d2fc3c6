#pragma once
// The map shown after the fifth level of a group: a full-screen picture over
// which a dotted path grows by a fixed stretch for every completed group, the
// ball riding at its head. Any key or click dismisses it once it has faded in.
// The path is a closed loop of 28 curve pieces; its dots and the spark at its
// head are particles of the map's own chain. Where each completed group's
// stretch ends, a small star stands for each of its levels solved at par, and
// L leaves for the level select.

#include <array>
#include <functional>
#include <memory>

#include "menus/popup_screen.h"
#include "menus/spline.h"

struct particleNodeType;

class WorldMap : public PopupScreen {
 public:
  using PopupScreen::PopupScreen;

  static constexpr int PieceCount = 28;
  static constexpr int DotSpacing = 40;  // pixels along the path

  std::shared_ptr<particleNodeType> particles;  // made anew on every Show
  int headX = -1, headY = -1;                   // -1: no head
  double drawnLength = 0;                       // pixels along the path
  int stepCounter = 0;                          // the path advances every second step
  double phase = 0;                             // 0 <= phase < 1: where the dot pattern stands
  std::array<SplineType, PieceCount> path;
  int segmentLength = 117;  // path length for one completed group
  bool wholeRoad = false;   // the journey is over: the path runs to its end
  // Called as the map starts to close over a level, for the game to pick up where it left off.
  std::function<void()> onClose;

  // Groups already completed appear at once; only later ones grow.
  static std::shared_ptr<WorldMap> Create(MenuHost& host);
  void Setup() override;
  void Show() override;
  // At the end of the journey: the path grows to its end, whatever groups
  // the player completed.
  void ShowWholeRoad();
  // Keeps the map opaque a while longer, then lets the level take up its new
  // art style, which it held back while the map was up.
  void Close() override;
  void Update(bool inputSuppressed) override;
  void HandleInput() override;
  void Activate(bool byMouse) override;
  void Draw(bool overlay = false) override;
  void AdvancePath();
  // segmentLength for each completed group from 1 to 99; group 0 never counts.
  double TargetLength() const;
  double PathLength() const;

 private:
  // The point `length` pixels along the path, or its end.
  SplinePoint PointAlong(double length) const;
  void DrawParStars() const;
};
