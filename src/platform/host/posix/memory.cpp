#include "platform/host/memory.h"

#include <cstdlib>  // defines __GLIBC__ on glibc

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace platform {

void ReturnLargeBlocksWhenFreed() {
#ifdef __GLIBC__
  // glibc's own starting size; setting it at all keeps it from rising.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

}  // namespace platform
