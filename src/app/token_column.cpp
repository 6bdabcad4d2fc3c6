#include "app/token_column.h"

#include "services/level_numbers.h"
#include "services/progress.h"

using namespace platform;

TImage tokenImage;
TImage singleSlotColumnImage;

namespace {

constexpr int RevealDelay = 300;  // steps
constexpr float FadeInStep = 0.04f;
// Where the frame's sockets 2-5 are, centred: the single-socket column goes there.
constexpr float LowerSocketsX = 754, LowerSocketsY = 280;

}  // namespace

std::shared_ptr<TokenColumn> TokenColumn::Create(const Progress& progress) {
  auto column = std::make_shared<TokenColumn>(progress);
  column->ResetAlphas();
  column->revealTimer = 0;
  column->revealSlot = 0;
  return column;
}

void TokenColumn::ResetAlphas() { tokenAlpha.fill(1.0f); }

void TokenColumn::Refresh() {
  for (int i = 0; i < SlotCount; ++i) {
    const int state = progress_.GroupLevelState(i);
    tokenState[i] = state == Progress::Solved ? 1 : state == Progress::Skipped ? 2 : 0;
  }
}

// Whether the token fades in depends on the state of the level just finished,
// by its absolute number: the position within the current group.
void TokenColumn::Reveal(int position) {
  if (position < 0 || position >= SlotCount) return;
  revealSlot = position;
  ResetAlphas();
  const int level = progress_.currentGroup * Progress::LevelsPerGroup + position;
  if (progress_.IsNotSkipped(level) != 0) {
    tokenAlpha[revealSlot] = 0;
    revealTimer = RevealDelay;
  } else {
    revealTimer = -1;
  }
}

void TokenColumn::Reset() {
  Refresh();
  ResetAlphas();
  revealTimer = -1;
}

void TokenColumn::Update() {
  if (revealTimer == 0) {
    if (tokenAlpha[revealSlot] >= 1.0f) {
      revealTimer = -1;
    } else {
      tokenAlpha[revealSlot] += FadeInStep;
    }
  } else if (revealTimer > 0) {
    revealTimer -= 1;
  }
}

bool TokenColumn::GroupOfOne() const {
  return levels::Last + 1 - progress_.currentGroup * Progress::LevelsPerGroup == 1;
}

void TokenColumn::Draw() const {
  if (GroupOfOne()) {
    SetAlpha(1.0f);
    DrawImage(singleSlotColumnImage, LowerSocketsX, LowerSocketsY);
  }
  for (int i = 0; i < SlotCount; ++i) {
    SetAlpha(tokenAlpha[i]);
    if (tokenState[i] == 1 || tokenState[i] == 2) {
      DrawImage(tokenImage, 754, 120.0f + 64 * i, tokenState[i] - 1);
    }
  }
}
