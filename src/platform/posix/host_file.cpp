#include "platform/host_file.h"

namespace platform {

std::FILE* OpenHostFile(const std::string& utf8Path, const char* mode) { return std::fopen(utf8Path.c_str(), mode); }

}  // namespace platform
