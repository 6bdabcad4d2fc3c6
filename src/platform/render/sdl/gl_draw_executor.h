#pragma once
// Sends recorded draw commands to OpenGL: the shader variants, the vertex
// buffer filled per batch, and the state last set (program, blend, scissor,
// texture, target), so that what is unchanged is not sent again.

#include <cstddef>
#include <cstdint>

#include "platform/render/draw_list.h"

namespace platform {

// Needs a current context; false when the shaders do not build.
bool ExecutorOpen();
void ExecutorClose();

// Draws into `framebuffer` (0: the window) of that size from now on, in a
// projection of its own pixels, top-left origin.
void ExecutorBindTarget(unsigned framebuffer, int width, int height);
// Commands [from, to) of the list; with `within`, only the pixels inside it.
void ExecuteCommands(const DrawList& list, size_t from, size_t to, const ClipRect* within = nullptr);
// A whole texture of the logical picture (stored bottom row first, as frame
// buffers are) copied without blending into the rectangle at (x, y).
void ExecutorCopyPicture(unsigned texture, int x, int y, int width, int height, bool smooth);
// The part `rect` of a picture of the target's size whose pixels are
// premultiplied by their alpha (drawn into a transparent target) laid over
// the same part of the target.
void ExecutorLayPicture(unsigned texture, const ClipRect& rect);
// The same part of such a picture copied without blending.
void ExecutorCopyPicturePart(unsigned texture, const ClipRect& rect);
// Clears the whole target.
void ExecutorClearTarget(int red, int green, int blue, int alpha = 255);
// Texture uploads bind textures behind the executor's back.
void ExecutorForgetTexture();
int64_t ExecutorDrawCalls();

}  // namespace platform
