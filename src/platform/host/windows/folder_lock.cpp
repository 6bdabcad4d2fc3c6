#include "platform/files/folder_lock.h"

#include <windows.h>

#include "platform/files/host_file.h"

namespace platform {

FolderLock::FolderLock(const std::string& hostFolder) {
  const std::filesystem::path path = PathFromUtf8(hostFolder.empty() ? "." : hostFolder) / FileName;
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  OVERLAPPED first{};
  if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &first)) {
    handle_ = reinterpret_cast<intptr_t>(file);
    state_ = State::Held;
    return;
  }
  if (GetLastError() == ERROR_LOCK_VIOLATION) state_ = State::HeldElsewhere;
  CloseHandle(file);
}

FolderLock::~FolderLock() {
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace platform
