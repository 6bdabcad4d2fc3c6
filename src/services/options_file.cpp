#include "services/options_file.h"

#include "platform/diagnostics.h"
#include "platform/stream.h"
#include "platform/text.h"

namespace {
const char* const OptionsFileName = "options.dat";
}

float savedEffectsVolume = 0;
float savedMusicVolume = 0;
int savedFullscreen = 0;

void OptionsFile::LoadOptions() {
  platform::Stream stream = platform::ReadFile(OptionsFileName);
  if (!stream) {
    SetDefaultOptions();
    return;
  }
  if (!stream->Eof()) savedEffectsVolume = stream->ReadFloat();
  platform::DebugLog("fileVolume " + platform::Str(savedEffectsVolume));
  if (!stream->Eof()) savedMusicVolume = stream->ReadFloat();
  if (!stream->Eof()) savedFullscreen = stream->ReadInt();
  stream->Close();
}

void OptionsFile::SaveOptions(float effectsVolume, float musicVolume, int fullscreen) {
  const bool saved = platform::WriteFileAtomically(OptionsFileName, [&](platform::StreamObject& stream) {
    platform::DebugLog("saving volume as " + platform::Str(effectsVolume));
    stream.WriteFloat(effectsVolume);
    stream.WriteFloat(musicVolume);
    stream.WriteInt(fullscreen);
    return stream.WritesOk();
  });
  if (!saved) platform::DebugLog("Could not save options");
}

void OptionsFile::SetDefaultOptions() {
  savedMusicVolume = 0;
  savedEffectsVolume = 1.0f;
  savedFullscreen = 0;
}
