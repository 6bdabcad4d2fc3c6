#include "services/options_file.h"

#include <algorithm>
#include <cmath>

#include "platform/host/diagnostics.h"
#include "platform/files/stream.h"
#include "platform/host/text.h"
#include "services/save_report.h"
#include "services/unreadable_file.h"

namespace {

const char* const OptionsFileName = "options.dat";
constexpr float DefaultEffectsVolume = 1.0f;
constexpr float DefaultMusicVolume = 0.0f;
constexpr float LoudestVolume = 2.0f;

// A damaged or hand-edited file must not reach the mixer or the sliders with a
// volume they cannot show: out of range goes to the nearer end, a value that is
// no number at all to the default.
float UsableVolume(const char* name, float stored, float fallback) {
  const float usable = std::isfinite(stored) ? std::clamp(stored, 0.0f, LoudestVolume) : fallback;
  if (usable != stored) {
    platform::DebugLog(std::string("options: ") + name + " volume " + platform::Str(stored) + " read as " +
                       platform::Str(usable));
  }
  return usable;
}

}  // namespace

float savedEffectsVolume = 0;
float savedMusicVolume = 0;
int savedFullscreen = 0;

void OptionsFile::LoadOptions() {
  platform::Stream stream = platform::ReadFile(OptionsFileName);
  if (!stream) {
    // Saving refuses to replace a file it could not read, so the defaults stay in memory.
    ReportIfUnreadable(OptionsFileName);
    SetDefaultOptions();
    return;
  }
  if (!stream->Eof()) savedEffectsVolume = stream->ReadFloat();
  platform::DebugLog("fileVolume " + platform::Str(savedEffectsVolume));
  if (!stream->Eof()) savedMusicVolume = stream->ReadFloat();
  if (!stream->Eof()) savedFullscreen = stream->ReadInt();
  stream->Close();

  savedEffectsVolume = UsableVolume("effects", savedEffectsVolume, DefaultEffectsVolume);
  savedMusicVolume = UsableVolume("music", savedMusicVolume, DefaultMusicVolume);
  // Only 1 means full screen; the rest of the game keeps the flag as 0 or 1.
  savedFullscreen = savedFullscreen == 1 ? 1 : 0;
}

void OptionsFile::SaveOptions(float effectsVolume, float musicVolume, int fullscreen) {
  const auto writeOptions = [&](platform::StreamObject& stream) {
    platform::DebugLog("saving volume as " + platform::Str(effectsVolume));
    stream.WriteFloat(effectsVolume);
    stream.WriteFloat(musicVolume);
    stream.WriteInt(fullscreen);
    return stream.WritesOk();
  };
  const platform::WriteResult saved = platform::WriteFileAtomically(OptionsFileName, writeOptions);
  if (!saved) platform::DebugLog("Could not save options");
  ReportSave("Options", saved);
}

void OptionsFile::SetDefaultOptions() {
  savedMusicVolume = DefaultMusicVolume;
  savedEffectsVolume = DefaultEffectsVolume;
  savedFullscreen = 0;
}
