#include <cstdio>
#include <filesystem>

#include "platform/files/file_stream.h"
#include "platform/files/host_file.h"
#include "platform/files/stream.h"

namespace platform {

namespace fs = std::filesystem;

bool FileExists(const std::string& path) {
  std::error_code error;
  return fs::exists(PathFromUtf8(HostFilePath(path)), error);
}

bool FileUnreadable(const std::string& path) {
  const fs::path host = PathFromUtf8(HostFilePath(path));
  std::error_code error;
  if (!fs::exists(host, error)) return false;
  if (fs::is_directory(host, error)) return true;
  std::FILE* file = OpenHostFile(HostFilePath(path), "rb");
  if (file == nullptr) return true;
  std::fclose(file);
  return false;
}

int64_t FileSize(const std::string& path) {
  std::error_code error;
  const auto size = fs::file_size(PathFromUtf8(HostFilePath(path)), error);
  return error ? -1 : static_cast<int64_t>(size);
}

bool DeleteFile(const std::string& path) {
  std::error_code error;
  return fs::remove(PathFromUtf8(HostFilePath(path)), error);
}

bool CreateDir(const std::string& path) {
  std::error_code error;
  return fs::create_directory(PathFromUtf8(HostFilePath(path)), error);
}

bool CopyFile(const std::string& source, const std::string& destination) {
  // Opening the destination would truncate a file copied onto itself.
  std::error_code error;
  if (fs::equivalent(PathFromUtf8(HostFilePath(source)), PathFromUtf8(HostFilePath(destination)), error)) return true;

  Stream from = ReadFile(source);
  if (!from) return false;
  Stream to = WriteFile(destination);
  if (!to) return false;

  uint8_t block[4096];
  while (size_t count = from->ReadBytes(block, sizeof block)) {
    if (to->WriteBytes(block, count) != count) return false;
  }
  return from->ReadsOk() && to->Flush();
}

}  // namespace platform
