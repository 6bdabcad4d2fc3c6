#pragma once
// The OpenGL entry points the renderer uses, loaded from the current context so
// the same code runs on GLX, EGL and WGL.

#include <SDL_opengl.h>

namespace platform::gl {

#define MARROWICK_GL_FUNCTIONS(X)                                                   \
  X(void, Viewport, (GLint, GLint, GLsizei, GLsizei))                               \
  X(void, MatrixMode, (GLenum))                                                     \
  X(void, LoadIdentity, (void))                                                     \
  X(void, Ortho, (GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble))      \
  X(void, Enable, (GLenum))                                                         \
  X(void, Disable, (GLenum))                                                        \
  X(void, BlendFunc, (GLenum, GLenum))                                              \
  X(void, AlphaFunc, (GLenum, GLclampf))                                            \
  X(void, ClearColor, (GLclampf, GLclampf, GLclampf, GLclampf))                     \
  X(void, Clear, (GLbitfield))                                                      \
  X(void, Scissor, (GLint, GLint, GLsizei, GLsizei))                                \
  X(void, GenTextures, (GLsizei, GLuint*))                                          \
  X(void, DeleteTextures, (GLsizei, const GLuint*))                                 \
  X(void, BindTexture, (GLenum, GLuint))                                            \
  X(void, TexParameteri, (GLenum, GLenum, GLint))                                   \
  X(void, TexImage2D, (GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*)) \
  X(void, TexEnvi, (GLenum, GLenum, GLint))                                         \
  X(void, EnableClientState, (GLenum))                                              \
  X(void, VertexPointer, (GLint, GLenum, GLsizei, const void*))                     \
  X(void, TexCoordPointer, (GLint, GLenum, GLsizei, const void*))                   \
  X(void, ColorPointer, (GLint, GLenum, GLsizei, const void*))                      \
  X(void, DrawArrays, (GLenum, GLint, GLsizei))                                     \
  X(void, ReadPixels, (GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*))      \
  X(void, PixelStorei, (GLenum, GLint))                                             \
  X(void, LineWidth, (GLfloat))                                                     \
  X(void, GenFramebuffers, (GLsizei, GLuint*))                                      \
  X(void, DeleteFramebuffers, (GLsizei, const GLuint*))                             \
  X(void, BindFramebuffer, (GLenum, GLuint))                                        \
  X(void, FramebufferTexture2D, (GLenum, GLenum, GLenum, GLuint, GLint))            \
  X(GLenum, CheckFramebufferStatus, (GLenum))                                       \
  X(void, BlitFramebuffer, (GLint, GLint, GLint, GLint, GLint, GLint, GLint, GLint, GLbitfield, GLenum)) \
  X(void, GenerateMipmap, (GLenum))

#define MARROWICK_GL_DECLARE(ret, name, args) extern ret(APIENTRY* name) args;
MARROWICK_GL_FUNCTIONS(MARROWICK_GL_DECLARE)
#undef MARROWICK_GL_DECLARE

// Loads every entry point from the current context; false when one is missing.
bool LoadFunctions();

}  // namespace platform::gl
