#include "platform/files/host_file.h"

#include <unistd.h>

#include <cerrno>

#include "platform/files/write_error.h"

namespace platform {

std::FILE* OpenHostFile(const std::string& utf8Path, const char* mode) { return std::fopen(utf8Path.c_str(), mode); }

bool SyncHostFile(std::FILE* file) { return fsync(fileno(file)) == 0 || errno == EINVAL || errno == EROFS; }

std::optional<std::string> ReplaceHostFile(const std::string& fromUtf8, const std::string& toUtf8) {
  // rename replaces the old name in one step; the folder sync that follows puts it on the disk.
  if (std::rename(fromUtf8.c_str(), toUtf8.c_str()) == 0) return std::nullopt;
  return DescribeWriteError(errno);
}

unsigned long HostProcessId() { return static_cast<unsigned long>(getpid()); }

}  // namespace platform
