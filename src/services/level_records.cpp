#include "services/level_records.h"

#include <algorithm>

#include "platform/files/stream.h"
#include "services/save_report.h"
#include "services/unreadable_file.h"

namespace {

constexpr int AtParFlag = 1;

}  // namespace

void LevelRecords::Load() {
  platform::Stream stream = platform::ReadFile(FileName);
  if (!stream) {
    ReportIfUnreadable(FileName);
    records_.fill({});
    return;
  }
  ReadFrom(*stream);
  stream->Close();
}

void LevelRecords::ReadFrom(platform::StreamObject& stream) {
  records_.fill({});
  // A record cut short by the end of the file reads as zeros from the cut on.
  for (LevelRecord& record : records_) {
    if (stream.Eof()) break;
    record.bestMoves = stream.ReadShort();
    record.hints = stream.ReadByte();
    const int flags = stream.ReadByte();
    // Par is a record of a solve: without a best it means nothing.
    record.atPar = record.bestMoves > 0 && (flags & AtParFlag) != 0;
  }
}

void LevelRecords::NoteSolved(int level, int moves, int par, int hints) {
  if (!IsLevel(level) || moves <= 0) return;
  LevelRecord& record = records_[level];
  const LevelRecord before = record;
  const int counted = std::min(moves, MostMoves);
  if (record.bestMoves == 0 || counted < record.bestMoves) record.bestMoves = counted;
  if (hints == 0 && par > 0 && moves <= par) record.atPar = true;
  if (record.bestMoves != before.bestMoves || record.atPar != before.atPar) Save();
}

void LevelRecords::NoteHint(int level) {
  if (!IsLevel(level)) return;
  records_[level].hints = std::min(records_[level].hints + 1, MostHints);
  Save();
}

void LevelRecords::Forget() {
  records_.fill({});
  Save();
}

LevelRecord LevelRecords::Of(int level) const { return IsLevel(level) ? records_[level] : LevelRecord{}; }

void LevelRecords::Save() const {
  const platform::WriteResult saved =
      platform::WriteFileAtomically(FileName, [this](platform::StreamObject& stream) { return WriteTo(stream); });
  ReportSave("Records", saved);
}

bool LevelRecords::WriteTo(platform::StreamObject& stream) const {
  for (const LevelRecord& record : records_) {
    stream.WriteShort(record.bestMoves);
    stream.WriteByte(record.hints);
    stream.WriteByte(record.atPar ? AtParFlag : 0);
  }
  return stream.WritesOk();
}
