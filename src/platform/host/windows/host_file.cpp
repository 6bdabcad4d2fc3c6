#include "platform/files/host_file.h"

#include <windows.h>
#include <io.h>

#include <cerrno>
#include <string>

#include "platform/files/write_error.h"

namespace platform {

namespace {

std::string Utf8FromWide(const wchar_t* wide, int length) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) WideCharToMultiByte(CP_UTF8, 0, wide, length, text.data(), size, nullptr, nullptr);
  return text;
}

std::string DescribeHostError(DWORD error) {
  if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL) return DescribeWriteError(ENOSPC);
  wchar_t* message = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  std::string text = length > 0 ? Utf8FromWide(message, static_cast<int>(length)) : std::string();
  LocalFree(message);
  return text.empty() ? "error " + std::to_string(error) : SystemReason(text);
}

}  // namespace

std::FILE* OpenHostFile(const std::string& utf8Path, const char* mode) {
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(PathFromUtf8(utf8Path).c_str(), wideMode.c_str());
}

bool SyncHostFile(std::FILE* file) { return _commit(_fileno(file)) == 0; }

std::optional<std::string> ReplaceHostFile(const std::string& fromUtf8, const std::string& toUtf8) {
  // Write-through: the call returns once the rename itself is on the disk, so
  // a save that counts as done survives a power cut. No copying across
  // volumes: within one folder it could only turn the one-step rename into a
  // copy that a crash can cut short.
  if (MoveFileExW(PathFromUtf8(fromUtf8).c_str(), PathFromUtf8(toUtf8).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return std::nullopt;
  }
  return DescribeHostError(GetLastError());
}

unsigned long HostProcessId() { return GetCurrentProcessId(); }

}  // namespace platform
