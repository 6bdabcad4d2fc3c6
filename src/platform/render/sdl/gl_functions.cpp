#include "platform/render/sdl/gl_functions.h"

#include <SDL.h>

namespace platform::gl {

#define MARROWICK_GL_DEFINE(ret, name, args) ret(APIENTRY* name) args = nullptr;
MARROWICK_GL_FUNCTIONS(MARROWICK_GL_DEFINE)
#undef MARROWICK_GL_DEFINE

bool LoadFunctions() {
  bool complete = true;
#define MARROWICK_GL_LOAD(ret, name, args)                                              \
  name = reinterpret_cast<ret(APIENTRY*) args>(SDL_GL_GetProcAddress("gl" #name));      \
  if (!name) {                                                                          \
    SDL_Log("OpenGL function gl%s is missing", #name);                                  \
    complete = false;                                                                   \
  }
  MARROWICK_GL_FUNCTIONS(MARROWICK_GL_LOAD)
#undef MARROWICK_GL_LOAD
  return complete;
}

}  // namespace platform::gl
