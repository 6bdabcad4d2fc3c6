#pragma once
// The session log's records form singly linked lists through their next field.

#include <memory>

template <class Record>
void AppendToRecordList(std::shared_ptr<Record>& head, std::shared_ptr<Record> record) {
  std::shared_ptr<Record>* slot = &head;
  while (*slot) slot = &(*slot)->next;
  *slot = std::move(record);
}
