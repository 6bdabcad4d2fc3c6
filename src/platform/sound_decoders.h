#pragma once
// Sound files decoded whole into SoundData: RIFF WAVE (8- or 16-bit PCM, mono or
// stereo, any rate) by our own parser, Ogg Vorbis through libvorbisfile. Input
// is untrusted: truncated, oversized or unknown data gives nullopt, never a crash.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/sound_data.h"

namespace platform {

std::optional<SoundData> DecodeWave(const uint8_t* data, size_t size);
std::optional<SoundData> DecodeVorbis(const uint8_t* data, size_t size);

// The format is chosen by the signature at the start of the bytes.
std::optional<SoundData> DecodeSoundBytes(const uint8_t* data, size_t size);
std::optional<SoundData> DecodeSoundFile(const std::string& hostPath);

}  // namespace platform
