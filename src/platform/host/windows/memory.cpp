#include "platform/host/memory.h"

namespace platform {

// The Windows heap already serves blocks above about a megabyte from pages of
// their own and releases them on free.
void ReturnLargeBlocksWhenFreed() {}

}  // namespace platform
