#include <atomic>
#include <cerrno>
#include <filesystem>
#include <string_view>

#include "platform/host/diagnostics.h"
#include "platform/files/file_stream.h"
#include "platform/files/folder_sync.h"
#include "platform/files/host_file.h"
#include "platform/files/stream.h"
#include "platform/files/write_error.h"

namespace platform {

namespace {

std::function<bool(const std::string&, const std::string&)> renameHook;

// Two copies of the game saving at once never share a temporary file: one
// would write into the other's, or rename it away under it.
std::string TemporaryNameFor(const std::string& target) {
  static std::atomic<unsigned> writes{0};
  return target + "." + std::to_string(HostProcessId()) + "-" + std::to_string(++writes) + ".tmp";
}

// The names above: the file's own name, then "." process "-" count ".tmp".
bool IsTemporaryName(const std::string& name) {
  constexpr std::string_view suffix = ".tmp";
  if (!name.ends_with(suffix)) return false;
  const std::string_view stem(name.data(), name.size() - suffix.size());
  const size_t dot = stem.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return false;
  const std::string_view tag = stem.substr(dot + 1);
  const size_t dash = tag.find('-');
  const auto digits = [](std::string_view part) {
    return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return dash != std::string_view::npos && digits(tag.substr(0, dash)) && digits(tag.substr(dash + 1));
}

// Once the rename is on disk a power cut leaves either the old file or the new
// one, never a folder entry that still points at neither.
std::optional<std::string> RenameOver(const std::string& from, const std::string& to) {
  if (renameHook) return renameHook(from, to) ? std::nullopt : std::optional<std::string>(DescribeWriteError(0));
  if (auto failure = ReplaceHostFile(from, to)) return failure;
  const std::string folder = Utf8FromPath(PathFromUtf8(to).parent_path());
  if (!SyncFolder(folder)) DebugLog("could not sync the folder of " + to + " after saving it");
  return std::nullopt;
}

WriteResult Refused(std::string reason) { return {false, std::move(reason)}; }

}  // namespace

void SetRenameHook(std::function<bool(const std::string& from, const std::string& to)> hook) {
  renameHook = std::move(hook);
}

WriteResult WriteFileAtomically(const std::string& path, const std::function<bool(StreamObject&)>& writer) {
  if (FileUnreadable(path)) return Refused(path + " cannot be read, so it is kept as it is");
  const std::string target = HostFilePath(path);
  const std::string temporary = TemporaryNameFor(target);

  errno = 0;
  Stream stream = OpenHostFileStream(temporary, false, true);
  if (!stream) return Refused(DescribeWriteError(errno));
  bool written = writer(*stream) && stream->Flush();
  stream->Close();
  written = written && stream->WritesOk();

  const std::optional<std::string> failure =
      written ? RenameOver(temporary, target) : DescribeWriteError(stream->WriteError());
  if (!failure) return {true, {}};
  std::error_code error;
  std::filesystem::remove(PathFromUtf8(temporary), error);
  return Refused(*failure);
}

void RemoveAbandonedWrites(const std::string& hostFolder) {
  std::error_code error;
  const std::filesystem::path folder = hostFolder.empty() ? "." : PathFromUtf8(hostFolder);
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    std::error_code ignored;
    if (!entry->is_regular_file(ignored)) continue;
    if (IsTemporaryName(Utf8FromPath(entry->path().filename()))) std::filesystem::remove(entry->path(), ignored);
  }
}

}  // namespace platform
