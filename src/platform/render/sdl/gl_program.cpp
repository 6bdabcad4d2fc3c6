#include "platform/render/sdl/gl_program.h"

#include <cstring>

#include "platform/render/sdl/gl_functions.h"

namespace platform {
namespace {

// Precision is only named for GLSL ES; highp where the fragment stage has it,
// since texture coordinates across an 800-pixel picture need more than mediump.
constexpr const char* kPrecision = R"(
#ifdef GL_ES
#ifdef GL_FRAGMENT_PRECISION_HIGH
precision highp float;
#else
precision mediump float;
#endif
#endif
)";

constexpr const char* kVertexShader = R"(
uniform mat4 uProjection;
attribute vec2 aPosition;
attribute vec2 aTexCoord;
attribute vec4 aColour;
varying vec2 vTexCoord;
varying vec4 vColour;
void main() {
  vTexCoord = aTexCoord;
  vColour = aColour;
  gl_Position = uProjection * vec4(aPosition, 0.0, 1.0);
}
)";

// The texture modulated by the vertex colour, as fixed function's
// GL_MODULATE did; the mask blend's alpha test at 0.5 (GL_GEQUAL) in here.
// Added light is premultiplied here, where the multiply is one more in a
// vector of floats, so that the blend only adds: the software rasteriser
// draws the busy level's overlapping particles about a tenth faster so. Colour
// and alpha are first rounded to bytes, as the blend had them, so that light
// laid many times over adds up to the same pixels as before.
constexpr const char* kFragmentShader = R"(
uniform sampler2D uTexture;
varying vec2 vTexCoord;
varying vec4 vColour;
void main() {
  vec4 colour = vColour;
#ifdef TEXTURED
  colour *= texture2D(uTexture, vTexCoord);
#endif
#ifdef ALPHA_TEST
  if (colour.a < 0.5) discard;
#endif
#ifdef PREMULTIPLY
  colour = floor(colour * 255.0 + 0.5) / 255.0;
  colour.rgb *= colour.a;
#endif
  gl_FragColor = colour;
}
)";

GLuint Compile(GLenum stage, const std::string& source, std::string& log) {
  const GLuint shader = gl::CreateShader(stage);
  const char* text = source.c_str();
  gl::ShaderSource(shader, 1, &text, nullptr);
  gl::CompileShader(shader);
  GLint ok = GL_FALSE;
  gl::GetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok == GL_TRUE) return shader;
  char message[1024] = {};
  gl::GetShaderInfoLog(shader, sizeof message, nullptr, message);
  log += message;
  gl::DeleteShader(shader);
  return 0;
}

}  // namespace

ShaderProgram BuildShaderProgram(const char* versionLine, bool textured, FragmentFinish finish, std::string& log) {
  std::string header = std::string(versionLine) + "\n";
  if (textured) header += "#define TEXTURED\n";
  switch (finish) {
    case FragmentFinish::AsIs:
      break;
    case FragmentFinish::AlphaTest:
      header += "#define ALPHA_TEST\n";
      break;
    case FragmentFinish::Premultiply:
      header += "#define PREMULTIPLY\n";
      break;
  }
  header += kPrecision;
  ShaderProgram program;
  const GLuint vertex = Compile(GL_VERTEX_SHADER, header + kVertexShader, log);
  const GLuint fragment = Compile(GL_FRAGMENT_SHADER, header + kFragmentShader, log);
  if (vertex && fragment) {
    program.id = gl::CreateProgram();
    gl::AttachShader(program.id, vertex);
    gl::AttachShader(program.id, fragment);
    gl::BindAttribLocation(program.id, kPositionAttribute, "aPosition");
    gl::BindAttribLocation(program.id, kTexCoordAttribute, "aTexCoord");
    gl::BindAttribLocation(program.id, kColourAttribute, "aColour");
    gl::LinkProgram(program.id);
    GLint ok = GL_FALSE;
    gl::GetProgramiv(program.id, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
      char message[1024] = {};
      gl::GetProgramInfoLog(program.id, sizeof message, nullptr, message);
      log += message;
      gl::DeleteProgram(program.id);
      program.id = 0;
    }
  }
  if (vertex) gl::DeleteShader(vertex);
  if (fragment) gl::DeleteShader(fragment);
  if (program.id) {
    program.projection = gl::GetUniformLocation(program.id, "uProjection");
    program.sampler = gl::GetUniformLocation(program.id, "uTexture");
  }
  return program;
}

void DeleteShaderProgram(ShaderProgram& program) {
  if (program.id) gl::DeleteProgram(program.id);
  program = {};
}

const char* ContextShaderVersion() {
  const auto* version = reinterpret_cast<const char*>(gl::GetString(GL_VERSION));
  return version && std::strncmp(version, "OpenGL ES", 9) == 0 ? "#version 100" : "#version 120";
}

}  // namespace platform
