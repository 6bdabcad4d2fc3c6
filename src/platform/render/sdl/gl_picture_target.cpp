#include "platform/render/sdl/gl_picture_target.h"

#include "platform/render/sdl/gl_functions.h"

namespace platform {

bool MakePictureTarget(PictureTarget& target, int width, int height) {
  GLuint texture = 0;
  gl::GenTextures(1, &texture);
  gl::BindTexture(GL_TEXTURE_2D, texture);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  gl::TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  GLuint framebuffer = 0;
  gl::GenFramebuffers(1, &framebuffer);
  gl::BindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  gl::FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  target = {framebuffer, texture};
  return gl::CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void DeletePictureTarget(PictureTarget& target) {
  const GLuint framebuffer = target.framebuffer, texture = target.texture;
  if (framebuffer) gl::DeleteFramebuffers(1, &framebuffer);
  if (texture) gl::DeleteTextures(1, &texture);
  target = {};
}

}  // namespace platform
