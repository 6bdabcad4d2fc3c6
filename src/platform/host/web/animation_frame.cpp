#include "platform/host/web/animation_frame.h"

#include <emscripten.h>

namespace platform {
namespace {

// A tab in the background gets no animation frames at all; the time-out keeps
// the game (and its music) going there, at the pace browsers allow such tabs.
EM_ASYNC_JS(void, NextAnimationFrame, (), {
  await new Promise(resolve => {
    const timeout = setTimeout(resolve, 100);
    requestAnimationFrame(() => { clearTimeout(timeout); resolve(); });
  });
});

}  // namespace

void WaitForAnimationFrame() { NextAnimationFrame(); }

}  // namespace platform
