#pragma once
// Message boxes, the debug log and fatal errors.

#include <functional>
#include <string>

namespace platform {

// A message box; where none can be shown the text goes to standard error.
void Notify(const std::string& text, bool serious = false);
// Only the box, for text already said on standard error; false when none could be shown.
bool ShowMessageBox(const std::string& text, bool serious = false);
// Replaces the message box (tests record messages instead of blocking on them).
void SetNotifyHook(std::function<void(const std::string&, bool)> hook);

// Debug lines go nowhere unless a hook is installed; MARROWICK_DEBUGLOG=1 in the
// environment installs one that prints them to standard error.
void DebugLog(const std::string& text);
void SetDebugLogHook(std::function<void(const std::string&)> hook);

[[noreturn]] void RuntimeError(const std::string& text);

}  // namespace platform
