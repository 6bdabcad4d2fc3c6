#include "platform/render/sdl/gl_textures.h"

#include <algorithm>
#include <cstring>

#include "platform/render/sdl/gl_draw_executor.h"
#include "platform/render/sdl/gl_functions.h"

namespace platform {
namespace {

bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

bool IsOpaque(const PixelBuffer& pixels) {
  return std::all_of(pixels.pixels.begin(), pixels.pixels.end(), [](uint32_t p) { return p >> 24 == 255; });
}

}  // namespace

void TextureStore::Open() {
  ++generation_;
  opaque_.clear();
  // OpenGL ES 2.0, and so WebGL 1, mipmaps only pictures whose sides are
  // powers of two: it draws any other black.
  const auto* version = reinterpret_cast<const char*>(gl::GetString(GL_VERSION));
  mipmapsAnySize_ = !(version && std::strncmp(version, "OpenGL ES", 9) == 0);
}

TextureRef TextureStore::Upload(ImageFrame& frame, int imageFlags) {
  if (!HasPixels(frame)) return {};
  if (Holds(frame)) {
    // New pixels behind a name that lists may hold.
    ++epoch_;
  } else {
    GLuint id = 0;
    gl::GenTextures(1, &id);
    frame.texture = id;
    frame.generation = generation_;
  }
  gl::BindTexture(GL_TEXTURE_2D, frame.texture);
  ExecutorForgetTexture();
  const bool filtered = imageFlags & FilteredImage;
  const bool mipmapped = (imageFlags & MipmappedImage) &&
                         (mipmapsAnySize_ || (IsPowerOfTwo(frame.buffer.width) && IsPowerOfTwo(frame.buffer.height)));
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filtered ? GL_LINEAR : GL_NEAREST);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    mipmapped ? GL_LINEAR_MIPMAP_LINEAR : (filtered ? GL_LINEAR : GL_NEAREST));
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  gl::PixelStorei(GL_UNPACK_ALIGNMENT, 4);
  const PixelBuffer& pixels = FramePixels(frame);
  gl::TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pixels.width, pixels.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.pixels.data());
  if (mipmapped) gl::GenerateMipmap(GL_TEXTURE_2D);
  if (opaque_.size() <= frame.texture) opaque_.resize(frame.texture + 1);
  opaque_[frame.texture] = IsOpaque(pixels);
  frame.dirty = false;
  LetPixelsGo(frame);
  return {frame.texture, epoch_};
}

void TextureStore::Delete(ImageFrame& frame) {
  // The name may be handed to the next picture made.
  ++epoch_;
  const GLuint id = frame.texture;
  gl::DeleteTextures(1, &id);
  ExecutorForgetTexture();
  Detach(frame);
}

void TextureStore::Detach(ImageFrame& frame) {
  frame.texture = 0;
  frame.generation = -1;
}

}  // namespace platform
