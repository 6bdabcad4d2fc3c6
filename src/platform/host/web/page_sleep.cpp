#include "platform/host/web/page_sleep.h"

#include <emscripten.h>

namespace platform {
namespace {

// The page may hold the game at its waits while it replaces the player's
// files (web/progress_transfer.js).
EM_ASYNC_JS(void, SleepInPage, (unsigned ms), {
  await new Promise(resolve => setTimeout(resolve, ms));
  await Module.waitWhileHeld();
});

}  // namespace

void PageSleep(unsigned ms) { SleepInPage(ms); }

}  // namespace platform
