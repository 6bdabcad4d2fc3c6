#include "platform/render/sdl/gl_draw_executor.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "platform/host/diagnostics.h"
#include "platform/render/graphics.h"
#include "platform/render/sdl/gl_functions.h"
#include "platform/render/sdl/gl_program.h"

namespace platform {
namespace {

// Indexed by textured * 2 + alpha test. The textured one is built when the
// executor opens, the others when first drawn with: each variant costs the
// software driver several milliseconds, and the first frame (the logo) needs one.
constexpr int kPictureProgram = 2;
ShaderProgram programs[4];
bool triedProgram[4];
// The target size each program's projection was last set for.
int projectedWidth[4], projectedHeight[4];
GLuint vertexBuffer = 0;
int64_t drawCalls = 0;

unsigned boundFramebuffer = ~0u;
int targetWidth = 0, targetHeight = 0;
int usedProgram = -1;

// The blend equation the target is set to: a command's, or laying a picture
// of premultiplied pixels over the target.
enum class TargetBlend { Unknown, Off, Over, Add, Multiply, Lay };
TargetBlend appliedBlend = TargetBlend::Unknown;
ClipRect appliedClip{-1, -1, -1, -1};
unsigned boundTexture = ~0u;

// Builds variant `index`; false (and the driver's words logged) when it does not build.
bool BuildProgram(int index) {
  std::string log;
  programs[index] = BuildShaderProgram(ContextShaderVersion(), index >= 2, index % 2 == 1, log);
  if (!programs[index].id) {
    DebugLog("shader variant " + std::to_string(index) + " did not build: " + log);
    return false;
  }
  gl::UseProgram(programs[index].id);
  usedProgram = index;
  gl::Uniform1i(programs[index].sampler, 0);
  projectedWidth[index] = projectedHeight[index] = -1;
  return true;
}

// False when the variant cannot be had, and nothing should be drawn with it.
bool UseProgram(int index) {
  if (!programs[index].id && (triedProgram[index] || !BuildProgram(index))) {
    triedProgram[index] = true;
    return false;
  }
  if (usedProgram != index) {
    gl::UseProgram(programs[index].id);
    usedProgram = index;
  }
  if (projectedWidth[index] != targetWidth || projectedHeight[index] != targetHeight) {
    // Pixels with a top-left origin to clip space (glOrtho(0, w, h, 0, -1, 1)).
    const float w = static_cast<float>(targetWidth), h = static_cast<float>(targetHeight);
    const float projection[16] = {2 / w, 0, 0, 0, 0, -2 / h, 0, 0, 0, 0, -1, 0, -1, 1, 0, 1};
    gl::UniformMatrix4fv(programs[index].projection, 1, GL_FALSE, projection);
    projectedWidth[index] = targetWidth;
    projectedHeight[index] = targetHeight;
  }
  return true;
}

TargetBlend TargetBlendOf(Blend blend) {
  switch (blend) {
    case Blend::Solid:
    case Blend::Mask:  // its test is in the shader
      return TargetBlend::Off;
    case Blend::Alpha:
      return TargetBlend::Over;
    case Blend::Light:
      return TargetBlend::Add;
    case Blend::Shade:
      return TargetBlend::Multiply;
  }
  return TargetBlend::Off;
}

// Alpha and light keep the target's alpha as coverage ("over" and "leave as
// is"), so commands drawn into a transparent picture leave it premultiplied,
// ready to be laid over what would have been under them.
void ApplyBlend(TargetBlend blend) {
  if (blend == appliedBlend) return;
  appliedBlend = blend;
  switch (blend) {
    case TargetBlend::Unknown:
    case TargetBlend::Off:
      gl::Disable(GL_BLEND);
      return;
    case TargetBlend::Over:
      gl::Enable(GL_BLEND);
      gl::BlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
      return;
    case TargetBlend::Add:
      gl::Enable(GL_BLEND);
      gl::BlendFuncSeparate(GL_SRC_ALPHA, GL_ONE, GL_ZERO, GL_ONE);
      return;
    case TargetBlend::Multiply:
      gl::Enable(GL_BLEND);
      gl::BlendFunc(GL_DST_COLOR, GL_ZERO);
      return;
    case TargetBlend::Lay:
      gl::Enable(GL_BLEND);
      gl::BlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
      return;
  }
}

// The shader variant a command draws with (textured * 2 + alpha test).
int ProgramFor(const CommandState& state) {
  bool alphaTest = false;
  switch (state.blend) {
    case Blend::Mask:
      alphaTest = true;
      break;
    case Blend::Solid:
    case Blend::Alpha:
    case Blend::Light:
    case Blend::Shade:
      break;
  }
  return (state.texture.name ? 2 : 0) + (alphaTest ? 1 : 0);
}

GLenum GlPrimitive(Primitive primitive) {
  switch (primitive) {
    case Primitive::Quads:  // stored as two triangles each
      return GL_TRIANGLES;
    case Primitive::Lines:
      return GL_LINES;
  }
  return GL_TRIANGLES;
}

void ApplyClip(const ClipRect& clip) {
  if (clip == appliedClip) return;
  appliedClip = clip;
  gl::Scissor(clip.x, targetHeight - clip.y - clip.height, clip.width, clip.height);
}

ClipRect Intersection(const ClipRect& a, const ClipRect& b) {
  const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
  const int right = std::min(a.x + a.width, b.x + b.width), bottom = std::min(a.y + a.height, b.y + b.height);
  return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

// Whether the pixels the command's vertices can reach meet the rectangle.
bool Reaches(const DrawCommand& command, const std::vector<ListVertex>& vertices, const ClipRect& rect) {
  if (command.count == 0) return false;
  const VertexHull reach = ReachOf(HullOf(vertices, command.first, command.count));
  return reach.left < rect.x + rect.width && reach.right > rect.x && reach.top < rect.y + rect.height &&
         reach.bottom > rect.y;
}

void BindTexture(unsigned texture) {
  if (texture == boundTexture) return;
  gl::BindTexture(GL_TEXTURE_2D, texture);
  boundTexture = texture;
}

// Fills the vertex buffer with the vertices the next draws read from its start.
void Upload(const ListVertex* vertices, int count) {
  gl::BindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
  gl::BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(sizeof(ListVertex)) * count, vertices, GL_STREAM_DRAW);
  const GLsizei stride = sizeof(ListVertex);
  gl::VertexAttribPointer(kPositionAttribute, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(ListVertex, x)));
  gl::VertexAttribPointer(kTexCoordAttribute, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(ListVertex, u)));
  gl::VertexAttribPointer(kColourAttribute, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          reinterpret_cast<const void*>(offsetof(ListVertex, colour)));
}

}  // namespace

