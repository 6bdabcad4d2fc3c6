#pragma once
// The pictures' textures: made on a picture's first draw in a display
// generation, uploaded again when its pixels change, deleted with it. Each
// texture knows whether all its texels are opaque. The texture epoch is
// raised whenever the pixels behind a name change or the name goes (and may
// be handed out again), so commands recorded before then are not equal to
// any recorded after (`TextureRef`).

#include <cstdint>
#include <vector>

#include "platform/render/command_state.h"
#include "platform/render/graphics.h"

namespace platform {

class TextureStore {
 public:
  // A new display generation: the textures of the last one went with it.
  void Open();
  // `frame` holds a texture of this generation.
  bool Holds(const ImageFrame& frame) const { return frame.texture != 0 && frame.generation == generation_; }
  // Drawing `frame` would put new pixels behind a name that recorded
  // commands may hold: what they draw must be drawn first.
  bool WouldReplace(const ImageFrame& frame) const { return HasPixels(frame) && Holds(frame) && frame.dirty; }
  // The texture to draw `frame` with, uploaded first when new or changed;
  // name 0 when the frame has no pixels.
  TextureRef Prepare(ImageFrame& frame, int imageFlags) {
    if (HasPixels(frame) && Holds(frame) && !frame.dirty) return {frame.texture, epoch_};
    return Upload(frame, imageFlags);
  }
  // Deletes the frame's texture (it must hold one) and lets the frame go.
  void Delete(ImageFrame& frame);
  // The frame holds no texture from now on.
  static void Detach(ImageFrame& frame);
  // Every texel of texture `name` is opaque.
  bool Opaque(unsigned name) const { return name < opaque_.size() && opaque_[name]; }

 private:
  static bool HasPixels(const ImageFrame& frame) { return frame.buffer.width > 0 && frame.buffer.height > 0; }
  // The frame's pixels into its texture (made first when it has none).
  TextureRef Upload(ImageFrame& frame, int imageFlags);

  int generation_ = 0;
  bool mipmapsAnySize_ = true;  // else a mipmapped picture of other sides is filtered only
  uint64_t epoch_ = 0;
  std::vector<bool> opaque_;  // per texture name
};

}  // namespace platform
