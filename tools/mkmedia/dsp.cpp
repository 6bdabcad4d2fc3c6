#include "dsp.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace mkmedia {

namespace {
constexpr float kTwoPi = 6.28318531f;
}

float MidiToHz(float note) { return 440.0f * std::pow(2.0f, (note - 69) / 12); }
float DbToGain(float db) { return std::pow(10.0f, db / 20); }

Biquad Biquad::LowPass(float hz, float q) {
  Biquad f;
  float w = kTwoPi * hz / kSampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
  f.b0_ = (1 - c) / 2 / a0;
  f.b1_ = (1 - c) / a0;
  f.b2_ = (1 - c) / 2 / a0;
  f.a1_ = -2 * c / a0;
  f.a2_ = (1 - alpha) / a0;
  return f;
}

Biquad Biquad::HighPass(float hz, float q) {
  Biquad f;
  float w = kTwoPi * hz / kSampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
  f.b0_ = (1 + c) / 2 / a0;
  f.b1_ = -(1 + c) / a0;
  f.b2_ = (1 + c) / 2 / a0;
  f.a1_ = -2 * c / a0;
  f.a2_ = (1 - alpha) / a0;
  return f;
}

Biquad Biquad::BandPass(float hz, float q) {
  Biquad f;
  float w = kTwoPi * hz / kSampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
  f.b0_ = alpha / a0;
  f.b1_ = 0;
  f.b2_ = -alpha / a0;
  f.a1_ = -2 * c / a0;
  f.a2_ = (1 - alpha) / a0;
  return f;
}

float Biquad::Process(float x) {
  float y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

float Saw::Next(float hz) {
  float dt = hz / kSampleRate;
  float v = 2 * phase_ - 1;
  // Smooth the jump with a two-sample polynomial (polyBLEP).
  if (phase_ < dt) {
    float t = phase_ / dt;
    v -= t + t - t * t - 1;
  } else if (phase_ > 1 - dt) {
    float t = (phase_ - 1) / dt;
    v -= t * t + t + t + 1;
  }
  phase_ += dt;
  if (phase_ >= 1) phase_ -= 1;
  return v;
}

Reverb::Reverb(float roomSize, float damping) : feedback_(0.7f + 0.28f * roomSize), damping_(damping) {
  // Delay lengths (samples at 44.1 kHz) of the classic tuning; the right
  // channel's are spread a little for width.
  const int combs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
  const int passes[] = {556, 441, 341, 225};
  for (int c : combs) {
    combsL_.push_back(Comb{std::vector<float>(c, 0.0f)});
    combsR_.push_back(Comb{std::vector<float>(c + 23, 0.0f)});
  }
  for (int p : passes) {
    passesL_.push_back(AllPass{std::vector<float>(p, 0.0f)});
    passesR_.push_back(AllPass{std::vector<float>(p + 23, 0.0f)});
  }
}

float Reverb::Channel(float input, std::vector<Comb>& combs, std::vector<AllPass>& passes) {
  float out = 0;
  for (Comb& c : combs) {
    float y = c.buffer[c.index];
    c.store = y * (1 - damping_) + c.store * damping_;
    c.buffer[c.index] = input + c.store * feedback_;
    if (++c.index == c.buffer.size()) c.index = 0;
    out += y;
  }
  for (AllPass& a : passes) {
    float b = a.buffer[a.index];
    a.buffer[a.index] = out + b * 0.5f;
    if (++a.index == a.buffer.size()) a.index = 0;
    out = b - out;
  }
  return out;
}

void Reverb::Apply(Sound& sound, float wet, bool loop) {
  const size_t n = sound.Frames();
  const float input = 0.015f;
  auto feed = [&](size_t i) {
    float mono = (sound.left[i] + sound.right[i]) * input;
    return std::pair<float, float>{Channel(mono, combsL_, passesL_), Channel(mono, combsR_, passesR_)};
  };
  // For a loop, the reverb first hears the loop's last seconds, so its tail
  // is ringing when the loop starts again and the join is seamless.
  if (loop)
    for (size_t i = n - std::min(n, static_cast<size_t>(6 * kSampleRate)); i < n; ++i) feed(i);
  std::vector<std::pair<float, float>> out(n);
  for (size_t i = 0; i < n; ++i) out[i] = feed(i);
  for (size_t i = 0; i < n; ++i) {
    sound.left[i] += out[i].first * wet;
    sound.right[i] += out[i].second * wet;
  }
}

float Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 7;
  state_ ^= state_ << 17;
  return static_cast<float>(static_cast<double>(state_ >> 11) * (2.0 / 9007199254740992.0) - 1.0);
}

}  // namespace mkmedia
