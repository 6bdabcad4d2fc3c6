// Writes the player's files the way the game writes them, into the folder
// given, to seed the fuzzers: a save with some levels solved, one skipped and
// hint pages seen, a fresh save, the options, the settings, the identifier and
// records of levels solved at par, over par and with hints.

#include <cstdio>
#include <filesystem>

#include "services/identifier_file.h"
#include "services/level_records.h"
#include "services/options_file.h"
#include "services/progress.h"
#include "services/settings_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  std::filesystem::create_directories(argv[1]);
  std::filesystem::current_path(argv[1]);

  auto played = Progress::Create(0);
  for (int level = 0; level < 7; ++level) played->MarkLevelFinished(level, 1);
  played->MarkLevelFinished(7, 0);
  for (int page : {0, 1, 5}) played->MarkTutorialSeen(page);
  played->SaveProgress();
  Progress::Create(1);

  OptionsFile::SaveOptions(1.5f, 0.5f, 1);
  PlayerSettings settings;
  settings.reduceFlashing = true;
  settings.windowWidth = 1600;
  settings.windowHeight = 1200;
  SettingsFile::Save(settings);
  const bool written = SavePlayerIdentifier({123456789, 41});

  LevelRecords records;
  records.NoteSolved(0, 3, 3, 0);
  records.NoteSolved(1, 9, 5, 0);
  records.NoteHint(2);
  records.NoteSolved(2, 4, 4, 1);
  return written && std::filesystem::exists("save0.dat") && std::filesystem::exists("save1.dat") &&
                 std::filesystem::exists("options.dat") && std::filesystem::exists("settings.dat") &&
                 std::filesystem::exists("records.dat")
             ? 0
             : 1;
}
