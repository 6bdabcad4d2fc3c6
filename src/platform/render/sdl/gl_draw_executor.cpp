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

// Indexed by textured * kFragmentFinishes + finish. The plain textured one is
// built when the executor opens, the others when first drawn with: each
// variant costs the software driver several milliseconds, and the first frame
// (the logo) needs one.
constexpr int kPrograms = 2 * kFragmentFinishes;
constexpr int kPictureProgram = kFragmentFinishes + static_cast<int>(FragmentFinish::AsIs);
ShaderProgram programs[kPrograms];
bool triedProgram[kPrograms];
// The target size each program's projection was last set for.
int projectedWidth[kPrograms], projectedHeight[kPrograms];
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
  programs[index] = BuildShaderProgram(ContextShaderVersion(), index >= kFragmentFinishes,
                                      static_cast<FragmentFinish>(index % kFragmentFinishes), log);
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
// ready to be laid over what would have been under them. Light comes from its
// shader premultiplied.
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
      gl::BlendFuncSeparate(GL_ONE, GL_ONE, GL_ZERO, GL_ONE);
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

// The shader variant a command draws with.
int ProgramFor(const CommandState& state) {
  FragmentFinish finish = FragmentFinish::AsIs;
  switch (state.blend) {
    case Blend::Mask:
      finish = FragmentFinish::AlphaTest;
      break;
    case Blend::Light:
      finish = FragmentFinish::Premultiply;
      break;
    case Blend::Solid:
    case Blend::Alpha:
    case Blend::Shade:
      break;
  }
  return (state.texture.name ? kFragmentFinishes : 0) + static_cast<int>(finish);
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

// Whether the pixels vertices [first, first + count) can reach meet the rectangle.
bool Reaches(const std::vector<ListVertex>& vertices, int first, int count, const ClipRect& rect) {
  const VertexHull reach = ReachOf(HullOf(vertices, first, count));
  return reach.left < rect.x + rect.width && reach.right > rect.x && reach.top < rect.y + rect.height &&
         reach.bottom > rect.y;
}

// The vertices of one shape: a quad's two triangles, or a line.
int ShapeVertices(Primitive primitive) {
  switch (primitive) {
    case Primitive::Quads:
      return 6;
    case Primitive::Lines:
      return 2;
  }
  return 6;
}

// A command as sent: its vertices' place in the buffer and the clip it draws under.
struct SentCommand {
  const DrawCommand* command;
  ClipRect clip;
  int first, count;
};
// Reused from call to call: what is sent of commands drawn within a rectangle.
std::vector<ListVertex> shapesWithin;
std::vector<SentCommand> sent;

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
  for (bool& tried : triedProgram) tried = false;
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

namespace {

void Send(const SentCommand& item) {
  const CommandState& state = item.command->state;
  ApplyClip(item.clip);
  if (state.clear) {
    const uint32_t c = state.clearColour;
    gl::ClearColor((c & 255) / 255.0f, (c >> 8 & 255) / 255.0f, (c >> 16 & 255) / 255.0f, 1.0f);
    gl::Clear(GL_COLOR_BUFFER_BIT);
    return;
  }
  if (item.count == 0) return;
  ApplyBlend(TargetBlendOf(state.blend));
  if (!UseProgram(ProgramFor(state))) return;
  if (state.texture.name) BindTexture(state.texture.name);
  gl::DrawArrays(GlPrimitive(state.primitive), item.first, item.count);
  ++drawCalls;
}

// Within a rectangle only the shapes that can touch it are sent, each
// command's in their order: the rest would cost the rasteriser their setup
// for no pixel (a few particles redrawn over a full board would otherwise
// send every wall).
void ExecuteWithin(const DrawList& list, size_t from, size_t to, const ClipRect& within) {
  const auto& vertices = list.Vertices();
  shapesWithin.clear();
  sent.clear();
  for (size_t i = from; i < to; ++i) {
    const DrawCommand& command = list.Commands()[i];
    const ClipRect clip = Intersection(command.state.clip, within);
    if (clip.Empty()) continue;
    const int first = static_cast<int>(shapesWithin.size());
    const int shape = ShapeVertices(command.state.primitive);
    for (int v = command.first; v + shape <= command.first + command.count; v += shape) {
      if (Reaches(vertices, v, shape, clip)) shapesWithin.insert(shapesWithin.end(), &vertices[v], &vertices[v] + shape);
    }
    const int count = static_cast<int>(shapesWithin.size()) - first;
    if (command.state.clear || count > 0) sent.push_back({&command, clip, first, count});
  }
  if (!shapesWithin.empty()) Upload(shapesWithin.data(), static_cast<int>(shapesWithin.size()));
  for (const SentCommand& item : sent) Send(item);
}

}  // namespace

void ExecuteCommands(const DrawList& list, size_t from, size_t to, const ClipRect* within) {
  const auto& commands = list.Commands();
  if (from >= to) return;
  if (within) {
    ExecuteWithin(list, from, to, *within);
    return;
  }
  const int base = commands[from].first;
  const int end = commands[to - 1].first + commands[to - 1].count;
  if (end > base) Upload(&list.Vertices()[base], end - base);
  for (size_t i = from; i < to; ++i) {
    const DrawCommand& command = commands[i];
    Send({&command, command.state.clip, command.first - base, command.count});
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

namespace {

// The part `rect` of a picture of the target's size put on the same part of the target.
void DrawPicturePart(unsigned texture, const ClipRect& rect, TargetBlend mode) {
  const float w = static_cast<float>(targetWidth), h = static_cast<float>(targetHeight);
  DrawPicture(texture, static_cast<float>(rect.x) / w, 1 - static_cast<float>(rect.y) / h,
              static_cast<float>(rect.x + rect.width) / w, 1 - static_cast<float>(rect.y + rect.height) / h, rect,
              false, mode);
}

}  // namespace

void ExecutorLayPicture(unsigned texture, const ClipRect& rect) { DrawPicturePart(texture, rect, TargetBlend::Lay); }

void ExecutorCopyPicturePart(unsigned texture, const ClipRect& rect) {
  DrawPicturePart(texture, rect, TargetBlend::Off);
}

void ExecutorClearTarget(int red, int green, int blue, int alpha) {
  ApplyClip({0, 0, targetWidth, targetHeight});
  gl::ClearColor(red / 255.0f, green / 255.0f, blue / 255.0f, alpha / 255.0f);
  gl::Clear(GL_COLOR_BUFFER_BIT);
}

void ExecutorForgetTexture() { boundTexture = ~0u; }

int64_t ExecutorDrawCalls() { return drawCalls; }

}  // namespace platform
