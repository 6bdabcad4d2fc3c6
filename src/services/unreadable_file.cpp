#include "services/unreadable_file.h"

#include <cstdio>

#include "platform/files/stream.h"

bool ReportIfUnreadable(const std::string& fileName) {
  if (!platform::FileUnreadable(fileName)) return false;
  std::fprintf(stderr, "Marrowick: could not read %s; playing on without it, and it will not be saved over.\n",
               fileName.c_str());
  std::fflush(stderr);
  return true;
}
