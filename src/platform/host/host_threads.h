#pragma once
// Whether the game may start threads of its own. The browser build has none
// (a page gets threads only with headers its server must send, and every
// yield to the browser would have to leave them alone): the work that runs
// beside the game elsewhere runs in the game's place there, at the moment its
// result is asked for.

#include <future>

namespace platform {

#ifdef __EMSCRIPTEN__
inline constexpr bool kHostHasThreads = false;
#else
inline constexpr bool kHostHasThreads = true;
#endif

// std::async's policy for work started beside the game.
inline constexpr std::launch kBesideTheGame = kHostHasThreads ? std::launch::async : std::launch::deferred;

}  // namespace platform
