#include "services/level_log_record.h"

#include "services/log_record_list.h"

std::shared_ptr<LevelLogRecord> LevelLogRecord::Create(int level, int duration, int finishType, int moves,
                                                       int resets) {
  auto record = std::make_shared<LevelLogRecord>();
  record->level = static_cast<uint8_t>(level);
  record->duration = static_cast<uint16_t>(duration);
  record->finishType = static_cast<uint8_t>(finishType);
  record->moves = static_cast<uint16_t>(moves);
  record->resets = static_cast<uint16_t>(resets);
  return record;
}

int LevelLogRecord::ToBytes(LogBytes& bytes, int position) const {
  LogEncoder::PutByte(2, bytes, position);
  LogEncoder::PutByte(level, bytes, position + 1);
  LogEncoder::PutShortBE(duration, bytes, position + 2);
  LogEncoder::PutByte(finishType, bytes, position + 4);
  LogEncoder::PutShortBE(moves, bytes, position + 5);
  LogEncoder::PutShortBE(resets, bytes, position + 7);
  return position + ByteCount;
}

void LevelLogRecord::Append(std::shared_ptr<LevelLogRecord> record) { AppendToRecordList(next, std::move(record)); }
