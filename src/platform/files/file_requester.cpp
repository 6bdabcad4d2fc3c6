#include "platform/files/file_requester.h"

#include <algorithm>
#include <filesystem>

#include "platform/files/file_dialog.h"
#include "platform/files/file_stream.h"
#include "platform/host/platform.h"
#include "platform/files/stream.h"

namespace platform {

namespace {

constexpr size_t LongestPath = 4095;
constexpr char Separator = '\0';

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// The initial path as one host path: the folder up to its last "\" and the name after it.
std::string InitialHostFile(const std::string& initialPath) {
  std::string path = initialPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  const size_t split = path.rfind('\\');
  if (split == std::string::npos) return path;
  const std::string folder = HostPath(path.substr(0, split + 1));
  return folder + path.substr(split + 1);
}

std::string ChosenPath(std::string output, bool save, const std::vector<FileFilterChoice>& choices) {
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  if (output.empty() || output.find('\n') != std::string::npos) return "";

  const std::string extension = DefaultExtension(choices);
  if (save && !extension.empty() && std::filesystem::path(output).extension().empty()) {
    output += "." + extension;
  }
  std::error_code error;
  if (!save && !std::filesystem::is_regular_file(output, error)) return "";
  return output.size() <= LongestPath ? output : "";
}

}  // namespace

std::vector<FileFilterChoice> ConvertFileFilter(const std::string& filter) {
  if (filter.empty()) return {};
  const std::string grouped = filter.find(':') == std::string::npos ? "Files:" + filter : filter;

  // The system's list: every ":" becomes a separator and "*.", every ";" a
  // separator and every "," ";*.", giving description and pattern list in turn.
  std::string list;
  for (char c : grouped) {
    if (c == ':') {
      list += Separator;
      list += "*.";
    } else if (c == ';') {
      list += Separator;
    } else if (c == ',') {
      list += ";*.";
    } else {
      list += c;
    }
  }

  std::vector<FileFilterChoice> choices;
  const std::vector<std::string> fields = SplitAt(list, Separator);
  for (size_t i = 0; i + 1 < fields.size(); i += 2) {
    choices.push_back({fields[i], SplitAt(fields[i + 1], ';')});
  }
  return choices;
}

std::string DefaultExtension(const std::vector<FileFilterChoice>& choices) {
  if (choices.empty() || choices.front().patterns.empty()) return "";
  const std::string& first = choices.front().patterns.front();
  if (first.rfind("*.", 0) != 0) return "";
  const std::string extension = first.substr(2);
  return extension.find_first_of("*?") == std::string::npos ? extension : "";
}

std::string RequestFile(const std::string& title, const std::string& filter, bool save,
                        const std::string& initialPath) {
  const std::vector<FileFilterChoice> choices = ConvertFileFilter(filter);
  const std::string initialFile = initialPath.empty() ? "" : InitialHostFile(initialPath);

  const std::optional<std::string> output = ShowFileDialog(title, choices, save, initialFile, LongestPath);
  return output ? ChosenPath(*output, save, choices) : "";
}

}  // namespace platform
