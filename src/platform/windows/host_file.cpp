#include "platform/host_file.h"

#include <string>

namespace platform {

std::FILE* OpenHostFile(const std::string& utf8Path, const char* mode) {
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(PathFromUtf8(utf8Path).c_str(), wideMode.c_str());
}

}  // namespace platform
