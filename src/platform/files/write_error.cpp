#include "platform/files/write_error.h"

#include <cctype>
#include <cerrno>
#include <cstring>

namespace platform {

std::string DescribeWriteError(int errorNumber) {
  if (errorNumber == ENOSPC) return "the disk is full";
  if (errorNumber == 0) return "the file could not be written";
  return SystemReason(std::strerror(errorNumber));
}

std::string SystemReason(std::string message) {
  while (!message.empty() && (std::isspace(static_cast<unsigned char>(message.back())) || message.back() == '.')) {
    message.pop_back();
  }
  // "Permission denied" reads on as "permission denied"; a name such as "NTFS" keeps its capitals.
  if (message.size() > 1 && std::isupper(static_cast<unsigned char>(message[0])) &&
      std::islower(static_cast<unsigned char>(message[1]))) {
    message[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(message[0])));
  }
  return message.empty() ? DescribeWriteError(0) : message;
}

}  // namespace platform
