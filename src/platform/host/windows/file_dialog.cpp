#include "platform/files/file_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

namespace platform {

namespace {

// The dialog's filter list: description, NUL, patterns joined by ";", NUL, ...,
// ending in a second NUL.
std::string FilterList(const std::vector<FileFilterChoice>& choices) {
  std::string list;
  for (const FileFilterChoice& choice : choices) {
    list += choice.description;
    list += '\0';
    for (size_t i = 0; i < choice.patterns.size(); ++i) list += (i ? ";" : "") + choice.patterns[i];
    list += '\0';
  }
  list += '\0';
  return list;
}

}  // namespace

std::optional<std::string> ShowFileDialog(const std::string& title, const std::vector<FileFilterChoice>& choices,
                                          bool save, const std::string& initialFile, size_t longestPath) {
  const size_t split = initialFile.find_last_of("\\/");
  const std::string folder = split == std::string::npos ? "" : initialFile.substr(0, split + 1);
  const std::string name = split == std::string::npos ? initialFile : initialFile.substr(split + 1);

  // One more than the longest path, so a longer choice fails instead of being cut short.
  std::vector<char> chosen(longestPath + 2, '\0');
  name.copy(chosen.data(), std::min(name.size(), longestPath));
  const std::string filters = FilterList(choices);
  const std::string extension = DefaultExtension(choices);

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = choices.empty() ? nullptr : filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = chosen.data();
  dialog.nMaxFile = static_cast<DWORD>(chosen.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);

  const BOOL accepted = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  if (!accepted) return std::nullopt;
  return std::string(chosen.data());
}

}  // namespace platform
