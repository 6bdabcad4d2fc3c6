#include "platform/host/web/lost_context.h"

#include <emscripten/html5.h>

#include <cstdio>

namespace platform {
namespace {

bool restored = false;

// Answering true lets the browser give the context back later; without it a
// lost context stays lost.
EM_BOOL ContextLost(int, const void*, void*) {
  std::puts("WebGL context lost: the picture is back once the browser restores it");
  return EM_TRUE;
}

EM_BOOL ContextRestored(int, const void*, void*) {
  restored = true;
  return EM_TRUE;
}

}  // namespace

void WatchForLostContext() {
  emscripten_set_webglcontextlost_callback("#canvas", nullptr, EM_FALSE, ContextLost);
  emscripten_set_webglcontextrestored_callback("#canvas", nullptr, EM_FALSE, ContextRestored);
}

bool TakeRestoredContext() {
  const bool was = restored;
  restored = false;
  return was;
}

}  // namespace platform
