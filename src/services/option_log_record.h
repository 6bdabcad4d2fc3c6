#pragma once
// One change of an option during a run, as the session log keeps it: a list
// linked through next, six bytes each in the session array.

#include <cstdint>
#include <memory>

#include "services/log_encoder.h"

class OptionLogRecord {
 public:
  // Option codes.
  static constexpr int DisplayMode = 0;    // 0 window, 1 full screen
  static constexpr int EffectsVolume = 1;  // volume x 100, truncated
  static constexpr int MusicVolume = 2;    // volume x 100, truncated
  static constexpr int ProfileReset = 3;   // 0 / 1
  static constexpr int ByteCount = 6;

  uint8_t option = 0;
  uint16_t time = 0;  // seconds since program start
  uint8_t from = 0;
  uint8_t to = 0;
  std::shared_ptr<OptionLogRecord> next;

  static std::shared_ptr<OptionLogRecord> Create(int option, int time, int from, int to);
  // Writes the record type 1 and the fields at position; returns the position after them.
  int ToBytes(LogBytes& bytes, int position) const;
  // Links the record after the last one of this list.
  void Append(std::shared_ptr<OptionLogRecord> record);
};
