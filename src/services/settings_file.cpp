#include "services/settings_file.h"

#include <array>
#include <sstream>

#include "platform/files/stream.h"
#include "platform/host/diagnostics.h"
#include "services/save_report.h"
#include "services/unreadable_file.h"

namespace {

// A file of settings is a few short lines; anything past these bounds is not
// one the game wrote, and reading it whole could take as long as it likes.
constexpr size_t LongestLine = 256;
constexpr int MostLines = 512;
// Larger than any desktop yet; the window is fitted to the real one when it opens.
constexpr int LargestWindowSide = 16384;

// Reads a setting's values from the rest of its line; false leaves the
// settings as they were.
using ReadValues = bool (*)(std::istringstream& values, PlayerSettings& settings);
using WriteValues = void (*)(std::ostringstream& values, const PlayerSettings& settings);

struct SettingRow {
  const char* name;
  ReadValues read;
  WriteValues write;
};

// Whole numbers from lo to hi and nothing after them.
template <size_t N>
bool ReadWholeNumbers(std::istringstream& values, int lo, int hi, std::array<int, N>& numbers) {
  for (int& number : numbers) {
    if (!(values >> number) || number < lo || number > hi) return false;
  }
  std::string rest;
  return !(values >> rest);
}

const std::array<SettingRow, 2> SettingRows = {{
    {"reduce-flashing",
     [](std::istringstream& values, PlayerSettings& settings) {
       std::array<int, 1> flag{};
       if (!ReadWholeNumbers(values, 0, 1, flag)) return false;
       settings.reduceFlashing = flag[0] == 1;
       return true;
     },
     [](std::ostringstream& values, const PlayerSettings& settings) { values << (settings.reduceFlashing ? 1 : 0); }},
    {"window",
     [](std::istringstream& values, PlayerSettings& settings) {
       std::array<int, 2> size{};
       if (!ReadWholeNumbers(values, 0, LargestWindowSide, size)) return false;
       // "window 0 0" is a file written before the game had a size to keep.
       const bool kept = size[0] > 0 && size[1] > 0;
       settings.windowWidth = kept ? size[0] : 0;
       settings.windowHeight = kept ? size[1] : 0;
       return true;
     },
     [](std::ostringstream& values, const PlayerSettings& settings) {
       values << settings.windowWidth << ' ' << settings.windowHeight;
     }},
}};

void ReadLine(const std::string& line, PlayerSettings& settings) {
  std::istringstream words(line);
  std::string name;
  if (!(words >> name)) return;
  if (const auto read = settings.controls.ReadLine(name, words)) {
    if (!*read) platform::DebugLog("settings: passed over \"" + line + "\"");
    return;
  }
  for (const SettingRow& row : SettingRows) {
    if (name != row.name) continue;
    if (!row.read(words, settings)) platform::DebugLog("settings: passed over \"" + line + "\"");
    return;
  }
  platform::DebugLog("settings: no setting called " + name);
}

}  // namespace

std::string SettingsFile::Text(const PlayerSettings& settings) {
  std::ostringstream text;
  for (const SettingRow& row : SettingRows) {
    text << row.name << ' ';
    row.write(text, settings);
    text << '\n';
  }
  settings.controls.WriteLines(text);
  return text.str();
}

PlayerSettings SettingsFile::FromText(const std::string& text) {
  PlayerSettings settings;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ReadLine(line, settings);
  }
  // Lines that each read well may still give one key to two actions.
  if (!settings.controls.WithoutSharedCodes()) {
    platform::DebugLog("settings: controls sharing a key or button, the defaults taken instead");
    settings.controls = Controls::Defaults();
  }
  return settings;
}

PlayerSettings SettingsFile::Load() {
  platform::Stream stream = platform::ReadFile(SettingsFile::FileName);
  if (!stream) {
    ReportIfUnreadable(SettingsFile::FileName);
    return {};
  }
  const PlayerSettings settings = ReadFrom(*stream);
  stream->Close();
  return settings;
}

PlayerSettings SettingsFile::ReadFrom(platform::StreamObject& stream) {
  std::string text;
  for (int lines = 0; lines < MostLines && !stream.Eof(); ++lines) text += stream.ReadLine(LongestLine) + '\n';
  return FromText(text);
}

void SettingsFile::Save(const PlayerSettings& settings) {
  const std::string text = Text(settings);
  const platform::WriteResult saved = platform::WriteFileAtomically(
      SettingsFile::FileName, [&text](platform::StreamObject& stream) { return stream.WriteString(text); });
  if (!saved) platform::DebugLog("Could not save settings");
  ReportSave("Settings", saved);
}
