#pragma once
// The end of the journey, after the last level is solved: the world map with
// the whole road, then the closing page with the player's solved and skipped
// counts, then the main menu, with the last level (or the first one not
// solved) waiting behind it for Play.

class JourneyEnd {
 public:
  static void Begin();
  // Each step of the level loop: moves on when the map, then the page, closes.
  static void Update();
  // A level started otherwise (a progress reset) ends the ending unseen.
  static void Abandon();
};
