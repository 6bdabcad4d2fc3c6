#include "sound.h"

#include <cmath>

namespace mkmedia {

void MixVoice(Sound& sound, const std::vector<float>& voice, long at, float gain, float pan, bool wrap) {
  const long n = static_cast<long>(sound.Frames());
  if (n == 0) return;
  const float angle = (pan + 1) * 0.25f * 3.14159265f;
  const float gl = gain * std::cos(angle) * 1.41421356f, gr = gain * std::sin(angle) * 1.41421356f;
  for (size_t i = 0; i < voice.size(); ++i) {
    long f = at + static_cast<long>(i);
    if (wrap) {
      f %= n;
      if (f < 0) f += n;
    } else if (f < 0 || f >= n) {
      continue;
    }
    sound.left[f] += voice[i] * gl;
    sound.right[f] += voice[i] * gr;
  }
}

}  // namespace mkmedia
