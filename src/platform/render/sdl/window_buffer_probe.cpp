#include "platform/render/sdl/window_buffer_probe.h"

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/render/sdl/gl_functions.h"

namespace platform {

bool WindowKeepsFramesAfterSwap() {
  SDL_Window* window = SDL_GL_GetCurrentWindow();
  if (!window) return false;
  const int interval = SDL_GL_GetSwapInterval();
  SDL_GL_SetSwapInterval(0);
  gl::BindFramebuffer(GL_FRAMEBUFFER, 0);
  gl::Disable(GL_SCISSOR_TEST);
  bool kept = true;
  // Near-black, each different, so that a buffer from two swaps ago or a
  // fresh one is told from the last.
  static const uint8_t shades[3][3] = {{3, 0, 0}, {0, 3, 0}, {0, 0, 3}};
  for (const auto& shade : shades) {
    gl::ClearColor(shade[0] / 255.0f, shade[1] / 255.0f, shade[2] / 255.0f, 1.0f);
    gl::Clear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapWindow(window);
    uint8_t pixel[4] = {};
    gl::PixelStorei(GL_PACK_ALIGNMENT, 4);
    gl::ReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    kept = kept && pixel[0] == shade[0] && pixel[1] == shade[1] && pixel[2] == shade[2];
  }
  gl::ClearColor(0, 0, 0, 1);
  gl::Clear(GL_COLOR_BUFFER_BIT);
  gl::Enable(GL_SCISSOR_TEST);
  SDL_GL_SetSwapInterval(interval);
  return kept;
}

PixelBuffer ReadWindowBackBuffer(int width, int height) {
  PixelBuffer result;
  if (width <= 0 || height <= 0) return result;
  GLint bound = 0;
  gl::GetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
  gl::BindFramebuffer(GL_FRAMEBUFFER, 0);
  std::vector<uint32_t> rows(static_cast<size_t>(width) * height);
  gl::PixelStorei(GL_PACK_ALIGNMENT, 4);
  gl::ReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
  gl::BindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(bound));
  result.width = width;
  result.height = height;
  result.pixels.reserve(rows.size());
  for (int row = height - 1; row >= 0; --row) {
    const uint32_t* from = &rows[static_cast<size_t>(row) * width];
    result.pixels.insert(result.pixels.end(), from, from + width);
  }
  return result;
}

}  // namespace platform
