#pragma once
// The cached run: a run of commands that recent frames share, drawn once
// into a transparent picture that stands in for those commands while later
// frames still have them, wherever they fall in the frame. A run that starts
// with a cover hides what comes before it, and its picture is copied whole;
// any other is made only of commands whose pixels do not depend on what is
// under them, and its picture is laid over what the commands before it drew:
// once the run has lasted a second frame, only where the picture has pixels,
// its opaque parts copied without blending over nothing drawn under them.

#include <cstddef>

#include "platform/render/draw_list.h"
#include "platform/render/picture_regions.h"
#include "platform/render/sdl/gl_picture_target.h"
#include "platform/render/sdl/gl_textures.h"

namespace platform {

class RunCache {
 public:
  // Needs a current context; false when the picture cannot be drawn into.
  bool Open(int width, int height);
  void Close();
  // Where the run the cache holds is in `list`, or DrawList::npos.
  size_t Find(const DrawList& list) const;
  // Draws the cache again when `now` shares with `last` a run that spares
  // more drawing than the one it holds (or when it holds none of `now`);
  // with `mayRedraw` false only when it holds none of `now` and the frame
  // before found the same best run, so a run that lasts is drawn once while
  // one that changes every frame is never drawn.
  // Returns where the run it then holds is in `now`, or DrawList::npos.
  size_t Update(const DrawList& now, const DrawList& last, const TextureStore& textures, bool mayRedraw = true);
  // Draws a whole-screen list into the bound target (only inside `within`
  // when given): the run at `at` from the cached picture (DrawList::npos:
  // none), the other commands as they are.
  void Draw(const DrawList& list, size_t at, const ClipRect* within = nullptr) const;

 private:
  struct Run {
    size_t first = 0, count = 0;  // count 0: no run
    bool covers = false;
    ClipRect bounds;
    double saving = 0;  // pixels painted by the commands, less those of the picture
    bool operator==(const Run&) const = default;
  };
  Run BestSharedRun(const DrawList& now, const DrawList& last, const TextureStore& textures) const;
  void FindRegions();
  void DrawLaidRun(const DrawList& list, size_t at, const ClipRect& within) const;

  int width_ = 0, height_ = 0;
  PictureTarget picture_;
  DrawList list_;  // the frame whose run the picture holds
  Run run_;
  // The best shared run the last update found.
  Run lastBest_;
  // Where a laid-over picture is opaque, translucent and empty; looked for
  // (by reading the picture back) once per picture, when a second frame uses it.
  PictureRegions regions_;
  bool regionsSought_ = false;
};

}  // namespace platform
