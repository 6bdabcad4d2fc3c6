#pragma once
// Shared by the media tests: where the generated media are, and small
// measurements of decoded pictures.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/render/graphics.h"
#include "platform/codecs/image_codec.h"

namespace media_test {

// The build folder the game runs from (media/ and chest.ico live there).
inline std::filesystem::path GameDir() {
  const char* dir = std::getenv("MARROWICK_GAME_DIR");
  return dir ? std::filesystem::path(dir) : std::filesystem::path();
}

inline std::filesystem::path MediaPath(const std::string& relative) { return GameDir() / "media" / relative; }

inline std::optional<platform::PixelBuffer> LoadPicture(const std::string& relative) {
  return platform::DecodeImageFile(MediaPath(relative).string());
}

struct Texel {
  float r, g, b, a;
};

inline Texel At(const platform::PixelBuffer& p, int x, int y) {
  uint32_t v = p.pixels[static_cast<size_t>(y) * p.width + x];
  return {(v & 0xFF) / 255.0f, ((v >> 8) & 0xFF) / 255.0f, ((v >> 16) & 0xFF) / 255.0f, (v >> 24) / 255.0f};
}

inline float Luma(const Texel& t) { return 0.299f * t.r + 0.587f * t.g + 0.114f * t.b; }

// Mean colour of the visible pixels of a rectangle, weighted by alpha.
inline Texel MeanColour(const platform::PixelBuffer& p, int x0, int y0, int w, int h) {
  double r = 0, g = 0, b = 0, a = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) {
      Texel t = At(p, x, y);
      r += t.r * t.a;
      g += t.g * t.a;
      b += t.b * t.a;
      a += t.a;
    }
  if (a <= 0) return {0, 0, 0, 0};
  return {static_cast<float>(r / a), static_cast<float>(g / a), static_cast<float>(b / a),
          static_cast<float>(a / (w * h))};
}

// "back/back07" and friends may be PNG or JPEG; the game tries PNG first.
inline std::string WithPictureExtension(const std::string& stem) {
  return std::filesystem::exists(MediaPath(stem + ".png")) ? stem + ".png" : stem + ".jpg";
}

inline std::string TwoDigits(int i) {
  std::string digits = std::to_string(i);
  if (digits.size() < 2) digits.insert(digits.begin(), '0');
  return digits;
}

}  // namespace media_test
