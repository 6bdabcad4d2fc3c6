#include "platform/host/web/animation_frame.h"

#include <emscripten.h>

namespace platform {
namespace {

// A tab in the background gets no animation frames at all; the time-out keeps
// the game (and its music) going there, at the pace browsers allow such tabs.
// The page may hold the game there while it replaces the player's files
// (web/progress_transfer.js).
EM_ASYNC_JS(void, NextAnimationFrame, (), {
  await new Promise(resolve => {
    const timeout = setTimeout(resolve, 100);
    requestAnimationFrame(() => { clearTimeout(timeout); resolve(); });
  });
  await Module.waitWhileHeld();
});

}  // namespace

void WaitForAnimationFrame() { NextAnimationFrame(); }

}  // namespace platform
