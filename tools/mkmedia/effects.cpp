#include "effects.h"

#include <cmath>

#include "dsp.h"
#include "instruments.h"
#include "sound_finish.h"

namespace mkmedia {

namespace {

constexpr double kTwoPi = 6.283185307179586;

long At(double seconds) { return static_cast<long>(seconds * kSampleRate); }

// Reverb, clean edges and a common level for the one-shot effects.
Sound Finish(Sound sound, float room, float wet, float peakDb = -3.0f) {
  Reverb reverb(room, 0.4f);
  reverb.Apply(sound, wet, false);
  RemoveOffset(sound);
  FadeEdges(sound, 0.002, 0.04);
  Normalise(sound, peakDb);
  return sound;
}

}  // namespace

Sound RollingLoop() {
  // A soft rumble of a ball on a board, with a slow swell like distant surf.
  // Everything is periodic over the loop, and the filters run through it
  // twice, so the end flows into the start.
  const double seconds = 4.0;
  Sound loop = Sound::Seconds(seconds);
  const size_t n = loop.Frames();
  for (int channel = 0; channel < 2; ++channel) {
    Noise noise(700 + channel);
    std::vector<float> source(n);
    for (float& s : source) s = noise.Next();
    Biquad low = Biquad::LowPass(420.0f, 0.6f), body = Biquad::BandPass(140.0f, 1.4f), hiss = Biquad::BandPass(1800.0f, 0.8f);
    std::vector<float>& out = channel ? loop.right : loop.left;
    for (int pass = 0; pass < 2; ++pass)
      for (size_t i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        // Whole numbers of cycles per loop keep the modulation seamless.
        double swell = 0.65 + 0.25 * std::sin(kTwoPi * t / seconds + channel) + 0.1 * std::sin(kTwoPi * 3 * t / seconds);
        double patter = 0.85 + 0.15 * std::sin(kTwoPi * 36 * t / seconds);
        float x = source[i];
        float s = low.Process(x) * 0.9f + body.Process(x) * 1.6f + hiss.Process(x) * 0.05f * static_cast<float>(swell);
        if (pass == 1) out[i] = s * static_cast<float>(swell * patter);
      }
  }
  RemoveOffset(loop);
  Normalise(loop, -9.0f);
  return loop;
}

Sound ChimeSound() {
  Sound s = Sound::Seconds(1.6);
  MixVoice(s, Bell(81, 0.9f, 1.5), 0, 0.6f, -0.3f, false);
  MixVoice(s, Bell(88, 0.7f, 1.4), At(0.06), 0.5f, 0.3f, false);
  MixVoice(s, Bell(93, 0.45f, 1.3), At(0.12), 0.4f, 0.0f, false);
  return Finish(s, 0.5f, 0.35f, -2.0f);
}

Sound OohSound() {
  // A small choir on an open fifth and octave of A, swelling and fading.
  Sound s = Sound::Seconds(1.8);
  const float notes[] = {57, 64, 69, 69.08f, 76};
  const float pans[] = {-0.5f, 0.4f, -0.15f, 0.2f, 0.55f};
  for (int k = 0; k < 5; ++k)
    MixVoice(s, Ooh(notes[k], 1.35, k == 4 ? 0.5f : 0.8f, 40 + k), At(0.01 * k), 0.5f, pans[k], false);
  return Finish(s, 0.7f, 0.6f);
}

Sound OohOohSound() {
  // Two chords rising: A major, then D major, with a bell on top.
  Sound s = Sound::Seconds(3.0);
  const float first[] = {57, 61, 64, 69, 73}, second[] = {62, 66, 69, 74, 78};
  for (int k = 0; k < 5; ++k) {
    const float pans[] = {0.0f, -0.45f, 0.45f, -0.2f, 0.25f};
    float pan = pans[k];
    MixVoice(s, Ooh(first[k], 0.8, 0.75f, 60 + k), At(0.01 * k), 0.45f, pan, false);
    MixVoice(s, Ooh(second[k], 1.6, 0.85f, 70 + k), At(0.7 + 0.01 * k), 0.45f, pan, false);
  }
  MixVoice(s, Bell(86, 0.6f, 1.8), At(0.72), 0.35f, 0.2f, false);
  MixVoice(s, Bell(90, 0.45f, 1.6), At(0.8), 0.3f, -0.2f, false);
  return Finish(s, 0.8f, 0.6f);
}

Sound DoorShutSound() {
  // A short creak, then a heavy wooden thud that booms in a hall.
  Sound s = Sound::Seconds(1.6);
  Noise noise(800);
  std::vector<float> creak(At(0.32)), thud(At(1.2));
  Saw rasp(0.1f);
  Biquad creakBody = Biquad::BandPass(900.0f, 3.0f);
  for (size_t i = 0; i < creak.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    float hz = static_cast<float>(48 + 30 * t + 6 * std::sin(kTwoPi * 13 * t));
    double env = std::sin(3.14159265 * t / 0.32);
    creak[i] = creakBody.Process(rasp.Next(hz)) * static_cast<float>(env * 0.6);
  }
  Biquad knock = Biquad::LowPass(300.0f, 0.8f), wood = Biquad::BandPass(220.0f, 2.0f);
  double phase = 0;
  for (size_t i = 0; i < thud.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    phase += kTwoPi * (45 + 40 * std::exp(-t / 0.05)) / kSampleRate;
    double boom = std::sin(phase) * std::exp(-t / 0.28);
    float n = noise.Next();
    double crack = knock.Process(n) * std::exp(-t / 0.06) * 1.5 + wood.Process(n) * std::exp(-t / 0.12) * 1.2;
    thud[i] = static_cast<float>((boom + crack) * std::min(1.0, t / 0.002));
  }
  MixVoice(s, creak, 0, 0.35f, -0.2f, false);
  MixVoice(s, thud, At(0.3), 1.0f, 0.0f, false);
  return Finish(s, 0.85f, 0.8f);
}

Sound LockOpenSound() {
  // Do-do-do: three rising notes on a wooden bar, bright and glad.
  Sound s = Sound::Seconds(1.4);
  const float notes[] = {74, 78, 81, 86};
  for (int k = 0; k < 4; ++k) MixVoice(s, Marimba(notes[k], k == 3 ? 0.7f : 0.9f), At(0.1 * k), 0.6f, -0.3f + 0.2f * k, false);
  MixVoice(s, Bell(98, 0.3f, 1.0), At(0.3), 0.2f, 0.3f, false);
  return Finish(s, 0.6f, 0.45f);
}

Sound LockCloseSound() {
  // Woom: a low hollow tone that swells and sinks.
  Sound s = Sound::Seconds(1.2);
  std::vector<float> tone(At(1.1));
  Saw saw(0.0f);
  Biquad hollow = Biquad::LowPass(700.0f, 2.5f), throat = Biquad::BandPass(330.0f, 2.0f);
  double phase = 0;
  for (size_t i = 0; i < tone.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    float hz = static_cast<float>(165 * std::pow(0.55, t / 1.1));
    phase += kTwoPi * hz / kSampleRate;
    double env = std::pow(std::sin(3.14159265 * std::min(1.0, t / 1.1)), 0.6) * std::exp(-t / 0.7);
    float x = saw.Next(hz) * 0.3f + static_cast<float>(std::sin(phase));
    tone[i] = (hollow.Process(x) * 0.7f + throat.Process(x) * 0.8f) * static_cast<float>(env);
  }
  MixVoice(s, tone, 0, 1.0f, 0.0f, false);
  return Finish(s, 0.7f, 0.5f);
}

Sound TeleportSound() {
  // A rising shimmer: a swept tone with a whoosh of air and sparkles on top.
  Sound s = Sound::Seconds(1.0);
  Noise noise(900);
  std::vector<float> sweep(At(0.7)), whoosh(At(0.7));
  double phase = 0, modPhase = 0;
  for (size_t i = 0; i < sweep.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double hz = 300 * std::pow(6.0, t / 0.7);
    modPhase += kTwoPi * hz * 1.5 / kSampleRate;
    phase += kTwoPi * hz / kSampleRate;
    double env = std::sin(3.14159265 * t / 0.7);
    sweep[i] = static_cast<float>(std::sin(phase + 1.5 * std::sin(modPhase)) * env * 0.5);
  }
  Biquad air = Biquad::BandPass(2500.0f, 0.7f);
  for (size_t i = 0; i < whoosh.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double env = std::sin(3.14159265 * t / 0.7);
    whoosh[i] = air.Process(noise.Next()) * static_cast<float>(env * env * 0.7);
  }
  MixVoice(s, sweep, 0, 0.8f, -0.2f, false);
  MixVoice(s, whoosh, 0, 0.6f, 0.3f, false);
  const float sparkles[] = {96, 100, 103, 108};
  for (int k = 0; k < 4; ++k) MixVoice(s, Bell(sparkles[k], 0.4f, 0.5), At(0.3 + 0.07 * k), 0.18f, k % 2 ? 0.5f : -0.5f, false);
  return Finish(s, 0.6f, 0.5f);
}

Sound PageTurnSound() {
  // Paper flicked over: two quick rustles, the second brighter.
  Sound s = Sound::Seconds(0.6);
  Noise noise(1000);
  for (int part = 0; part < 2; ++part) {
    const double length = part ? 0.22 : 0.16;
    std::vector<float> rustle(At(length));
    Biquad band = Biquad::BandPass(part ? 4200.0f : 2600.0f, 0.9f), low = Biquad::LowPass(7000.0f, 0.7f);
    for (size_t i = 0; i < rustle.size(); ++i) {
      double t = static_cast<double>(i) / kSampleRate;
      double env = std::pow(std::sin(3.14159265 * t / length), 2.0);
      // Paper crackles: the noise comes in uneven grains.
      double grain = 0.6 + 0.4 * std::sin(kTwoPi * (90 + 40 * part) * t + 3 * std::sin(kTwoPi * 23 * t));
      rustle[i] = low.Process(band.Process(noise.Next())) * static_cast<float>(env * grain);
    }
    MixVoice(s, rustle, At(part ? 0.13 : 0.0), part ? 1.0f : 0.7f, part ? 0.3f : -0.3f, false);
  }
  return Finish(s, 0.3f, 0.15f);
}

Sound UndoSound() {
  // A soft wooden tick and a short breath of air drawn backwards: quiet,
  // since a player may take back many moves in a row.
  Sound s = Sound::Seconds(0.45);
  Noise noise(1100);
  std::vector<float> breath(At(0.22));
  Biquad air = Biquad::BandPass(1400.0f, 1.2f);
  for (size_t i = 0; i < breath.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    // Swelling towards its end, as a sound played in reverse does.
    const double env = std::pow(t / 0.22, 2.0) * std::sin(3.14159265 * std::min(1.0, t / 0.22));
    breath[i] = air.Process(noise.Next()) * static_cast<float>(env * 0.5);
  }
  MixVoice(s, breath, 0, 0.6f, 0.2f, false);
  MixVoice(s, Marimba(79, 0.5f), At(0.18), 0.5f, -0.2f, false);
  MixVoice(s, Marimba(74, 0.4f), At(0.24), 0.4f, 0.1f, false);
  return Finish(s, 0.3f, 0.2f, -9.0f);
}

}  // namespace mkmedia
