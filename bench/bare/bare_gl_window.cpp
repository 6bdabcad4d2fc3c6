// The yardstick for the game's memory: a bare SDL2 program with an 800 x 600
// OpenGL window of the kind the game opens, drawing a few frames (a cleared
// screen and a textured, blended quad, so the driver has built what drawing
// pictures needs). It writes "first frame" on the standard error stream once
// its first frame is presented and "ready" once all are, and then waits,
// handling events, until it is stopped.

#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdio>
#include <vector>

int main(int, char**) {
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
    glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0), glVertex2f(100.0f + frame, 100);
    glTexCoord2f(1, 0), glVertex2f(700.0f + frame, 100);
    glTexCoord2f(1, 1), glVertex2f(700.0f + frame, 500);
    glTexCoord2f(0, 1), glVertex2f(100.0f + frame, 500);
    glEnd();
    SDL_GL_SwapWindow(window);
    if (frame == 0) std::fprintf(stderr, "first frame\n");
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
  }
  std::fprintf(stderr, "ready\n");
  for (;;) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      if (event.type == SDL_QUIT) return 0;
    }
    SDL_Delay(20);
  }
}
