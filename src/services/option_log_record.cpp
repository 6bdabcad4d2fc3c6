#include "services/option_log_record.h"

#include "services/log_record_list.h"

std::shared_ptr<OptionLogRecord> OptionLogRecord::Create(int option, int time, int from, int to) {
  auto record = std::make_shared<OptionLogRecord>();
  record->option = static_cast<uint8_t>(option);
  record->time = static_cast<uint16_t>(time);
  record->from = static_cast<uint8_t>(from);
  record->to = static_cast<uint8_t>(to);
  return record;
}

int OptionLogRecord::ToBytes(LogBytes& bytes, int position) const {
  LogEncoder::PutByte(1, bytes, position);
  LogEncoder::PutByte(option, bytes, position + 1);
  LogEncoder::PutShortBE(time, bytes, position + 2);
  LogEncoder::PutByte(from, bytes, position + 4);
  LogEncoder::PutByte(to, bytes, position + 5);
  return position + ByteCount;
}

void OptionLogRecord::Append(std::shared_ptr<OptionLogRecord> record) { AppendToRecordList(next, std::move(record)); }
