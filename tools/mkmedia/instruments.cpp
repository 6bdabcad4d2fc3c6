#include "instruments.h"

#include <algorithm>
#include <cmath>

#include "dsp.h"
#include "sound.h"

namespace mkmedia {

namespace {

constexpr double kTwoPi = 6.283185307179586;

size_t Frames(double seconds) { return static_cast<size_t>(seconds * kSampleRate); }

// Attack-decay-sustain-release, t in seconds, gate the held length.
float Adsr(double t, double gate, double a, double d, float s, double r) {
  float level;
  if (t < a) level = static_cast<float>(t / a);
  else if (t < a + d) level = static_cast<float>(1 - (1 - s) * (t - a) / d);
  else level = s;
  if (t > gate) level *= static_cast<float>(std::max(0.0, 1 - (t - gate) / r));
  return level;
}

// Adds amp * exp(-t / tau) * sin(2 pi f t + phase) by the two-pole recurrence,
// which costs two multiplications a sample instead of a sine and an exponential.
void AddDampedSine(Voice& v, double hz, double amp, double tau, double phase = 0) {
  const double w = kTwoPi * hz / kSampleRate, r = std::exp(-1.0 / (tau * kSampleRate));
  const double c = 2 * r * std::cos(w), r2 = r * r;
  double s2 = amp * std::sin(phase - w) / r, s1 = amp * std::sin(phase);
  for (size_t i = 0; i < v.size(); ++i) {
    v[i] += static_cast<float>(s1);
    double s0 = c * s1 - r2 * s2;
    s2 = s1;
    s1 = s0;
  }
}

}  // namespace

Voice Flute(float note, double seconds, float velocity, uint32_t seed) {
  const double release = 0.09;
  Voice v(Frames(seconds + release));
  const double hz = MidiToHz(note);
  Noise noise(seed);
  Biquad breath = Biquad::BandPass(static_cast<float>(hz * 2), 1.2f);
  Biquad chiff = Biquad::BandPass(static_cast<float>(std::min(hz * 4, 9000.0)), 2.0f);
  // The chiff of the attack and the scoop of its pitch both die away exponentially.
  const double chiffDecay = std::exp(-1.0 / (0.035 * kSampleRate)), scoopDecay = std::exp(-1.0 / (0.03 * kSampleRate));
  double chiffLevel = 0.55, scoop = -0.012, phase = 0;
  for (size_t i = 0; i < v.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    float env = Adsr(t, seconds, 0.045, 0.1, 0.82f, release);
    // Vibrato fades in after the note has settled.
    double vib = 0.0055 * std::min(1.0, std::max(0.0, (t - 0.22) / 0.3)) * std::sin(kTwoPi * 5.1 * t);
    phase += kTwoPi * hz * (1 + vib + scoop) / kSampleRate;
    scoop *= scoopDecay;
    // Harmonics 2-4 from the first by the double-angle identities.
    double s1 = std::sin(phase), c1 = std::cos(phase);
    double s2 = 2 * s1 * c1, c2 = 1 - 2 * s1 * s1, s3 = s1 * c2 + c1 * s2, s4 = 2 * s2 * c2;
    double tone = s1 + 0.32 * s2 + 0.11 * s3 + 0.04 * s4;
    float n = noise.Next();
    float air = breath.Process(n) * 0.1f + chiff.Process(n) * static_cast<float>(chiffLevel);
    chiffLevel *= chiffDecay;
    v[i] = (static_cast<float>(tone) * 0.55f + air) * env * velocity;
  }
  return v;
}

Voice Harp(float note, float velocity, double ring) {
  Voice v(Frames(ring));
  const double hz = MidiToHz(note);
  // Higher strings die sooner; higher partials faster still.
  const double tau = 1.3 * std::pow(261.6 / hz, 0.35);
  for (int n = 1; n <= 7; ++n) {
    double f = hz * n * (1 + 0.0004 * n * n);
    if (f > 16000) break;
    double amp = std::pow(static_cast<double>(n), -1.6) * (n == 1 ? 1.0 : 0.8 * velocity + 0.2);
    AddDampedSine(v, f, amp, tau / (1 + 0.55 * (n - 1)));
  }
  for (size_t i = 0; i < v.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    float attack = static_cast<float>(std::min(1.0, t / 0.003));
    float tail = static_cast<float>(std::min(1.0, (ring - t) / 0.05));
    v[i] *= 0.5f * velocity * attack * tail;
  }
  return v;
}

Voice Bass(float note, float velocity, double seconds) {
  const double release = 0.12;
  Voice v(Frames(seconds + release));
  const double hz = MidiToHz(note);
  AddDampedSine(v, hz, 1.0, 0.9);
  AddDampedSine(v, 2 * hz, 0.35, 0.25);
  AddDampedSine(v, 3 * hz, 0.12, 0.12);
  for (size_t i = 0; i < v.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double env = std::min(1.0, t / 0.006);
    if (t > seconds) env *= std::max(0.0, 1 - (t - seconds) / release);
    v[i] *= static_cast<float>(env * 0.6 * velocity);
  }
  return v;
}

Voice Pad(float note, double seconds, float velocity) {
  const double release = 0.9;
  Voice v(Frames(seconds + release));
  const float hz = MidiToHz(note);
  Saw saws[3] = {Saw(0.0f), Saw(0.37f), Saw(0.71f)};
  const float detune[3] = {0.9965f, 1.0f, 1.0041f};
  Biquad low = Biquad::LowPass(std::min(hz * 5, 2400.0f), 0.6f);
  for (size_t i = 0; i < v.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    float env = Adsr(t, seconds, 0.55, 0.3, 0.85f, release);
    float s = 0;
    for (int k = 0; k < 3; ++k) s += saws[k].Next(hz * detune[k]);
    v[i] = low.Process(s / 3) * env * velocity * 0.35f;
  }
  return v;
}

Voice FrameDrum(float velocity, bool accent, uint32_t seed) {
  Voice v(Frames(0.45));
  Noise noise(seed);
  Biquad skin = Biquad::BandPass(accent ? 180.0f : 420.0f, 1.0f);
  Biquad slap = Biquad::BandPass(1800.0f, 1.5f);
  double phase = 0;
  for (size_t i = 0; i < v.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double f = (accent ? 62 : 95) + 70 * std::exp(-t / 0.025);
    phase += kTwoPi * f / kSampleRate;
    double body = std::sin(phase) * std::exp(-t / (accent ? 0.2 : 0.09)) * (accent ? 1.0 : 0.45);
    float n = noise.Next();
    double hit = skin.Process(n) * std::exp(-t / 0.04) * 0.9 + slap.Process(n) * std::exp(-t / 0.012) * (accent ? 0.3 : 0.6);
    double attack = std::min(1.0, t / 0.001);
    v[i] = static_cast<float>((body + hit) * attack * velocity * 0.8);
  }
  return v;
}

Voice Shaker(float velocity, uint32_t seed) {
  Voice v(Frames(0.09));
  Noise noise(seed);
  Biquad high = Biquad::HighPass(6000.0f, 0.8f);
  for (size_t i = 0; i < v.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double env = std::min(1.0, t / 0.012) * std::exp(-std::max(0.0, t - 0.012) / 0.022);
    v[i] = static_cast<float>(high.Process(noise.Next()) * env * velocity * 0.35);
  }
  return v;
}

Voice Bell(float note, float velocity, double seconds) {
  Voice v(Frames(seconds));
  const double hz = MidiToHz(note);
  // Partials of a small tuned bell (hum, prime, tierce, quint, nominal, ...).
  const double ratios[] = {0.5, 1.0, 1.183, 1.506, 2.0, 2.514, 2.662, 3.011, 4.166};
  const double amps[] = {0.25, 1.0, 0.45, 0.3, 0.6, 0.22, 0.15, 0.12, 0.08};
  const double decays[] = {2.2, 1.6, 1.1, 0.9, 0.8, 0.5, 0.45, 0.35, 0.25};
  for (int k = 0; k < 9; ++k)
    if (hz * ratios[k] < 17000) AddDampedSine(v, hz * ratios[k], amps[k], decays[k] * seconds / 5, k);
  for (size_t i = 0; i < v.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    v[i] *= static_cast<float>(0.3 * velocity * std::min(1.0, t / 0.002) * std::min(1.0, (seconds - t) / 0.05));
  }
  return v;
}

Voice Marimba(float note, float velocity) {
  const double seconds = 0.9;
  Voice v(Frames(seconds));
  const double hz = MidiToHz(note);
  AddDampedSine(v, hz, 1.0, 0.35);
  AddDampedSine(v, hz * 3.93, 0.35, 0.09);
  AddDampedSine(v, hz * 9.2, 0.08, 0.03);
  for (size_t i = 0; i < v.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    v[i] *= static_cast<float>(0.5 * velocity * std::min(1.0, t / 0.0015) * std::min(1.0, (seconds - t) / 0.05));
  }
  return v;
}

Voice Ooh(float note, double seconds, float velocity, uint32_t seed) {
  Voice v(Frames(seconds));
  const float hz = MidiToHz(note);
  Saw glottis(0.13f * (seed % 7));
  Noise breath(seed);
  // Formants of "oo", and a gentle low-pass for a soft, distant choir.
  Biquad f1 = Biquad::BandPass(320.0f, 5.0f), f2 = Biquad::BandPass(800.0f, 7.0f), f3 = Biquad::BandPass(2400.0f, 9.0f);
  Biquad soften = Biquad::LowPass(3200.0f, 0.7f);
  const double vibRate = 4.8 + (seed % 5) * 0.15;
  for (size_t i = 0; i < v.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double swell = std::sin(std::min(1.0, t / seconds) * 3.14159265);
    double env = std::pow(swell, 0.7) * std::min(1.0, (seconds - t) / 0.06);
    double vib = 1 + 0.006 * std::sin(6.2831853 * vibRate * t) * std::min(1.0, t / 0.25);
    float src = glottis.Next(static_cast<float>(hz * vib)) + breath.Next() * 0.08f;
    float s = f1.Process(src) * 1.0f + f2.Process(src) * 0.35f + f3.Process(src) * 0.08f;
    v[i] = soften.Process(s) * static_cast<float>(env) * velocity * 1.6f;
  }
  return v;
}

}  // namespace mkmedia
