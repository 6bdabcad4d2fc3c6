#include "platform/files/folder_sync.h"

#include <windows.h>

#include "platform/files/host_file.h"

namespace platform {

bool SyncFolder(const std::string& hostFolder) {
  // A folder is opened as a handle only with backup semantics; writing its
  // buffers out needs write access to it. The path is UTF-8: only its wide
  // form reaches a folder named in letters outside the local code page.
  const HANDLE folder = CreateFileW(PathFromUtf8(hostFolder.empty() ? "." : hostFolder).c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return false;
  // File systems that journal their folders (NTFS) or cannot flush one refuse
  // with these; the rename is then as safe as they allow.
  const bool synced = FlushFileBuffers(folder) || GetLastError() == ERROR_ACCESS_DENIED ||
                      GetLastError() == ERROR_INVALID_FUNCTION;
  CloseHandle(folder);
  return synced;
}

}  // namespace platform
