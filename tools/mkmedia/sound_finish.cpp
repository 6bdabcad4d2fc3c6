#include "sound_finish.h"

#include <algorithm>
#include <cmath>

#include "dsp.h"

namespace mkmedia {

namespace {

float PeakOf(const Sound& sound) {
  float peak = 0;
  for (size_t i = 0; i < sound.Frames(); ++i) peak = std::max({peak, std::fabs(sound.left[i]), std::fabs(sound.right[i])});
  return peak;
}

}  // namespace

void Normalise(Sound& sound, float peakDb) {
  const float peak = PeakOf(sound);
  if (peak <= 0) return;
  const float k = DbToGain(peakDb) / peak;
  for (size_t i = 0; i < sound.Frames(); ++i) {
    sound.left[i] *= k;
    sound.right[i] *= k;
  }
}

void FadeEdges(Sound& sound, double inSeconds, double outSeconds) {
  const size_t n = sound.Frames();
  const size_t fadeIn = std::min(n, static_cast<size_t>(inSeconds * kSampleRate));
  const size_t fadeOut = std::min(n, static_cast<size_t>(outSeconds * kSampleRate));
  for (size_t i = 0; i < fadeIn; ++i) {
    float g = static_cast<float>(0.5 - 0.5 * std::cos(3.14159265358979 * i / fadeIn));
    sound.left[i] *= g;
    sound.right[i] *= g;
  }
  for (size_t i = 0; i < fadeOut; ++i) {
    float g = static_cast<float>(0.5 - 0.5 * std::cos(3.14159265358979 * i / fadeOut));
    sound.left[n - 1 - i] *= g;
    sound.right[n - 1 - i] *= g;
  }
}

void RemoveOffset(Sound& sound) {
  const size_t n = sound.Frames();
  if (n == 0) return;
  double l = 0, r = 0;
  for (size_t i = 0; i < n; ++i) {
    l += sound.left[i];
    r += sound.right[i];
  }
  const float ml = static_cast<float>(l / n), mr = static_cast<float>(r / n);
  for (size_t i = 0; i < n; ++i) {
    sound.left[i] -= ml;
    sound.right[i] -= mr;
  }
}

}  // namespace mkmedia