bool ExecutorOpen() {
  for (int index = 0; index < 4; ++index) triedProgram[index] = false;
  if (!BuildProgram(kPictureProgram)) {
    ExecutorClose();
    return false;
  }
  gl::GenBuffers(1, &vertexBuffer);
  for (unsigned attribute : {kPositionAttribute, kTexCoordAttribute, kColourAttribute}) {
    gl::EnableVertexAttribArray(attribute);
  }
  gl::Enable(GL_SCISSOR_TEST);
  boundFramebuffer = boundTexture = ~0u;
  usedProgram = -1;
  appliedBlend = TargetBlend::Unknown;
  appliedClip = {-1, -1, -1, -1};
  return true;
}

void ExecutorClose() {
  for (ShaderProgram& program : programs) DeleteShaderProgram(program);
  if (vertexBuffer) gl::DeleteBuffers(1, &vertexBuffer);
  vertexBuffer = 0;
}

void ExecutorBindTarget(unsigned framebuffer, int width, int height) {
  if (framebuffer == boundFramebuffer && width == targetWidth && height == targetHeight) return;
  gl::BindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  gl::Viewport(0, 0, width, height);
  boundFramebuffer = framebuffer;
  targetWidth = width;
  targetHeight = height;
  appliedClip = {-1, -1, -1, -1};
}

