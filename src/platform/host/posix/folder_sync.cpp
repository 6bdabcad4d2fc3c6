#include "platform/files/folder_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

bool SyncFolder(const std::string& hostFolder) {
  const int fd = open(hostFolder.empty() ? "." : hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  // Some file systems cannot sync a folder at all; the rename is as safe as they allow.
  const bool synced = fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
  close(fd);
  return synced;
}

}  // namespace platform
