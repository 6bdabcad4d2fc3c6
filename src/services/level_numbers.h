#pragma once
// Levels are numbered 0-80 in groups of five; each group has its own art style.
// The progress file counts in these numbers as much as the board does.

namespace levels {

constexpr int Last = 80;
constexpr int GroupSize = 5;

}  // namespace levels
