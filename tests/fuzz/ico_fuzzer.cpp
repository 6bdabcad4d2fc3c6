// A Windows icon file, as the window icon is decoded when the window opens.

#include <cstddef>
#include <cstdint>

#include "fuzz/decoded_checks.h"
#include "platform/codecs/image_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ExpectWellFormed(platform::DecodeIcoBytes(data, size));
  return 0;
}
