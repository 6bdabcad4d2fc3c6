// A RIFF WAVE sound, as the game's sounds are decoded whole when loaded.

#include <cstddef>
#include <cstdint>

#include "fuzz/decoded_checks.h"
#include "platform/codecs/sound_decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ExpectWellFormed(platform::DecodeWave(data, size));
  return 0;
}
