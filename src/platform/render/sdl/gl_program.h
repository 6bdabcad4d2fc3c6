#pragma once
// The renderer's shaders: one GLSL text that compiles as desktop GLSL 1.20
// (OpenGL 2.1) and as GLSL ES 1.00 (OpenGL ES 2.0, WebGL 1), built in the
// variants the blends need. The header names no GL types, so tests can ask
// whether the text compiles under either version.

#include <string>

namespace platform {

// The vertex attributes' fixed locations.
constexpr unsigned kPositionAttribute = 0;
constexpr unsigned kTexCoordAttribute = 1;
constexpr unsigned kColourAttribute = 2;

struct ShaderProgram {
  unsigned id = 0;
  int projection = -1;  // mat4 uniform: logical pixels to clip space
  int sampler = -1;
};

// What the fragment shader does last to its colour.
enum class FragmentFinish {
  AsIs,
  AlphaTest,    // discards fragments under half alpha (the mask blend)
  Premultiply,  // multiplies the colour by its alpha (added light)
};
constexpr int kFragmentFinishes = 3;

// `versionLine` is "#version 120" or "#version 100"; `textured` multiplies by
// the texture. Needs a current context; on failure returns a program with id 0
// and the driver's log in `log`.
ShaderProgram BuildShaderProgram(const char* versionLine, bool textured, FragmentFinish finish, std::string& log);
void DeleteShaderProgram(ShaderProgram& program);

// The version line this context's shading language takes.
const char* ContextShaderVersion();

}  // namespace platform
