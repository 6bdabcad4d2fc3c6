#pragma once
// Sound files into SoundData: RIFF WAVE (8- or 16-bit PCM, mono or stereo, any
// rate) by our own parser, Ogg Vorbis through libvorbisfile. Input is
// untrusted: truncated, oversized or unknown data gives nullopt, never a crash.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/audio/sound_data.h"

namespace platform {

// Decoded whole.
std::optional<SoundData> DecodeWave(const uint8_t* data, size_t size);
std::optional<SoundData> DecodeVorbis(const uint8_t* data, size_t size);
// Decoded, a sound longer than about 12 s of 44.1 kHz stereo is streamed.
constexpr size_t kStreamedAboveBytes = size_t{2} << 20;

// Decoded whole when it decodes to at most `streamAboveBytes`; a longer sound
// passes the same checks and keeps the file, to be decoded as it plays.
std::optional<SoundData> LoadVorbis(std::shared_ptr<const std::vector<uint8_t>> bytes,
                                    size_t streamAboveBytes = kStreamedAboveBytes);

// The format is chosen by the signature at the start of the bytes.
std::optional<SoundData> DecodeSoundBytes(const uint8_t* data, size_t size);
std::optional<SoundData> DecodeSoundFile(const std::string& hostPath);
// As the game loads its sounds: long Ogg files are streamed.
std::optional<SoundData> LoadSoundFile(const std::string& hostPath);

}  // namespace platform
