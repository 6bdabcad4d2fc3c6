#pragma once
// The host's open or save dialog behind RequestFile, one per back-end folder:
// a helper program such as zenity on POSIX systems, comdlg32 on Windows.

#include <optional>
#include <string>
#include <vector>

#include "platform/files/file_requester.h"

namespace platform {

// The path the player chose, as the dialog gave it (the caller checks it);
// nothing when the player cancelled or no dialog could be shown. initialFile is
// a host path: the folder up to its last separator and the name after it.
std::optional<std::string> ShowFileDialog(const std::string& title, const std::vector<FileFilterChoice>& choices,
                                          bool save, const std::string& initialFile, size_t longestPath);

}  // namespace platform
