#include "music.h"

#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "dsp.h"
#include "instruments.h"
#include "random.h"

namespace mkmedia {

namespace {

// An eighth note lasts this many frames (a dotted quarter at about 76 a minute).
constexpr long kEighth = 11600;
constexpr int kBarEighths = 6;
constexpr long kBar = kEighth * kBarEighths;
constexpr int kBars = 40;

struct Step {
  int eighths;
  int pitch;  // MIDI note; 0 rests
};
using Bar = std::vector<Step>;

enum Chord { Dm, C, G, Am, F };

// Root (MIDI, octave 3) and chord tones above it.
struct ChordShape {
  int root, third, fifth;
};

ChordShape Shape(Chord c) {
  switch (c) {
    case Dm: return {50, 3, 7};
    case C: return {48, 4, 7};
    case G: return {43, 4, 7};
    case Am: return {45, 3, 7};
    case F: return {41, 4, 7};
  }
  return {50, 3, 7};
}

// Intro 0-3, tune A 4-11, A again 12-19, tune B 20-27, B again 28-35, close 36-39.
const Chord kChords[kBars] = {Dm, C,  Dm, C,  Dm, C, Dm, G, Dm, C, Am, Dm, Dm, C, Dm, G, Dm, C,  Am, Dm,
                              F,  C,  G,  Dm, F,  C, G,  Am, F, C, G,  Dm, F,  C, Am, Dm, Dm, C, Dm, C};

const std::vector<Bar>& Melody() {
  static const std::vector<Bar> bars = {
      // Intro: the flute waits; a pickup leads into the tune.
      {{6, 0}}, {{6, 0}}, {{6, 0}}, {{5, 0}, {1, 81}},
      // Tune A.
      {{2, 81}, {1, 86}, {1, 84}, {1, 81}, {1, 79}}, {{2, 76}, {1, 79}, {2, 72}, {1, 76}},
      {{1, 77}, {1, 76}, {1, 74}, {2, 77}, {1, 81}}, {{3, 79}, {2, 83}, {1, 79}},
      {{2, 81}, {1, 86}, {1, 84}, {1, 81}, {1, 79}}, {{2, 76}, {1, 79}, {2, 84}, {1, 81}},
      {{1, 81}, {1, 79}, {1, 77}, {1, 76}, {1, 77}, {1, 79}}, {{3, 74}, {2, 74}, {1, 81}},
      // Tune A, ornamented.
      {{1, 81}, {1, 84}, {1, 86}, {1, 84}, {1, 81}, {1, 79}}, {{2, 76}, {1, 79}, {1, 72}, {1, 74}, {1, 76}},
      {{1, 77}, {1, 76}, {1, 74}, {1, 77}, {1, 79}, {1, 81}}, {{3, 79}, {1, 83}, {1, 81}, {1, 79}},
      {{2, 81}, {1, 86}, {1, 88}, {1, 86}, {1, 84}}, {{2, 84}, {1, 79}, {2, 84}, {1, 81}},
      {{1, 76}, {1, 77}, {1, 79}, {1, 81}, {1, 79}, {1, 76}}, {{3, 74}, {2, 74}, {1, 84}},
      // Tune B, higher and brighter.
      {{2, 89}, {1, 88}, {1, 86}, {1, 84}, {1, 81}}, {{2, 84}, {1, 79}, {2, 76}, {1, 79}},
      {{1, 83}, {1, 84}, {1, 86}, {2, 83}, {1, 79}}, {{3, 81}, {2, 77}, {1, 84}},
      {{2, 89}, {1, 88}, {1, 86}, {1, 88}, {1, 89}}, {{2, 91}, {1, 88}, {2, 84}, {1, 88}},
      {{1, 86}, {1, 84}, {1, 83}, {1, 79}, {1, 81}, {1, 83}}, {{3, 81}, {2, 76}, {1, 84}},
      // Tune B again, turning home.
      {{1, 89}, {1, 88}, {1, 89}, {1, 86}, {1, 84}, {1, 81}}, {{2, 84}, {1, 79}, {1, 76}, {1, 79}, {1, 84}},
      {{1, 83}, {1, 84}, {1, 86}, {1, 83}, {1, 81}, {1, 79}}, {{3, 81}, {2, 77}, {1, 84}},
      {{2, 89}, {1, 88}, {1, 86}, {1, 88}, {1, 89}}, {{2, 91}, {1, 88}, {1, 84}, {1, 86}, {1, 88}},
      {{1, 84}, {1, 83}, {1, 81}, {1, 79}, {1, 77}, {1, 76}}, {{3, 74}, {3, 0}},
      // The close: long notes over the harp.
      {{3, 81}, {3, 77}}, {{3, 79}, {3, 76}}, {{6, 74}}, {{6, 76}},
  };
  return bars;
}

// The note `steps` scale degrees below `pitch` in D dorian (for the second flute).
int DorianBelow(int pitch, int steps) {
  static const bool inScale[12] = {true, false, true, false, true, true, false, true, false, true, false, true};
  int p = pitch;
  for (int s = 0; s < steps; ++s)
    do --p;
    while (!inScale[p % 12]);
  return p;
}

long Jitter(Random& r, double ms) { return static_cast<long>(r.Range(-ms, ms) * kSampleRate / 1000); }

void AddMelody(Sound& music, Random& r) {
  const std::vector<Bar>& bars = Melody();
  for (int bar = 0; bar < kBars; ++bar) {
    const bool tuneB = bar >= 20 && bar < 36, harmony = bar >= 28 && bar < 35;
    int eighth = 0;
    for (const Step& s : bars[bar]) {
      if (s.pitch) {
        long at = bar * kBar + eighth * kEighth + Jitter(r, 4) + 220;
        double seconds = s.eighths * kEighth / static_cast<double>(kSampleRate) - 0.025;
        float velocity = static_cast<float>((tuneB ? 0.95 : 0.85) * r.Range(0.9, 1.0)) * (eighth % 3 == 0 ? 1.0f : 0.88f);
        if (bar >= 36) velocity *= 0.8f;
        MixVoice(music, Flute(static_cast<float>(s.pitch), seconds, velocity, r.Next() & 0xffff), at, 0.5f, 0.15f, true);
        if (harmony && s.eighths >= 2)
          MixVoice(music, Flute(static_cast<float>(DorianBelow(s.pitch, 2)), seconds, velocity * 0.8f, r.Next() & 0xffff),
                   at + 300, 0.26f, -0.35f, true);
      }
      eighth += s.eighths;
    }
  }
}

// The arpeggios pluck the same few strings again and again, strongly on the
// beat and softly between: each string is rendered once per touch.
class HarpStrings {
 public:
  const Voice& Note(int pitch, bool strong) {
    auto it = strings_.find({pitch, strong});
    if (it == strings_.end())
      it = strings_.emplace(std::make_pair(pitch, strong), Harp(static_cast<float>(pitch), strong ? 0.85f : 0.62f, 2.0)).first;
    return it->second;
  }

