#pragma once
// Implemented by the host back-end: the modal message box; false when none
// could be shown (no display).

#include <string>

namespace platform {

bool ShowHostMessageBox(const std::string& text, bool serious);

}  // namespace platform
