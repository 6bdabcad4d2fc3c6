#pragma once
// How far the player has come: a state per level, a derived state per group of
// five levels, the current level and the tutorial pages already shown. Saved as
// "save<profile>.dat", 510 bytes: the 500 level states, then the 10 tutorial
// flags, one byte each. Group states and the current level are derived on load.

#include <array>
#include <memory>
#include <string>

namespace platform {
class StreamObject;
}

class Progress {
 public:
  static constexpr int LevelCount = 500;
  static constexpr int GroupCount = 100;
  static constexpr int LevelsPerGroup = 5;
  static constexpr int TutorialPageCount = 10;

  // Level states.
  static constexpr int Locked = 0;
  static constexpr int Solved = 1;
  static constexpr int Skipped = 2;
  static constexpr int Open = 3;

  // Group states: every level solved; every level solved or skipped, some
  // skipped; the first unfinished group; a later unfinished group.
  static constexpr int GroupSolved = 1;
  static constexpr int GroupPassed = 2;
  static constexpr int GroupFrontier = 3;
  static constexpr int GroupAhead = 0;

  // The tutorial page shown when level n is entered, or -1.
  static constexpr std::array<int, 85> tutorialForLevel = [] {
    std::array<int, 85> pages{};
    pages.fill(-1);
    pages[0] = 0;
    pages[3] = 1;
    pages[4] = 5;
    pages[6] = 3;
    pages[9] = 2;
    pages[13] = 4;
    pages[80] = 6;
    return pages;
  }();

  std::array<int, LevelCount> levelStates{};
  std::array<int, GroupCount> groupStates{};
  int profile = 0;
  int currentLevel = 0;
  int currentGroup = 0;
  int frontierGroup = 0;
  std::array<int, TutorialPageCount> tutorialSeen{};

  // A new instance for the profile, loaded from its file (a missing file makes
  // a fresh profile and saves it).
  static std::shared_ptr<Progress> Create(int profile);

  // 1 when the page (0-9) had not been shown before; marks it, does not save.
  int MarkTutorialSeen(int page);
  void LoadProgress();
  // The file's bytes, as LoadProgress reads them (never failing: what a short
  // or damaged file lacks is filled in) and as SaveProgress writes them.
  void ReadFrom(platform::StreamObject& stream);
  bool WriteTo(platform::StreamObject& stream) const;
  void ResetProgress();
  // A file that cannot be written is reported (services/save_report.h) and
  // play goes on; each later save writes the whole state again.
  void SaveProgress();
  // Tries once more when the last save failed: at the end of the game, so
  // that a disk the player has freed since still gets the last level.
  void SaveIfUnsaved();
  void RecomputeGroups();

  int GroupLevelState(int position) const;
  // level - currentGroup * 5; -1 means the current level.
  int PositionInGroup(int level) const;
  void MarkLevelFinished(int level, int solved);
  // Makes the level current, opens it if locked, and saves; nothing for level 0.
  void SelectLevel(int level);
  int IsNotSkipped(int level) const;
  // Records a solved or skipped level and saves, leaving the current level
  // where it is: for the last level, after which there is none to go on to.
  void RecordResult(int level, int solved);
  // How many of the levels 0..last are in the level state.
  int CountLevels(int state, int last) const;
  // The first of the levels 0..last not solved, or last when all are.
  int FirstUnsolvedLevel(int last) const;
  // Opens the next level if locked, makes it current, and saves.
  void AdvanceFrom(int level);
  // -1 means the current level. Levels outside the table answer as locked.
  int LevelState(int level) const;

  std::string FileName() const;

 private:
  static bool IsLevel(int level) { return level >= 0 && level < LevelCount; }

  bool unsaved_ = false;
};
