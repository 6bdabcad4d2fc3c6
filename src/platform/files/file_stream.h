#pragma once
// Streams over files on disk, opened from game paths ("\" or "/" separated).

#include <cstdio>
#include <string>

#include "platform/files/stream.h"

namespace platform {

class FileStreamBackend : public StreamBackend {
 public:
  FileStreamBackend(std::FILE* file, bool readable, bool writeable);
  ~FileStreamBackend() override;

  size_t Read(void* buffer, size_t size) override;
  size_t Write(const void* buffer, size_t size) override;
  bool AtEnd() override;
  int64_t Position() override;
  int64_t Size() override;
  bool Seek(int64_t position) override;
  // Pushes written bytes through to the disk, not only out of our buffer.
  bool Flush() override;
  void Close() override;
  bool ReadError() override;
  int WriteError() override;

 private:
  enum class LastAccess { None, Read, Write };
  // The C library needs a seek between a read and a following write (and back).
  void SwitchTo(LastAccess access);
  // Keeps errno of the first write, flush or sync that failed: the reason the player is given.
  void NoteWriteError();

  std::FILE* file_;
  bool readable_;
  bool writeable_;
  bool readError_ = false;
  int writeError_ = 0;
  LastAccess last_ = LastAccess::None;
};

// Null when the file cannot be opened in the asked mode, or is a folder.
Stream OpenFileStream(const std::string& gamePath, bool readable, bool writeable);
Stream OpenHostFileStream(const std::string& hostPath, bool readable, bool writeable);

// The host path of a game path: "/" counts as "\" and both become the host's separator.
std::string HostFilePath(const std::string& gamePath);

}  // namespace platform
