#pragma once
// The pictures under construction: straight-alpha float RGBA pixels, and
// single-channel masks (coverage, height fields) that are composed into them.

#include <cstdint>
#include <vector>

#include "color.h"

namespace mkmedia {

enum class Blend {
  Over,      // ordinary painting
  Add,       // light: colour times alpha added to what is there
  Multiply,  // darkening: what is there times the colour
  Replace    // copy, alpha included
};

class Mask {
 public:
  Mask() = default;
  Mask(int width, int height, float fill = 0.0f);
  int Width() const { return width_; }
  int Height() const { return height_; }
  float& At(int x, int y) { return values_[static_cast<size_t>(y) * width_ + x]; }
  float At(int x, int y) const { return values_[static_cast<size_t>(y) * width_ + x]; }
  float AtWrapped(int x, int y) const;
  float AtClamped(int x, int y) const;
  std::vector<float>& Values() { return values_; }
  const std::vector<float>& Values() const { return values_; }

 private:
  int width_ = 0, height_ = 0;
  std::vector<float> values_;
};

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgba fill = {0, 0, 0, 0});
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgba& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const Rgba& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  // Paints one pixel; coverage scales the colour's alpha. Out-of-range pixels
  // are dropped unless wrap is set, when they land on the opposite side.
  void Put(int x, int y, Rgba c, float coverage, Blend mode, bool wrap = false);
  void Paste(const Image& src, int dx, int dy, Blend mode = Blend::Over, float opacity = 1.0f);
  Image Crop(int x, int y, int w, int h) const;
  // Every pixel's alpha times the mask's value.
  void MultiplyAlpha(const Mask& mask);
  Mask Alpha() const;

  // 8-bit RGBA rows, rounded, for the file writers.
  std::vector<uint8_t> ToRgba8() const;
  bool IsOpaque() const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<Rgba> pixels_;
};

void BlendPixel(Rgba& dst, Rgba c, float coverage, Blend mode);

}  // namespace mkmedia
