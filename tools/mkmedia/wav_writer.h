#pragma once
#include <string>

#include "sound.h"

namespace mkmedia {

// Writes a RIFF WAVE file: 16-bit PCM, stereo, 44.1 kHz. Samples beyond
// full scale are clipped. Throws std::runtime_error on failure.
void WriteWav(const Sound& sound, const std::string& path);

}  // namespace mkmedia
