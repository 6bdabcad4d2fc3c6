#pragma once
// The OpenGL entry points the renderer uses, loaded from the current context so
// the same code runs on GLX, EGL and WGL. Only what OpenGL 2.1, OpenGL ES 2.0
// and WebGL 1 share (frame buffer objects came to 2.1 as an extension).

#include <SDL_opengl.h>

namespace platform::gl {

#define MARROWICK_GL_FUNCTIONS(X)                                                   \
  X(void, Viewport, (GLint, GLint, GLsizei, GLsizei))                               \
  X(void, Enable, (GLenum))                                                         \
  X(void, Disable, (GLenum))                                                        \
  X(void, BlendFunc, (GLenum, GLenum))                                              \
  X(void, BlendFuncSeparate, (GLenum, GLenum, GLenum, GLenum))                      \
  X(void, ClearColor, (GLclampf, GLclampf, GLclampf, GLclampf))                     \
  X(void, Clear, (GLbitfield))                                                      \
  X(void, Flush, (void))                                                            \
  X(void, Scissor, (GLint, GLint, GLsizei, GLsizei))                                \
  X(const GLubyte*, GetString, (GLenum))                                            \
  X(void, GetIntegerv, (GLenum, GLint*))                                            \
  X(void, GenTextures, (GLsizei, GLuint*))                                          \
  X(void, DeleteTextures, (GLsizei, const GLuint*))                                 \
  X(void, BindTexture, (GLenum, GLuint))                                            \
  X(void, TexParameteri, (GLenum, GLenum, GLint))                                   \
  X(void, TexImage2D, (GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*)) \
  X(void, GenerateMipmap, (GLenum))                                                 \
  X(void, DrawArrays, (GLenum, GLint, GLsizei))                                     \
  X(void, ReadPixels, (GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*))      \
  X(void, PixelStorei, (GLenum, GLint))                                             \
  X(void, GenFramebuffers, (GLsizei, GLuint*))                                      \
  X(void, DeleteFramebuffers, (GLsizei, const GLuint*))                             \
  X(void, BindFramebuffer, (GLenum, GLuint))                                        \
  X(void, FramebufferTexture2D, (GLenum, GLenum, GLenum, GLuint, GLint))            \
  X(GLenum, CheckFramebufferStatus, (GLenum))                                       \
  X(GLuint, CreateShader, (GLenum))                                                 \
  X(void, ShaderSource, (GLuint, GLsizei, const GLchar* const*, const GLint*))      \
  X(void, CompileShader, (GLuint))                                                  \
  X(void, GetShaderiv, (GLuint, GLenum, GLint*))                                    \
  X(void, GetShaderInfoLog, (GLuint, GLsizei, GLsizei*, GLchar*))                   \
  X(void, DeleteShader, (GLuint))                                                   \
  X(GLuint, CreateProgram, (void))                                                  \
  X(void, AttachShader, (GLuint, GLuint))                                           \
  X(void, BindAttribLocation, (GLuint, GLuint, const GLchar*))                      \
  X(void, LinkProgram, (GLuint))                                                    \
  X(void, GetProgramiv, (GLuint, GLenum, GLint*))                                   \
  X(void, GetProgramInfoLog, (GLuint, GLsizei, GLsizei*, GLchar*))                  \
  X(void, DeleteProgram, (GLuint))                                                  \
  X(void, UseProgram, (GLuint))                                                     \
  X(GLint, GetUniformLocation, (GLuint, const GLchar*))                             \
  X(void, Uniform1i, (GLint, GLint))                                                \
  X(void, UniformMatrix4fv, (GLint, GLsizei, GLboolean, const GLfloat*))            \
  X(void, GenBuffers, (GLsizei, GLuint*))                                           \
  X(void, DeleteBuffers, (GLsizei, const GLuint*))                                  \
  X(void, BindBuffer, (GLenum, GLuint))                                             \
  X(void, BufferData, (GLenum, GLsizeiptr, const void*, GLenum))                    \
  X(void, EnableVertexAttribArray, (GLuint))                                        \
  X(void, VertexAttribPointer, (GLuint, GLint, GLenum, GLboolean, GLsizei, const void*))

#define MARROWICK_GL_DECLARE(ret, name, args) extern ret(APIENTRY* name) args;
MARROWICK_GL_FUNCTIONS(MARROWICK_GL_DECLARE)
#undef MARROWICK_GL_DECLARE

// Loads every entry point from the current context; false when one is missing.
bool LoadFunctions();

}  // namespace platform::gl
