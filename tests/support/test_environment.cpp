// Linked into every test program: the real SDL back-end runs on the offscreen
// video driver and the dummy audio driver unless the caller chose otherwise,
// and the sanitizers get the project's settings however the program is run.

#include <cstdlib>

namespace {

struct TestEnvironment {
  TestEnvironment() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // Mesa's software rasterizer draws on the test's own thread: ctest already
    // runs the tests side by side, and the leak checker must not meet driver
    // threads still running at exit.
    setenv("LP_NUM_THREADS", "0", 0);
    setenv("MARROWICK_GAME_DIR", MARROWICK_TEST_GAME_DIR, 0);
    setenv("MARROWICK_SOURCE_DIR", MARROWICK_TEST_SOURCE_DIR, 0);
  }
};

const TestEnvironment environment;

}  // namespace

// Leaks inside the system's GL, EGL, X and SDL libraries, and libvorbis's and libvorbisfile's
// (it drops its list of serial numbers when a later link of a stream has broken
// headers); never our own code.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libGL\n"
         "leak:libGLX\n"
         "leak:libEGL\n"
         "leak:libgallium\n"
         "leak:swrast_dri\n"
         "leak:libLLVM\n"
         "leak:libglapi\n"
         "leak:libX11\n"
         "leak:libxcb\n"
         "leak:libdbus\n"
         "leak:libSDL2\n"
         "leak:libvorbisfile\n"
         "leak:libvorbis.so\n";
}

// The sanitizer keeps its own list of the dynamic TLS blocks each thread has
// asked for, and the leak checker scans them at exit. With Mesa's driver
// loaded and let go as GL contexts come and go, that list was seen holding an
// entry that points nowhere (at 0xf11): the checker's tracer crashed on it
// ("Tracer caught signal 11") after a test had passed. Without the list,
// dynamic TLS is not scanned for pointers; nothing of ours keeps an
// allocation only there.
// The fuzzers hold their own settings (fuzz_input.cpp) and draw nothing.
#ifndef MARROWICK_FUZZ_BUILD
extern "C" const char* __asan_default_options() { return "intercept_tls_get_addr=0"; }
#endif

extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }
