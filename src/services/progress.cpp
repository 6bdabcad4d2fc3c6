#include "services/progress.h"

#include <algorithm>

#include "platform/files/stream.h"
#include "platform/host/text.h"
#include "services/level_numbers.h"
#include "services/save_report.h"
#include "services/unreadable_file.h"


std::shared_ptr<Progress> Progress::Create(int profile) {
  auto created = std::make_shared<Progress>();
  created->profile = profile;
  created->LoadProgress();
  return created;
}

std::string Progress::FileName() const { return "save" + platform::Str(profile) + ".dat"; }

int Progress::MarkTutorialSeen(int page) {
  if (page < 0 || page >= TutorialPageCount || tutorialSeen[page] != 0) return 0;
  tutorialSeen[page] = 1;
  return 1;
}

void Progress::LoadProgress() {
  platform::Stream stream = platform::ReadFile(FileName());
  if (!stream) {
    // A fresh profile in memory; its save is refused while the old file cannot be read.
    ReportIfUnreadable(FileName());
    ResetProgress();
    return;
  }
  ReadFrom(*stream);
  stream->Close();
}

void Progress::ReadFrom(platform::StreamObject& stream) {
  // The first level neither solved nor skipped is open and current, whatever
  // the file says for it, and also when a short file ends before it. A byte
  // that is no level state counts as locked.
  bool found = false;
  for (int i = 0; i < LevelCount; ++i) {
    if (!stream.Eof()) {
      const int state = stream.ReadByte();
      levelStates[i] = state <= Open ? state : Locked;
    }
    if (!found && levelStates[i] != Solved && levelStates[i] != Skipped) {
      levelStates[i] = Open;
      currentLevel = i;
      found = true;
    }
  }
  for (int i = 0; i < TutorialPageCount; ++i) {
    if (!stream.Eof()) tutorialSeen[i] = stream.ReadByte() != 0 ? 1 : 0;
  }
  // A file from elsewhere may mark levels the game does not have as finished;
  // play stays within the levels there are, and with every level finished the
  // journey's end is where the player stands.
  currentLevel = found ? std::min(currentLevel, levels::Last) : levels::Last;
  RecomputeGroups();
}

void Progress::ResetProgress() {
  tutorialSeen.fill(0);
  levelStates.fill(Locked);
  groupStates.fill(GroupAhead);
  levelStates[0] = Open;
  groupStates[0] = GroupFrontier;
  currentLevel = 0;
  currentGroup = 0;
  frontierGroup = 0;
  RecomputeGroups();
  SaveProgress();
}

void Progress::SaveProgress() {
  const platform::WriteResult saved =
      platform::WriteFileAtomically(FileName(), [this](platform::StreamObject& stream) { return WriteTo(stream); });
  unsaved_ = !saved;
  ReportSave("Progress", saved);
}

bool Progress::WriteTo(platform::StreamObject& stream) const {
  for (int state : levelStates) stream.WriteByte(state);
  for (int seen : tutorialSeen) stream.WriteByte(seen);
  return stream.WritesOk();
}

void Progress::SaveIfUnsaved() {
  if (unsaved_) SaveProgress();
}

void Progress::RecomputeGroups() {
  bool found = false;
  for (int g = 0; g < GroupCount; ++g) {
    int score = 0;
    for (int i = 0; i < LevelsPerGroup; ++i) {
      const int state = levelStates[g * LevelsPerGroup + i];
      score += state == Solved ? 10 : state == Skipped ? 9 : 0;
    }
    if (score >= 50) {
      groupStates[g] = GroupSolved;
    } else if (score >= 45) {
      groupStates[g] = GroupPassed;
    } else if (found) {
      groupStates[g] = GroupAhead;
    } else {
      groupStates[g] = GroupFrontier;
      frontierGroup = g;
      found = true;
    }
  }
  currentGroup = currentLevel / LevelsPerGroup;
}

int Progress::GroupLevelState(int position) const {
  const int level = currentGroup * LevelsPerGroup + position;
  return IsLevel(level) ? levelStates[level] : Locked;
}

int Progress::PositionInGroup(int level) const {
  return (level == -1 ? currentLevel : level) - currentGroup * LevelsPerGroup;
}

void Progress::MarkLevelFinished(int level, int solved) {
  if (!IsLevel(level)) return;
  levelStates[level] = solved != 0 ? Solved : Skipped;
  AdvanceFrom(level);
}

void Progress::SelectLevel(int level) { AdvanceFrom(level - 1); }

int Progress::IsNotSkipped(int level) const { return IsLevel(level) && levelStates[level] == Skipped ? 0 : 1; }

void Progress::RecordResult(int level, int solved) {
  if (!IsLevel(level)) return;
  levelStates[level] = solved != 0 ? Solved : Skipped;
  RecomputeGroups();
  SaveProgress();
}

int Progress::CountLevels(int state, int last) const {
  int count = 0;
  for (int level = 0; level <= last && IsLevel(level); ++level) count += levelStates[level] == state ? 1 : 0;
  return count;
}

int Progress::FirstUnsolvedLevel(int last) const {
  for (int level = 0; level < last && IsLevel(level); ++level) {
    if (levelStates[level] != Solved) return level;
  }
  return last;
}

void Progress::AdvanceFrom(int level) {
  if (level < 0 || level + 1 >= LevelCount) return;
  if (levelStates[level + 1] == Locked) levelStates[level + 1] = Open;
  currentLevel = level + 1;
  RecomputeGroups();
  SaveProgress();
}

int Progress::LevelState(int level) const {
  if (level == -1) level = currentLevel;
  return IsLevel(level) ? levelStates[level] : Locked;
}
