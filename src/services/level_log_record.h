#pragma once
// One level played during a run, as the session log keeps it: a list linked
// through next, nine bytes each in the level array.

#include <cstdint>
#include <memory>

#include "services/log_encoder.h"

class LevelLogRecord {
 public:
  // Finish types.
  static constexpr int Unfinished = 0;  // the program quit during the level
  static constexpr int SolvedFinish = 1;
  static constexpr int SkippedFinish = 2;
  static constexpr int ByteCount = 9;

  uint8_t level = 0;
  uint16_t duration = 0;  // seconds
  uint8_t finishType = 0;
  uint16_t moves = 0;
  uint16_t resets = 0;
  std::shared_ptr<LevelLogRecord> next;

  static std::shared_ptr<LevelLogRecord> Create(int level, int duration, int finishType, int moves, int resets);
  // Writes the record type 2 and the fields at position; returns the position after them.
  int ToBytes(LogBytes& bytes, int position) const;
  // Links the record after the last one of this list.
  void Append(std::shared_ptr<LevelLogRecord> record);
};
