#include "services/game_log.h"

#include <climits>

#include "platform/host/diagnostics.h"
#include "platform/host/random.h"
#include "platform/host/text.h"
#include "services/fetch_url.h"
#include "services/identifier_file.h"
#include "services/log_record_list.h"
#include "services/session_clock.h"

#ifndef MARROWICK_UPLOAD_HOST
#define MARROWICK_UPLOAD_HOST ""
#endif

std::string uploadHost = MARROWICK_UPLOAD_HOST;

namespace {

constexpr int SessionRecordType = 77;  // "M"
constexpr int LevelRecordType = 78;    // "N"
constexpr int AttemptsPerUpload = 2;
// Quitting waits this long for the last uploads, then leaves them behind.
constexpr std::chrono::milliseconds QuitWaitForUploads(500);

struct UploadOutcome {
  std::string reply;
  int attempts = 0;
};

// A reply that does not begin with "success" is tried once more.
UploadOutcome Send(const std::string& url) {
  UploadOutcome outcome;
  while (platform::Lower(outcome.reply).rfind("success", 0) != 0 && outcome.attempts < AttemptsPerUpload) {
    outcome.reply = FetchUrl(url);
    outcome.attempts += 1;
  }
  return outcome;
}

void LogOutcome(const UploadOutcome& outcome) {
  platform::DebugLog("game log: RESPONSE: " + outcome.reply);
  if (outcome.attempts > 1) platform::DebugLog("upload attempts: " + platform::Str(outcome.attempts));
}

// Writes the records from position on, as many as fit before the closing zero
// byte, and returns the position after them.
template <class Record>
int RecordsToBytes(const std::shared_ptr<Record>& head, LogBytes& bytes, int position) {
  for (const Record* record = head.get(); record && position + Record::ByteCount < LogBytesSize;
       record = record->next.get()) {
    position = record->ToBytes(bytes, position);
  }
  return position;
}

void CloseLogBytes(LogBytes& bytes, int position) {
  bytes[position] = 0;
  bytes[0] = static_cast<uint8_t>(position + 1);
}

}  // namespace

std::shared_ptr<GameLog> GameLog::Create() {
  PlayerIdentifier identifier;
  if (auto stored = LoadPlayerIdentifier()) {
    identifier = *stored;
    platform::DebugLog("game log - unique ID " + platform::Str(identifier.id) + ", log number " +
                       platform::Str(int(identifier.logNumber)));
  } else {
    identifier.id = platform::Rand(INT_MIN, INT_MAX);
    platform::DebugLog("game log - first run - unique ID " + platform::Str(identifier.id));
  }
  SavePlayerIdentifier({identifier.id, static_cast<uint16_t>(identifier.logNumber + 1)});

  auto log = std::make_shared<GameLog>();
  log->uniqueID = identifier.id;
  log->logNumber = identifier.logNumber;
  return log;
}

void GameLog::SessionStart(int level) {
  sessionState -= 1;
  startLevel = static_cast<uint8_t>(level);
}

void GameLog::SessionFinish(int currentLevel) {
  platform::DebugLog("game log: session finishing");
  if (sessionState == -1) sessionState = 1;
  sessionDuration = static_cast<uint16_t>(ClockSeconds() - sessionStart);
  endLevel = static_cast<uint8_t>(currentLevel);
  UploadSession();
  UploadLevels();
  if (!uploads.WaitUntilDone(QuitWaitForUploads)) platform::DebugLog("game log: quitting before the upload ended");
  uploads.Abandon();
}

void GameLog::LevelBegin(int level) {
  levelInProgress = static_cast<uint8_t>(level);
  levelStartTime = static_cast<uint16_t>(ClockSeconds());
  moves = 0;
  resets = 0;
}

void GameLog::LevelEnd(int finishType) {
  if (levelInProgress == NoLevel) return;
  AddLevelRecord(levelInProgress, static_cast<uint16_t>(ClockSeconds() - levelStartTime), finishType, moves,
                 resets);
  levelInProgress = NoLevel;
}

void GameLog::AddOptionRecord(int option, int time, int from, int to) {
  if (optionRecordCount >= MaxOptionRecords) return;
  optionRecordCount += 1;
  auto record = OptionLogRecord::Create(option, time, from, to);
  AppendToRecordList(optionRecords, std::move(record));
}

void GameLog::AddLevelRecord(int level, int duration, int finishType, int moves, int resets) {
  levelRecordCount += 1;
  auto record = LevelLogRecord::Create(level, duration, finishType, moves, resets);
  AppendToRecordList(levelRecords, std::move(record));
  if (levelRecordCount >= LevelRecordBatch) UploadLevels();
}

void GameLog::UploadSession() { Upload(LogEncoder::Encode(sessionLogToByteArray()), {}); }

void GameLog::UploadLevels() {
  if (levelRecordCount == 0) return;
  platform::DebugLog("game log: uploading " + platform::Str(levelRecordCount) + " level logs");
  const std::string text = LogEncoder::Encode(levelLogsToByteArray());
  Upload(text, "game log: uploading lvls " + text);
  levelRecords = nullptr;
  levelRecordCount = 0;
}

void GameLog::Upload(const std::string& text, const std::string& sentLine) {
  auto outcome = std::make_shared<UploadOutcome>();
  auto exchange = [outcome, url = "http::" + uploadHost + "/upload/01.php?a=" + text] { *outcome = Send(url); };
  auto report = [outcome, sentLine] {
    if (!sentLine.empty()) platform::DebugLog(sentLine);
    LogOutcome(*outcome);
  };
  // While uploads are off the answer is at hand, and the lines keep their place in the log.
  if (!uploadEnabled) {
    exchange();
    report();
    return;
  }
  uploads.Post(std::move(exchange), std::move(report));
}

LogBytes GameLog::sessionLogToByteArray() const {
  if (sessionState == 0) platform::Notify("sessionLogToByteArray called on incomplete session :(", false);
  LogBytes bytes{};
  LogEncoder::PutByte(SessionRecordType, bytes, 1);
  LogEncoder::PutIntBE(uniqueID, bytes, 2);
  LogEncoder::PutShortBE(logNumber, bytes, 6);
  LogEncoder::PutShortBE(sessionDuration, bytes, 8);
  LogEncoder::PutByte(startLevel, bytes, 10);
  LogEncoder::PutByte(endLevel, bytes, 11);
  LogEncoder::PutIntBE(uniqueID, bytes, 12);
  LogEncoder::PutIntBE(uniqueID, bytes, 16);
  CloseLogBytes(bytes, RecordsToBytes(optionRecords, bytes, 20));
  return bytes;
}

LogBytes GameLog::levelLogsToByteArray() const {
  LogBytes bytes{};
  LogEncoder::PutByte(LevelRecordType, bytes, 1);
  LogEncoder::PutIntBE(uniqueID, bytes, 2);
  CloseLogBytes(bytes, RecordsToBytes(levelRecords, bytes, 6));
  return bytes;
}
