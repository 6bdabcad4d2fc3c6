#pragma once
// How large the game's window opens. The picture is always drawn at its own
// size and scaled to the window, so the window is best a whole multiple of it:
// the largest that fits the desktop's usable area with room left for the
// window's title bar, unless the player made it another size, which the game
// keeps. Never smaller than the size at which the board's cells stay readable.

namespace platform {

struct WindowSize {
  int width = 0, height = 0;

  bool Known() const { return width > 0 && height > 0; }
  bool operator==(const WindowSize&) const = default;
};

// Three quarters of the picture: cells of 24 pixels, text still clear.
WindowSize MinimumWindowSize(WindowSize picture);

// usable: the desktop less its task bars (unknown: 0 x 0); playersOwn: the
// size the player last had (0 x 0 for none), brought within the desktop.
WindowSize ChooseWindowSize(WindowSize picture, WindowSize usable, WindowSize playersOwn);

}  // namespace platform
