#pragma once
// What a decoder promises about anything it returns, so the code that draws
// or mixes it can trust every field. A regression file named "*.refused" is
// run with FUZZ_EXPECT_REFUSED set: the decoder must return nothing for it.

#include <cstdlib>
#include <optional>
#include <string>

#include "fuzz/fuzz_input.h"
#include "platform/render/graphics.h"
#include "platform/codecs/image_codec.h"
#include "platform/audio/sound_data.h"

inline void ExpectRefusedIfAsked(bool decoded) {
  static const bool mustRefuse = std::getenv("FUZZ_EXPECT_REFUSED") != nullptr;
  if (mustRefuse && decoded) FuzzFailure("decoded an input that must be refused");
}

inline void ExpectWellFormed(const std::optional<platform::PixelBuffer>& picture) {
  ExpectRefusedIfAsked(picture.has_value());
  if (!picture) return;
  if (!platform::IsAcceptableImageSize(picture->width, picture->height)) {
    FuzzFailure("decoded a picture of " + std::to_string(picture->width) + " x " + std::to_string(picture->height));
  }
  if (picture->pixels.size() != static_cast<size_t>(picture->width) * static_cast<size_t>(picture->height)) {
    FuzzFailure("a decoded picture holds " + std::to_string(picture->pixels.size()) + " pixels for its size");
  }
}

inline void ExpectWellFormed(const std::optional<platform::SoundData>& sound) {
  ExpectRefusedIfAsked(sound.has_value());
  if (!sound) return;
  if (!platform::IsAcceptableSoundLayout(sound->channels, sound->rate)) {
    FuzzFailure("decoded a sound of " + std::to_string(sound->channels) + " channels at " +
                std::to_string(sound->rate) + " Hz");
  }
  if (sound->samples.size() > platform::kMaxSoundSamples || sound->samples.size() % sound->channels != 0) {
    FuzzFailure("a decoded sound holds " + std::to_string(sound->samples.size()) + " samples");
  }
}
