#pragma once
// An Xvfb server of the benchmark's own, on the first free display from :70,
// ended with the object; and where a program is found on the PATH.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"

// The program's full path, or empty when it is not on the PATH.
inline std::string FindProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/bin:/bin";
  for (size_t start = 0; start <= folders.size();) {
    const size_t end = std::min(folders.find(':', start), folders.size());
    const std::filesystem::path candidate = std::filesystem::path(folders.substr(start, end - start)) / name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
    start = end + 1;
  }
  return "";
}

// An Xvfb server on the first free display from :70.
class VirtualDisplay {
 public:
  VirtualDisplay() {
    const std::string xvfb = FindProgram("Xvfb");
    if (xvfb.empty()) return;
    for (int number = 70; number < 100; ++number) {
      const std::string digits = std::to_string(number);
      const std::filesystem::path socket = std::filesystem::path("/tmp/.X11-unix") / ("X" + digits);
      if (std::filesystem::exists(socket) || std::filesystem::exists(std::filesystem::path("/tmp") / (".X" + digits + "-lock"))) continue;
      name_ = std::string(":").append(digits);
      server_ = std::make_unique<ChildProcess>(
          std::vector<std::string>{xvfb, name_, "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
          std::map<std::string, std::string>{});
      for (int waited = 0; waited < 100 && !std::filesystem::exists(socket); ++waited) std::this_thread::sleep_for(std::chrono::milliseconds(50));
      if (!std::filesystem::exists(socket)) name_.clear();
      return;
    }
  }
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
  std::unique_ptr<ChildProcess> server_;
};
