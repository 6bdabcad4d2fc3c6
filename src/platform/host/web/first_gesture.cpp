#include <emscripten.h>

#include "platform/host/platform.h"

namespace platform {
namespace {

// The page's cover (web/index.html) marks the module and tells the document
// when the player's gesture lifts it; it may have come while the game loaded.
EM_ASYNC_JS(void, UntilThePlayerArrives, (), {
  if (Module.playerArrived) return;
  await new Promise(resolve => document.addEventListener("marrowick-playing", resolve, { once: true }));
});

}  // namespace

bool WaitForPlayersFirstGesture() {
  UntilThePlayerArrives();
  return true;
}

}  // namespace platform
