// A JPEG picture, as the game's pictures are decoded when loaded.

#include <cstddef>
#include <cstdint>

#include "fuzz/decoded_checks.h"
#include "platform/codecs/image_format_decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ExpectWellFormed(platform::DecodeJpegBytes(data, size));
  return 0;
}
