#include "platform/host/diagnostics.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "platform/render/graphics.h"
#include "platform/host/host_dialogs.h"

namespace platform {
namespace {

std::function<void(const std::string&)>& DebugHook() {
  static std::function<void(const std::string&)> hook = [] {
    std::function<void(const std::string&)> fromEnvironment;
    const char* flag = std::getenv("MARROWICK_DEBUGLOG");
    if (flag && *flag && std::string(flag) != "0") {
      fromEnvironment = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
    }
    return fromEnvironment;
  }();
  return hook;
}

std::function<void(const std::string&, bool)> notifyHook;

// The log's uploads report from a thread of their own.
std::recursive_mutex& DebugLogMutex() {
  static std::recursive_mutex mutex;
  return mutex;
}

}  // namespace

void Notify(const std::string& text, bool serious) {
  if (ShowMessageBox(text, serious)) return;
  // No way to show a box (no display): the text still reaches the player's terminal.
  std::fprintf(stderr, "%s: %s\n", CurrentAppTitle().c_str(), text.c_str());
}

bool ShowMessageBox(const std::string& text, bool serious) {
  if (notifyHook) {
    notifyHook(text, serious);
    return true;
  }
  return ShowHostMessageBox(text, serious);
}

void SetNotifyHook(std::function<void(const std::string&, bool)> hook) { notifyHook = std::move(hook); }

void DebugLog(const std::string& text) {
  std::lock_guard lock(DebugLogMutex());
  if (DebugHook()) DebugHook()(text);
}

void SetDebugLogHook(std::function<void(const std::string&)> hook) {
  std::lock_guard lock(DebugLogMutex());
  DebugHook() = std::move(hook);
}

void RuntimeError(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
  std::exit(-1);
}

}  // namespace platform
