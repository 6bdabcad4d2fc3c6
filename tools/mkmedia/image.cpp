#include "image.h"

#include <cmath>

namespace mkmedia {

namespace {

int Wrap(int v, int n) {
  int m = v % n;
  return m < 0 ? m + n : m;
}

}  // namespace

Mask::Mask(int width, int height, float fill)
    : width_(width), height_(height), values_(static_cast<size_t>(width) * height, fill) {}

float Mask::AtWrapped(int x, int y) const { return At(Wrap(x, width_), Wrap(y, height_)); }

float Mask::AtClamped(int x, int y) const {
  return At(std::clamp(x, 0, width_ - 1), std::clamp(y, 0, height_ - 1));
}

Image::Image(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void BlendPixel(Rgba& dst, Rgba c, float coverage, Blend mode) {
  float a = Clamp01(c.a * coverage);
  switch (mode) {
    case Blend::Over: {
      if (a <= 0) return;
      float outA = a + dst.a * (1 - a);
      if (outA <= 1e-7f) {
        dst = {0, 0, 0, 0};
        return;
      }
      float k = dst.a * (1 - a);
      dst.r = (c.r * a + dst.r * k) / outA;
      dst.g = (c.g * a + dst.g * k) / outA;
      dst.b = (c.b * a + dst.b * k) / outA;
      dst.a = outA;
      return;
    }
    case Blend::Add:
      dst.r = Clamp01(dst.r + c.r * a);
      dst.g = Clamp01(dst.g + c.g * a);
      dst.b = Clamp01(dst.b + c.b * a);
      return;
    case Blend::Multiply:
      dst.r *= 1 - a + a * c.r;
      dst.g *= 1 - a + a * c.g;
      dst.b *= 1 - a + a * c.b;
      return;
    case Blend::Replace: {
      float t = Clamp01(coverage);
      dst = Mix(dst, c, t);
      return;
    }
  }
}

void Image::Put(int x, int y, Rgba c, float coverage, Blend mode, bool wrap) {
  if (wrap) {
    x = Wrap(x, width_);
    y = Wrap(y, height_);
  } else if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    return;
  }
  BlendPixel(At(x, y), c, coverage, mode);
}

void Image::Paste(const Image& src, int dx, int dy, Blend mode, float opacity) {
  for (int y = 0; y < src.Height(); ++y)
    for (int x = 0; x < src.Width(); ++x) Put(dx + x, dy + y, src.At(x, y), opacity, mode);
}

Image Image::Crop(int x, int y, int w, int h) const {
  Image out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) out.At(i, j) = At(x + i, y + j);
  return out;
}

void Image::MultiplyAlpha(const Mask& mask) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) At(x, y).a *= mask.At(x, y);
}

Mask Image::Alpha() const {
  Mask m(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) m.At(x, y) = At(x, y).a;
  return m;
}

std::vector<uint8_t> Image::ToRgba8() const {
  std::vector<uint8_t> out(pixels_.size() * 4);
  auto q = [](float v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f)); };
  for (size_t i = 0; i < pixels_.size(); ++i) {
    const Rgba& p = pixels_[i];
    uint8_t* o = &out[i * 4];
    o[3] = q(p.a);
    if (o[3] == 0) continue;
    o[0] = q(p.r);
    o[1] = q(p.g);
    o[2] = q(p.b);
    // A loader that masks pure black would punch holes in the picture.
    if (o[0] == 0 && o[1] == 0 && o[2] == 0) o[2] = 1;
  }
  // Transparent pixels take the colour of their visible neighbours, so a
  // filtered texture shows no dark fringe along the edges.
  for (int pass = 0; pass < 2; ++pass) {
    std::vector<uint8_t> next = out;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        size_t i = (static_cast<size_t>(y) * width_ + x) * 4;
        if (out[i + 3] != 0 || (pass == 1 && out[i] + out[i + 1] + out[i + 2] != 0)) continue;
        int sum[3] = {0, 0, 0}, n = 0;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= width_ || ny >= height_) continue;
            size_t j = (static_cast<size_t>(ny) * width_ + nx) * 4;
            if (out[j + 3] == 0 && (pass == 0 || out[j] + out[j + 1] + out[j + 2] == 0)) continue;
            for (int c = 0; c < 3; ++c) sum[c] += out[j + c];
            ++n;
          }
        if (n == 0) continue;
        for (int c = 0; c < 3; ++c) next[i + c] = static_cast<uint8_t>(sum[c] / n);
      }
    out.swap(next);
  }
  return out;
}

bool Image::IsOpaque() const {
  for (const Rgba& p : pixels_)
    if (p.a < 254.5f / 255.0f) return false;
  return true;
}

}  // namespace mkmedia
