#pragma once
#include <string>

#include "sound.h"

namespace mkmedia {

// Encodes the sound as Ogg Vorbis (stereo, 44.1 kHz, VBR at the given
// quality, -0.1 to 1). The stream serial number is fixed by `serial`, so the
// same sound always gives the same bytes. Throws std::runtime_error on failure.
void WriteOgg(const Sound& sound, const std::string& path, float quality, int serial);

}  // namespace mkmedia