 private:
  std::map<std::pair<int, bool>, Voice> strings_;
};

void AddHarpAndBass(Sound& music, Random& r) {
  HarpStrings harp;
  for (int bar = 0; bar < kBars; ++bar) {
    const ChordShape c = Shape(kChords[bar]);
    const int low = c.root < 45 ? c.root + 12 : c.root;
    // A rolling arpeggio: root, fifth, octave, tenth, octave, fifth.
    const int pattern[kBarEighths] = {low, low + c.fifth, low + 12, low + 12 + c.third, low + 12, low + c.fifth};
    const bool quiet = bar < 4 || bar >= 36;
    for (int e = 0; e < kBarEighths; ++e) {
      const bool strong = e % 3 == 0;
      float velocity = static_cast<float>(r.Range(0.92, 1.0)) * (quiet ? 0.85f : 1.0f);
      long at = bar * kBar + e * kEighth + Jitter(r, 5);
      MixVoice(music, harp.Note(pattern[e], strong), at, 0.3f * velocity, -0.25f, true);
    }
    // Bass: the root on the first beat, the fifth on the second (only the root in the quiet bars).
    const int bassRoot = c.root - 12 < 36 ? c.root : c.root - 12;
    if (quiet) {
      MixVoice(music, Bass(static_cast<float>(bassRoot), 0.7f, 1.5), bar * kBar, 0.5f, 0.0f, true);
    } else {
      MixVoice(music, Bass(static_cast<float>(bassRoot), 0.85f, 0.7), bar * kBar, 0.5f, 0.0f, true);
      MixVoice(music, Bass(static_cast<float>(bassRoot + c.fifth - (c.fifth > 5 ? 12 : 0)), 0.7f, 0.7),
               bar * kBar + 3 * kEighth, 0.5f, 0.0f, true);
    }
  }
}

void AddPad(Sound& music) {
  // Sustained strings under tune B, and a low drone under the intro and close.
  for (int bar = 0; bar < kBars; ++bar) {
    const ChordShape c = Shape(kChords[bar]);
    const double seconds = kBar / static_cast<double>(kSampleRate) - 0.05;
    if (bar >= 20 && bar < 36) {
      const int base = c.root + 12 < 57 ? c.root + 24 : c.root + 12;
      for (int tone : {0, c.third, c.fifth})
        MixVoice(music, Pad(static_cast<float>(base + tone), seconds, 0.6f), bar * kBar, 0.16f, tone == 0 ? -0.5f : 0.5f, true);
    }
    if (bar < 4 || bar >= 36)
      for (int tone : {38, 45})
        MixVoice(music, Pad(static_cast<float>(tone), seconds, 0.5f), bar * kBar, 0.14f, tone == 38 ? -0.3f : 0.3f, true);
  }
}

void AddPercussion(Sound& music, Random& r) {
  for (int bar = 12; bar < 36; ++bar) {
    const bool fill = bar % 8 == 3;  // the last bar of each tune rolls into the next
    for (int e = 0; e < kBarEighths; ++e) {
      bool accent = e == 0 || e == 3;
      bool play = accent || e == 2 || e == 5 || fill || (e == 4 && r.Chance(0.3));
      if (!play) continue;
      float velocity = static_cast<float>((accent ? 0.9 : 0.45) * r.Range(0.85, 1.0));
      MixVoice(music, FrameDrum(velocity, e == 0, r.Next() & 0xffff), bar * kBar + e * kEighth + Jitter(r, 3), 0.42f, -0.1f, true);
    }
    if (bar >= 20)
      for (int e = 0; e < kBarEighths; ++e)
        MixVoice(music, Shaker(static_cast<float>((e % 3 == 0 ? 0.9 : 0.55) * r.Range(0.8, 1.0)), r.Next() & 0xffff),
                 bar * kBar + e * kEighth + Jitter(r, 4), 0.3f, 0.45f, true);
  }
}

}  // namespace

Sound MusicLoop() {
  Sound music(static_cast<size_t>(kBars) * kBar);
  Random r(2024);
  AddHarpAndBass(music, r);
  AddPad(music);
  AddPercussion(music, r);
  AddMelody(music, r);
  Reverb hall(0.78f, 0.35f);
  hall.Apply(music, 0.9f, true);
  return music;
}

}  // namespace mkmedia
