// "records.dat" read as the game starts: every level's best, par mark and
// hints. Whatever the file holds, each record must be one the level select
// can show (a best of 0-65535, at most 255 hints, par only with a best), and
// the records saved again must read back the same.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "services/level_records.h"

namespace {

void ExpectShowableRecords(const LevelRecords& records) {
  for (int level = 0; level < LevelRecords::LevelCount; ++level) {
    const LevelRecord record = records.Of(level);
    const std::string which = "level " + std::to_string(level) + ": ";
    if (record.bestMoves < 0 || record.bestMoves > LevelRecords::MostMoves)
      FuzzFailure(which + "best " + std::to_string(record.bestMoves));
    if (record.hints < 0 || record.hints > LevelRecords::MostHints)
      FuzzFailure(which + std::to_string(record.hints) + " hints");
    if (record.atPar && record.bestMoves == 0) FuzzFailure(which + "at par without a best");
  }
}

bool SameRecords(const LevelRecords& a, const LevelRecords& b) {
  for (int level = 0; level < LevelRecords::LevelCount; ++level) {
    const LevelRecord x = a.Of(level), y = b.Of(level);
    if (x.bestMoves != y.bestMoves || x.atPar != y.atPar || x.hints != y.hints) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WriteFuzzFile("records.dat", data, size);
  LevelRecords loaded;
  loaded.Load();
  ExpectShowableRecords(loaded);

  // A hint on the first level makes the game write the whole file again.
  LevelRecords saved = loaded;
  saved.NoteHint(0);
  LevelRecords reread;
  reread.Load();
  if (!SameRecords(saved, reread)) FuzzFailure("the saved records read back differently");
  return 0;
}
