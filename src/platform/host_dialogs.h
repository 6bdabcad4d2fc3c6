#pragma once
// Implemented by the host back-end: the modal message box.

#include <string>

namespace platform {

void ShowHostMessageBox(const std::string& text, bool serious);

}  // namespace platform
