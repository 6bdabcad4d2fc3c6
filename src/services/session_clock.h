#pragma once
// Whole seconds of the game's clock, and the moment the program started; the
// session log measures its durations with them.

// Millisecs() / 1000, truncated toward zero.
int ClockSeconds();

// ClockSeconds() at program start, set by the program entry.
extern int sessionStart;
