#pragma once
// Last touches before a sound is written: level, clean edges, no offset.

#include "sound.h"

namespace mkmedia {

// Scales the sound so its highest peak sits at peakDb (dBFS, negative).
void Normalise(Sound& sound, float peakDb);
// Raised-cosine fades over the first and last moments, so the sound starts
// and ends at silence without a click.
void FadeEdges(Sound& sound, double inSeconds, double outSeconds);
// Removes any constant offset (the mean of each channel).
void RemoveOffset(Sound& sound);

}  // namespace mkmedia
