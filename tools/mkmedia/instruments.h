#pragma once
// The band of the game's music, and the voices of its effects: each renders
// one note as a mono voice (to be mixed in with MixVoice).

#include <cstdint>
#include <vector>

namespace mkmedia {

using Voice = std::vector<float>;

// A wooden flute: breathy onset, vibrato growing through long notes.
Voice Flute(float note, double seconds, float velocity, uint32_t seed);
// A plucked harp string, ringing on for `ring` seconds.
Voice Harp(float note, float velocity, double ring = 2.2);
// A plucked upright bass.
Voice Bass(float note, float velocity, double seconds);
// A soft string pad: three detuned saws through a low-pass filter.
Voice Pad(float note, double seconds, float velocity);
// A frame drum struck near the middle (accent) or the rim.
Voice FrameDrum(float velocity, bool accent, uint32_t seed);
// A shaker grain.
Voice Shaker(float velocity, uint32_t seed);
// A bell: inharmonic partials with long decays.
Voice Bell(float note, float velocity, double seconds);
// A wooden bar (marimba).
Voice Marimba(float note, float velocity);
// A sung "ooh": a breathy voice through the formants of the vowel.
Voice Ooh(float note, double seconds, float velocity, uint32_t seed);

}  // namespace mkmedia
