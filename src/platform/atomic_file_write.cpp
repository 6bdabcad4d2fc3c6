#include <filesystem>

#include "platform/file_stream.h"
#include "platform/folder_sync.h"
#include "platform/host_file.h"
#include "platform/stream.h"

namespace platform {

namespace {

std::function<bool(const std::string&, const std::string&)> renameHook;

// Once the rename is on disk a power cut leaves either the old file or the new
// one, never a folder entry that still points at neither.
bool RenameOver(const std::string& from, const std::string& to) {
  if (renameHook) return renameHook(from, to);
  std::error_code error;
  std::filesystem::rename(PathFromUtf8(from), PathFromUtf8(to), error);
  if (error) return false;
  SyncFolder(Utf8FromPath(PathFromUtf8(to).parent_path()));
  return true;
}

}  // namespace

void SetRenameHook(std::function<bool(const std::string& from, const std::string& to)> hook) {
  renameHook = std::move(hook);
}

bool WriteFileAtomically(const std::string& path, const std::function<bool(StreamObject&)>& writer) {
  if (FileUnreadable(path)) return false;
  const std::string target = HostFilePath(path);
  const std::string temporary = target + ".tmp";

  Stream stream = OpenHostFileStream(temporary, false, true);
  if (!stream) return false;
  bool written = writer(*stream) && stream->Flush();
  stream->Close();
  written = written && stream->WritesOk();

  if (written && RenameOver(temporary, target)) return true;
  std::error_code error;
  std::filesystem::remove(PathFromUtf8(temporary), error);
  return false;
}

}  // namespace platform
