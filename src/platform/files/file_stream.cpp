#include "platform/files/file_stream.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "platform/files/host_file.h"
#include "platform/host/platform.h"

namespace platform {

FileStreamBackend::FileStreamBackend(std::FILE* file, bool readable, bool writeable)
    : file_(file), readable_(readable), writeable_(writeable) {}

FileStreamBackend::~FileStreamBackend() { Close(); }

void FileStreamBackend::SwitchTo(LastAccess access) {
  if (last_ != LastAccess::None && last_ != access) std::fseek(file_, 0, SEEK_CUR);
  last_ = access;
}

size_t FileStreamBackend::Read(void* buffer, size_t size) {
  if (!file_ || !readable_) return 0;
  SwitchTo(LastAccess::Read);
  const size_t count = std::fread(buffer, 1, size, file_);
  if (count < size && std::ferror(file_)) readError_ = true;
  return count;
}

size_t FileStreamBackend::Write(const void* buffer, size_t size) {
  if (!file_ || !writeable_) return 0;
  SwitchTo(LastAccess::Write);
  const size_t count = std::fwrite(buffer, 1, size, file_);
  if (count < size) NoteWriteError();
  return count;
}

void FileStreamBackend::NoteWriteError() {
  if (writeError_ == 0) writeError_ = errno;
}

bool FileStreamBackend::AtEnd() {
  // Asking a write-only file would leave its error flag set and spoil the writes.
  if (!file_ || !readable_) return true;
  SwitchTo(LastAccess::Read);
  const int c = std::fgetc(file_);
  if (c == EOF) {
    if (std::ferror(file_)) readError_ = true;
    return true;
  }
  std::ungetc(c, file_);
  return false;
}

int64_t FileStreamBackend::Position() { return file_ ? std::ftell(file_) : -1; }

int64_t FileStreamBackend::Size() {
  if (!file_) return -1;
  const long here = std::ftell(file_);
  if (here < 0 || std::fseek(file_, 0, SEEK_END) != 0) return -1;
  const long size = std::ftell(file_);
  std::fseek(file_, here, SEEK_SET);
  return size;
}

bool FileStreamBackend::Seek(int64_t position) {
  if (!file_ || position < 0) return false;
  last_ = LastAccess::None;
  return std::fseek(file_, static_cast<long>(position), SEEK_SET) == 0;
}

bool FileStreamBackend::Flush() {
  if (!file_ || !writeable_) return true;
  if (std::fflush(file_) == 0 && SyncHostFile(file_)) return true;
  NoteWriteError();
  return false;
}

void FileStreamBackend::Close() {
  if (!file_) return;
  std::fclose(file_);
  file_ = nullptr;
}

bool FileStreamBackend::ReadError() { return readError_; }

int FileStreamBackend::WriteError() { return writeError_; }

std::string HostFilePath(const std::string& gamePath) {
  std::string path = gamePath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return HostPath(path);
}

Stream OpenFileStream(const std::string& gamePath, bool readable, bool writeable) {
  return OpenHostFileStream(HostFilePath(gamePath), readable, writeable);
}

Stream OpenHostFileStream(const std::string& path, bool readable, bool writeable) {
  if (!readable && !writeable) return nullptr;
  std::error_code error;
  if (std::filesystem::is_directory(PathFromUtf8(path), error)) return nullptr;

  const char* mode = readable && writeable ? "r+b" : writeable ? "wb" : "rb";
  std::FILE* file = OpenHostFile(path, mode);
  if (!file) return nullptr;
  return std::make_shared<StreamObject>(std::make_unique<FileStreamBackend>(file, readable, writeable));
}

}  // namespace platform
