#pragma once
// The end of the journey, after the last level is solved: the world map with
// the whole road, then the closing page with the player's solved and skipped
// counts, then the main menu, with the last level (or the first one not
// solved) waiting behind it for Play.

class GameController;

class JourneyEnd {
 public:
  explicit JourneyEnd(GameController& game) : game_(game) {}

  void Begin();
  // Each step of the level loop: moves on when the map, then the page, closes.
  void Update();
  // A level started otherwise (a progress reset) ends the ending unseen.
  void Abandon() { stage_ = Stage::None; }

 private:
  enum class Stage { None, Map, Page };

  GameController& game_;
  Stage stage_ = Stage::None;
};
