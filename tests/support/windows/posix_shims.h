#pragma once
// Included into every test file of the Windows build: the few POSIX C calls
// the tests use to set up their world, on top of the Windows C library.

#include <direct.h>
#include <io.h>
#include <process.h>
#include <stdlib.h>

#include <cstring>

inline int setenv(const char* name, const char* value, int overwrite) {
  if (!overwrite && getenv(name)) return 0;
  return _putenv_s(name, value);
}

inline int unsetenv(const char* name) { return _putenv_s(name, ""); }

// Replaces the trailing XXXXXX with a name no folder has yet and makes it.
inline char* mkdtemp(char* pattern) {
  const size_t length = std::strlen(pattern);
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (_mktemp_s(pattern, length + 1) != 0) return nullptr;
    if (_mkdir(pattern) == 0) return pattern;
    std::memcpy(pattern + length - 6, "XXXXXX", 6);
  }
  return nullptr;
}

// No AddressSanitizer in this build: its allocation hooks are refused
// (support/largest_allocation.h then reports that it is not watching).
extern "C" inline int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                                 void (*)(const volatile void*)) {
  return 0;
}

#include <ctime>

inline time_t timegm(struct tm* time) { return _mkgmtime(time); }
