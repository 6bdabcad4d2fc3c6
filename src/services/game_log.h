#pragma once
// The compact log of one run: the player identifier and session number, one
// session record, up to 20 option changes and the levels played. Records are
// packed into big-endian byte arrays, encoded as text and sent as the query of
// a GET request; level records go in batches of 20 during play, the rest and
// the session record at the normal end of the run.

#include <cstdint>
#include <memory>
#include <string>

#include "services/level_log_record.h"
#include "services/log_encoder.h"
#include "services/option_log_record.h"
#include "services/upload_worker.h"

class GameLog {
 public:
  static constexpr int MaxOptionRecords = 20;
  static constexpr int LevelRecordBatch = 20;
  static constexpr uint8_t NoLevel = 255;

  int32_t uniqueID = 0;
  uint16_t logNumber = 0;
  uint16_t sessionDuration = 0;
  uint8_t startLevel = 0;
  uint8_t endLevel = 0;
  int sessionState = 0;  // 0 not started, -1 running, 1 finished
  int levelRecordCount = 0;
  int optionRecordCount = 0;
  std::shared_ptr<OptionLogRecord> optionRecords;
  std::shared_ptr<LevelLogRecord> levelRecords;
  uint8_t levelInProgress = NoLevel;
  uint16_t levelStartTime = 0;
  uint16_t moves = 0;
  uint16_t resets = 0;

  // Reads the identifier file (a new random identifier and session 0 when it
  // is missing or short) and rewrites it with the next session number.
  static std::shared_ptr<GameLog> Create();

  void SessionStart(int level);
  // Records the duration and the level the player is on, then sends the
  // session record and the remaining level records, waiting half a second at
  // most for them to go out.
  void SessionFinish(int currentLevel);
  // level: the number of the map that became current.
  void LevelBegin(int level);
  // Closes the level in progress with a record; nothing while none is in progress.
  void LevelEnd(int finishType);
  // time: seconds since program start. The 21st and later changes are dropped.
  void AddOptionRecord(int option, int time, int from, int to);
  void AddLevelRecord(int level, int duration, int finishType, int moves, int resets);
  // Uploads go out in the background; their outcome reaches the debug log
  // when the exchange ends.
  void UploadSession();
  // Sends the waiting level records, then drops them whether or not that worked.
  void UploadLevels();
  // True when every upload so far has ended within the limit (for tests and quitting).
  bool WaitForUploads(std::chrono::milliseconds limit) { return uploads.WaitUntilDone(limit); }
  LogBytes sessionLogToByteArray() const;
  LogBytes levelLogsToByteArray() const;

 private:
  // sentLine: a debug line that goes out with the outcome, or empty.
  void Upload(const std::string& text, const std::string& sentLine);

  UploadWorker uploads;
};

// Where the records go: "http::" + uploadHost + "/upload/01.php?a=" + text.
// Set at build time; empty in the shipped build.
extern std::string uploadHost;