void ExecuteCommands(const DrawList& list, size_t from, size_t to, const ClipRect* within) {
  const auto& commands = list.Commands();
  if (from >= to) return;
  const int base = commands[from].first;
  const int end = commands[to - 1].first + commands[to - 1].count;
  if (end > base) Upload(&list.Vertices()[base], end - base);
  for (size_t i = from; i < to; ++i) {
    const DrawCommand& command = commands[i];
    const CommandState& state = command.state;
    const ClipRect clip = within ? Intersection(state.clip, *within) : state.clip;
    // Within a rectangle, a command that cannot touch it is not sent at all.
    if (within && (clip.width == 0 || clip.height == 0)) continue;
    if (within && !state.clear && !Reaches(command, list.Vertices(), clip)) continue;
    ApplyClip(clip);
    if (state.clear) {
      const uint32_t c = state.clearColour;
      gl::ClearColor((c & 255) / 255.0f, (c >> 8 & 255) / 255.0f, (c >> 16 & 255) / 255.0f, 1.0f);
      gl::Clear(GL_COLOR_BUFFER_BIT);
      continue;
    }
    if (command.count == 0) continue;
    ApplyBlend(TargetBlendOf(state.blend));
    if (!UseProgram(ProgramFor(state))) continue;
    if (state.texture.name) BindTexture(state.texture.name);
    gl::DrawArrays(GlPrimitive(state.primitive), command.first - base, command.count);
    ++drawCalls;
  }
}

namespace {

// Texture coordinates [u0, u1] x [v0, v1] of a texture drawn over the rectangle `at`.
void DrawPicture(unsigned texture, float u0, float v0, float u1, float v1, const ClipRect& at, bool smooth,
                 TargetBlend mode) {
  const float l = static_cast<float>(at.x), t = static_cast<float>(at.y);
  const float r = l + static_cast<float>(at.width), b = t + static_cast<float>(at.height);
  const uint32_t white = 0xFFFFFFFFu;
  const ListVertex quad[6] = {{l, t, u0, v0, white}, {r, t, u1, v0, white}, {r, b, u1, v1, white},
                              {l, t, u0, v0, white}, {r, b, u1, v1, white}, {l, b, u0, v1, white}};
  ApplyClip({0, 0, targetWidth, targetHeight});
  ApplyBlend(mode);
  UseProgram(kPictureProgram);
  BindTexture(texture);
  const GLint filter = smooth ? GL_LINEAR : GL_NEAREST;
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  Upload(quad, 6);
  gl::DrawArrays(GL_TRIANGLES, 0, 6);
}

}  // namespace

// The picture's top row is the texture's last.
void ExecutorCopyPicture(unsigned texture, int x, int y, int width, int height, bool smooth) {
  DrawPicture(texture, 0, 1, 1, 0, {x, y, width, height}, smooth, TargetBlend::Off);
}

void ExecutorLayPicture(unsigned texture, const ClipRect& rect) {
  const float w = static_cast<float>(targetWidth), h = static_cast<float>(targetHeight);
  DrawPicture(texture, static_cast<float>(rect.x) / w, 1 - static_cast<float>(rect.y) / h,
              static_cast<float>(rect.x + rect.width) / w, 1 - static_cast<float>(rect.y + rect.height) / h, rect,
              false, TargetBlend::Lay);
}

void ExecutorClearTarget(int red, int green, int blue, int alpha) {
  ApplyClip({0, 0, targetWidth, targetHeight});
  gl::ClearColor(red / 255.0f, green / 255.0f, blue / 255.0f, alpha / 255.0f);
  gl::Clear(GL_COLOR_BUFFER_BIT);
}

void ExecutorForgetTexture() { boundTexture = ~0u; }

int64_t ExecutorDrawCalls() { return drawCalls; }

}  // namespace platform
