#include "platform/files/file_dialog.h"

#include "platform/host/helper_program.h"

namespace platform {

namespace {

// On this host "*.*" would miss names without a dot; "*" means the same thing.
std::string HostPattern(const std::string& pattern) { return pattern == "*.*" ? "*" : pattern; }

std::string JoinPatterns(const FileFilterChoice& choice) {
  std::string joined;
  for (const std::string& pattern : choice.patterns) joined += (joined.empty() ? "" : " ") + HostPattern(pattern);
  return joined;
}

std::vector<std::string> ZenityArguments(const std::string& title, const std::vector<FileFilterChoice>& choices,
                                         bool save, const std::string& initialFile) {
  std::vector<std::string> arguments = {"--file-selection", "--title=" + title};
  if (save) {
    arguments.push_back("--save");
    arguments.push_back("--confirm-overwrite");
  }
  if (!initialFile.empty()) arguments.push_back("--filename=" + initialFile);
  for (const FileFilterChoice& choice : choices) {
    arguments.push_back("--file-filter=" + choice.description + " | " + JoinPatterns(choice));
  }
  return arguments;
}

std::vector<std::string> KdialogArguments(const std::string& title, const std::vector<FileFilterChoice>& choices,
                                          bool save, const std::string& initialFile) {
  std::string filterLines;
  for (const FileFilterChoice& choice : choices) {
    filterLines += (filterLines.empty() ? "" : "\n") + JoinPatterns(choice) + "|" + choice.description;
  }
  std::vector<std::string> arguments = {"--title", title, save ? "--getsavefilename" : "--getopenfilename",
                                        initialFile.empty() ? "." : initialFile};
  if (!filterLines.empty()) arguments.push_back(filterLines);
  return arguments;
}

}  // namespace

std::optional<std::string> ShowFileDialog(const std::string& title, const std::vector<FileFilterChoice>& choices,
                                          bool save, const std::string& initialFile, size_t longestPath) {
  // Room for the longest path and its line ending; anything longer is refused by the caller.
  if (auto zenity = FindHelperProgram("zenity")) {
    return RunHelperProgram(*zenity, ZenityArguments(title, choices, save, initialFile), longestPath + 2);
  }
  if (auto kdialog = FindHelperProgram("kdialog")) {
    return RunHelperProgram(*kdialog, KdialogArguments(title, choices, save, initialFile), longestPath + 2);
  }
  return std::nullopt;
}

}  // namespace platform
