#pragma once
// Colours as straight (not premultiplied) RGBA floats in 0..1, sRGB-encoded.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace mkmedia {

struct Rgba {
  float r = 0, g = 0, b = 0, a = 1;
};

inline float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

inline Rgba Hex(uint32_t rgb, float alpha = 1.0f) {
  return {static_cast<float>((rgb >> 16) & 255) / 255.0f, static_cast<float>((rgb >> 8) & 255) / 255.0f,
          static_cast<float>(rgb & 255) / 255.0f, alpha};
}

inline Rgba WithAlpha(Rgba c, float a) { return {c.r, c.g, c.b, a}; }

inline Rgba Mix(Rgba a, Rgba b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

// Scales the colour channels, keeping alpha.
inline Rgba Shade(Rgba c, float k) { return {c.r * k, c.g * k, c.b * k, c.a}; }

inline Rgba Lighten(Rgba c, float t) { return Mix(c, Rgba{1, 1, 1, c.a}, t); }
inline Rgba Darken(Rgba c, float t) { return Mix(c, Rgba{0, 0, 0, c.a}, t); }

inline float Luma(Rgba c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

inline float SmoothStep(float e0, float e1, float x) {
  float t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

// A colour ramp through evenly spaced stops, t in 0..1.
inline Rgba Ramp(std::initializer_list<Rgba> stops, float t) {
  const Rgba* s = stops.begin();
  const size_t n = stops.size();
  if (n == 1) return s[0];
  float f = Clamp01(t) * static_cast<float>(n - 1);
  size_t i = std::min(static_cast<size_t>(f), n - 2);
  return Mix(s[i], s[i + 1], f - static_cast<float>(i));
}

}  // namespace mkmedia
