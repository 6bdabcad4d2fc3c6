#include "services/options_file.h"

#include <algorithm>
#include <cmath>

#include "platform/host/diagnostics.h"
#include "platform/files/stream.h"
#include "platform/host/text.h"
#include "services/save_report.h"
#include "services/unreadable_file.h"

namespace {

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
  platform::Stream stream = platform::ReadFile(OptionsFile::FileName);
  if (!stream) {
    // Saving refuses to replace a file it could not read, so the defaults stay in memory.
    ReportIfUnreadable(OptionsFile::FileName);
    SetDefaultOptions();
    return;
  }
  StoredOptions options{savedEffectsVolume, savedMusicVolume, savedFullscreen};
  ReadFrom(*stream, options);
  stream->Close();
  savedEffectsVolume = options.effectsVolume;
  savedMusicVolume = options.musicVolume;
  savedFullscreen = options.fullscreen;
}

void OptionsFile::ReadFrom(platform::StreamObject& stream, StoredOptions& options) {
  if (!stream.Eof()) options.effectsVolume = stream.ReadFloat();
  platform::DebugLog("fileVolume " + platform::Str(options.effectsVolume));
  if (!stream.Eof()) options.musicVolume = stream.ReadFloat();
  if (!stream.Eof()) options.fullscreen = stream.ReadInt();

  options.effectsVolume = UsableVolume("effects", options.effectsVolume, DefaultEffectsVolume);
  options.musicVolume = UsableVolume("music", options.musicVolume, DefaultMusicVolume);
  // Only 1 means full screen; the rest of the game keeps the flag as 0 or 1.
  options.fullscreen = options.fullscreen == 1 ? 1 : 0;
}

bool OptionsFile::WriteTo(platform::StreamObject& stream, const StoredOptions& options) {
  stream.WriteFloat(options.effectsVolume);
  stream.WriteFloat(options.musicVolume);
  stream.WriteInt(options.fullscreen);
  return stream.WritesOk();
}

void OptionsFile::SaveOptions(float effectsVolume, float musicVolume, int fullscreen) {
  const auto writeOptions = [&](platform::StreamObject& stream) {
    platform::DebugLog("saving volume as " + platform::Str(effectsVolume));
    return WriteTo(stream, {effectsVolume, musicVolume, fullscreen});
  };
  const platform::WriteResult saved = platform::WriteFileAtomically(OptionsFile::FileName, writeOptions);
  if (!saved) platform::DebugLog("Could not save options");
  ReportSave("Options", saved);
}

void OptionsFile::SetDefaultOptions() {
  const StoredOptions defaults = Defaults();
  savedMusicVolume = defaults.musicVolume;
  savedEffectsVolume = defaults.effectsVolume;
  savedFullscreen = defaults.fullscreen;
}

OptionsFile::StoredOptions OptionsFile::Defaults() { return {DefaultEffectsVolume, DefaultMusicVolume, 0}; }
