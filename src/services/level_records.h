#pragma once
// The player's best for each level: the fewest moves it was solved in, whether
// it was solved at par without a hint, and how many hints it has taken. Kept
// in "records.dat" beside the save, apart from it, so that the save keeps its
// layout: 4 bytes a level for levels 0-80, the best as a little-endian 16-bit
// count (0 not solved yet), the hints (at most 255), then a flag byte (bit 0:
// solved at par). A short file leaves the levels it lacks unsolved; anything
// past the last level is ignored.

#include <array>

#include "services/level_numbers.h"

namespace platform {
class StreamObject;
}

struct LevelRecord {
  int bestMoves = 0;  // 0: not solved yet
  bool atPar = false;
  int hints = 0;
};

class LevelRecords {
 public:
  static constexpr const char* FileName = "records.dat";
  static constexpr int LevelCount = levels::Last + 1;
  static constexpr int BytesPerLevel = 4;
  // Counts beyond these are kept as these.
  static constexpr int MostMoves = 0xFFFF;
  static constexpr int MostHints = 0xFF;

  // Empty records when there is no file; an unreadable one is said on
  // standard error and never saved over.
  void Load();
  // The file's bytes, as Load reads them and as the records are saved.
  void ReadFrom(platform::StreamObject& stream);
  bool WriteTo(platform::StreamObject& stream) const;
  // The level solved in `moves` moves with `hints` hints on this visit; par is
  // the level's least moves (-1 when unknown). Saves when the record changes.
  void NoteSolved(int level, int moves, int par, int hints);
  // A hint taken on the level; saves.
  void NoteHint(int level);
  // Every level back to never solved, as for a new player; saves.
  void Forget();
  // A level outside 0-80 answers as never solved.
  LevelRecord Of(int level) const;

 private:
  static bool IsLevel(int level) { return level >= 0 && level < LevelCount; }
  void Save() const;

  std::array<LevelRecord, LevelCount> records_{};
};
