#include "platform/render/window_size.h"

#include <algorithm>

namespace platform {

namespace {

// A sixteenth of the usable height is left for the title bar and frame the
// window manager adds around the window.
int RoomForTitleBar(int usableHeight) { return usableHeight / 16; }

}  // namespace

WindowSize MinimumWindowSize(WindowSize picture) { return {picture.width * 3 / 4, picture.height * 3 / 4}; }

WindowSize ChooseWindowSize(WindowSize picture, WindowSize usable, WindowSize playersOwn) {
  const WindowSize least = MinimumWindowSize(picture);
  const auto notTooSmall = [&least](int width, int height) -> WindowSize {
    return {std::max(least.width, width), std::max(least.height, height)};
  };
  if (!usable.Known()) {
    return playersOwn.Known() ? notTooSmall(playersOwn.width, playersOwn.height) : picture;
  }
  const int roomWidth = usable.width, roomHeight = usable.height - RoomForTitleBar(usable.height);
  if (playersOwn.Known()) {
    // A size kept from a larger desktop is brought within this one.
    return notTooSmall(std::min(playersOwn.width, roomWidth), std::min(playersOwn.height, roomHeight));
  }
  const int times = std::min(roomWidth / picture.width, roomHeight / picture.height);
  if (times >= 1) return {picture.width * times, picture.height * times};
  // A desktop smaller than the picture: as much of it as keeps the picture's shape.
  const double scale = std::min(static_cast<double>(roomWidth) / picture.width,
                                static_cast<double>(roomHeight) / picture.height);
  return notTooSmall(static_cast<int>(picture.width * scale), static_cast<int>(picture.height * scale));
}

}  // namespace platform
