#pragma once
// Where the play screen's frame puts things. The board and the three button
// rectangles are fixed by the game; the plates and glows are designed to them.

#include "shapes.h"

namespace mkmedia {

// The board's cells cover x 63-702 and y 61-508: the frame's hole.
constexpr Bounds kBoardHole{63, 61, 703, 509};

struct FrameButton {
  const char* label;
  const char* key;  // the keyboard shortcut shown under the label
  Bounds plate;     // the raised plate, inside the button's rectangle
  int hoverX, hoverY, hoverW, hoverH;  // where the game draws the hover glow
};

constexpr FrameButton kFrameButtons[3] = {
    {"Menu", "Esc", {64, 530, 205, 587}, 58, 527, 152, 64},
    {"Restart", "R", {341, 531, 523, 593}, 337, 529, 192, 71},
    {"Skip", "S", {589, 529, 703, 590}, 584, 526, 125, 69},
};

// The move counter between the Menu and Restart plates: the labels engraved
// from kCounterLeft, the game's figures (counter.png) set flush right against
// kCounterRight on the same baselines.
constexpr float kCounterLeft = 216, kCounterRight = 332;
constexpr float kMovesBaseline = 556, kParBaseline = 580;

// Token slots of the right-hand column: centres (754, 120 + 64 i).
constexpr float kTokenX = 754, kTokenFirstY = 120, kTokenStep = 64;
constexpr int kTokenSlots = 5;
// The strip of the frame that holds the sockets.
constexpr int kSlotColumnLeft = 722, kSlotColumnWidth = 64;

}  // namespace mkmedia
