#include "platform/files/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files/host_file.h"

namespace platform {

FolderLock::FolderLock(const std::string& hostFolder) {
  const std::string path = Utf8FromPath(PathFromUtf8(hostFolder.empty() ? "." : hostFolder) / FileName);
  // Not inherited: a helper program started by the game (a file dialog) would
  // otherwise hold the lock on after the game was killed.
  const int file = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
  if (file < 0) return;
  if (flock(file, LOCK_EX | LOCK_NB) == 0) {
    handle_ = file;
    state_ = State::Held;
    return;
  }
  if (errno == EWOULDBLOCK) state_ = State::HeldElsewhere;
  close(file);
}

FolderLock::~FolderLock() {
  if (handle_ >= 0) close(static_cast<int>(handle_));
}

}  // namespace platform
