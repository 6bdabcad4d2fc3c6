#pragma once
// The column of five tokens at the right edge showing how the levels of the
// current group were finished, with a newly earned token fading in.

#include <array>
#include <memory>

#include "platform/render/graphics.h"

class Progress;

// Two 40 x 40 cells: a solved level's token, then a skipped level's.
extern platform::TImage tokenImage;
// The frame's column below its first socket, without sockets: laid over the
// frame when the group holds one level, so that one socket shows.
extern platform::TImage singleSlotColumnImage;

class TokenColumn {
 public:
  static constexpr int SlotCount = 5;

  std::array<float, SlotCount> tokenAlpha{};
  std::array<int, SlotCount> tokenState{};  // 0 none, 1 solved, 2 skipped
  int revealTimer = 0;                      // -1 idle; > 0 steps before fading in; 0 fading in
  int revealSlot = 0;

  explicit TokenColumn(const Progress& progress) : progress_(progress) {}
  static std::shared_ptr<TokenColumn> Create(const Progress& progress);
  void ResetAlphas();
  // The states of the current group's levels, from the progress save.
  void Refresh();
  // A newly finished level's token shows after a pause, unless it was skipped.
  void Reveal(int position);
  // Leaves the last slot's alpha set; the caller resets it.
  void Draw() const;
  // The last group holds a single level.
  bool GroupOfOne() const;
  void Reset();
  void Update();

 private:
  const Progress& progress_;
};
