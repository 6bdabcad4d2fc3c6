// The yardstick for the game's memory: a bare SDL2 program with an 800 x 600
// OpenGL window of the kind the game opens, drawing a few frames (a cleared
// screen and a textured, blended quad, so the driver has built what drawing
// pictures needs). It writes "first frame" on the standard error stream once
// its first frame is presented and "ready" once all are, and then waits,
// handling events, until it is stopped.
// With `--paced SECONDS` it then swaps a moving picture every 1/60 s for that
// long instead, and writes how far apart its frames were (frame_gaps.h): the
// yardstick of frame_pacing_bench, on the same X server at the same time.

#include <SDL.h>
#include <SDL_opengl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "../frame_gaps.h"

namespace {

void DrawFrame(SDL_Window* window, float shift) {
  glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_TEXTURE_2D);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0), glVertex2f(100.0f + shift, 100);
  glTexCoord2f(1, 0), glVertex2f(700.0f + shift, 100);
  glTexCoord2f(1, 1), glVertex2f(700.0f + shift, 500);
  glTexCoord2f(0, 1), glVertex2f(100.0f + shift, 500);
  glEnd();
  SDL_GL_SwapWindow(window);
}

bool Quit() {
  SDL_Event event;
  bool quit = false;
  while (SDL_PollEvent(&event)) quit = quit || event.type == SDL_QUIT;
  return quit;
}

// Every 1/60 s on the steady clock, however long a frame took.
void PacedFrames(SDL_Window* window, double seconds) {
  SDL_GL_SetSwapInterval(0);
  using Clock = FrameGaps::Clock;
  const auto period = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / 60));
  const Clock::time_point start = Clock::now();
  const Clock::time_point end = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  FrameGaps gaps;
  Clock::time_point due = start;
  for (int frame = 0; Clock::now() < end && !Quit(); ++frame) {
    due += period;
    std::this_thread::sleep_until(due);
    DrawFrame(window, static_cast<float>(frame % 60));
    gaps.Shown(Clock::now());
  }
  std::fprintf(stderr, "%s\n", gaps.Line().c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "no display: %s\n", SDL_GetError());
    return 1;
  }
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600,
                                        SDL_WINDOW_OPENGL);
  SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
  if (!context) {
    std::fprintf(stderr, "no OpenGL window: %s\n", SDL_GetError());
    return 1;
  }
  SDL_GL_SetSwapInterval(1);

  std::vector<unsigned> pixels(64 * 64);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = (i * 2654435761u) | 0x80000000u;
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 64, 64, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  glOrtho(0, 800, 600, 0, -1, 1);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

  for (int frame = 0; frame < 30; ++frame) {
    DrawFrame(window, static_cast<float>(frame));
    if (frame == 0) std::fprintf(stderr, "first frame\n");
    Quit();
  }
  std::fprintf(stderr, "ready\n");
  if (argc == 3 && std::strcmp(argv[1], "--paced") == 0) {
    PacedFrames(window, std::atof(argv[2]));
    return 0;
  }
  while (!Quit()) SDL_Delay(20);
  return 0;
}
