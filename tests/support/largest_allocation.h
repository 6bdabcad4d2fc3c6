#pragma once
// The largest single allocation made while a LargestAllocation is alive, read
// through AddressSanitizer's allocation hooks (the Linux test build runs under
// it): how a decoder's cost is bounded without timing anything.

#include <atomic>
#include <cstddef>

// The sanitizer runtime's own call; gcc ships no header for it.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*, size_t),
                                                         void (*freeHook)(const volatile void*));

class LargestAllocation {
 public:
  LargestAllocation() { Largest().store(0); }
  size_t Bytes() const { return Largest().load(); }
  // False in a build without the sanitizer, where nothing is recorded.
  static bool Watching() {
    static const bool installed = __sanitizer_install_malloc_and_free_hooks(Record, Ignore) != 0;
    return installed;
  }

 private:
  static std::atomic<size_t>& Largest() {
    static std::atomic<size_t> largest{0};
    return largest;
  }
  static void Record(const volatile void*, size_t size) {
    size_t seen = Largest().load();
    while (size > seen && !Largest().compare_exchange_weak(seen, size)) {
    }
  }
  static void Ignore(const volatile void*) {}
};
