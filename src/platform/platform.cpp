#include "platform/platform.h"

namespace platform {

std::string HostPath(const std::string& gamePath) {
#ifdef _WIN32
  std::string path = gamePath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
#else
  std::string path = gamePath;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
#endif
}

}  // namespace platform
