// The drawing operations: each shape is placed through the drawing state's
// matrix and origin here, then handed to the back-end as logical-pixel vertices.

#include <cmath>

#include "platform/render/builtin_font.h"
#include "platform/render/draw_state.h"
#include "platform/render/graphics.h"
#include "platform/render/image_cover.h"
#include "platform/render/render_backend.h"

namespace platform {
namespace {

constexpr int kAtlasColumns = 16;
constexpr int kFirstGlyph = kFirstGlyphCode;
constexpr int kLastGlyph = kLastGlyphCode;

Vertex Place(const DrawState& s, float px, float py, float x, float y, float u, float v) {
  return {px * s.ix + py * s.iy + x + s.originX, px * s.jx + py * s.jy + y + s.originY, u, v};
}

// The built-in font lives in one texture so that a line of text is one batch.
ImageData& FontAtlas() {
  static ImageData atlas = [] {
    ImageData data;
    const int rows = (kLastGlyph - kFirstGlyph + kAtlasColumns) / kAtlasColumns;
    data.width = kAtlasColumns * kGlyphWidth;
    data.height = rows * kGlyphHeight;
    ImageFrame frame;
    frame.buffer.width = data.width;
    frame.buffer.height = data.height;
    frame.buffer.pixels.assign(static_cast<size_t>(data.width) * data.height, 0x00FFFFFFu);
    for (int code = kFirstGlyph; code <= kLastGlyph; ++code) {
      const uint8_t* rowsOfGlyph = GlyphRows(code);
      if (!rowsOfGlyph) continue;
      const int cell = code - kFirstGlyph;
      const int left = (cell % kAtlasColumns) * kGlyphWidth;
      const int top = (cell / kAtlasColumns) * kGlyphHeight;
      for (int row = 0; row < kGlyphHeight; ++row) {
        for (int bit = 0; bit < kGlyphWidth; ++bit) {
          if (rowsOfGlyph[row] & (0x80 >> bit)) {
            frame.buffer.pixels[static_cast<size_t>(top + row) * data.width + left + bit] = 0xFFFFFFFFu;
          }
        }
      }
    }
    data.frames.push_back(std::move(frame));
    return data;
  }();
  return atlas;
}

// Under these blends a clear pixel leaves the screen as it was, so only the
// picture's cover need be drawn. Filtered pictures are drawn whole: their
// edges blend with the neighbouring pixels.
bool ClearPixelsChangeNothing(Blend blend, int imageFlags) {
  if ((imageFlags & (FilteredImage | MipmappedImage)) != 0) return false;
  switch (blend) {
    case Blend::Alpha:
    case Blend::Light:
    case Blend::Mask:
      return true;
    case Blend::Solid:
    case Blend::Shade:
      return false;
  }
  return false;
}

// Up to this size a picture is sent whole even when it holds clear parts: the
// rasteriser spends more setting up the extra triangles of its pieces than it
// saves on the pixels (a particle in five pieces, a tile border in four).
constexpr int SmallPictureArea = 64 * 64;

void SubmitQuad(ImageFrame* frame, int flags, const Vertex (&quad)[4]) {
  BackendSubmit(Primitive::Quads, frame, flags, quad, 4, CurrentDrawState().ModulationColour());
}

}  // namespace

Blend BlendFromMode(int mode) {
  switch (mode) {
    case MaskBlend:
      return Blend::Mask;
    case AlphaBlend:
      return Blend::Alpha;
    case LightBlend:
      return Blend::Light;
    case ShadeBlend:
      return Blend::Shade;
    case SolidBlend:
    default:  // a number the game does not define: drawn solid, as it always was
      return Blend::Solid;
  }
}

void Cls() {
  const DrawState& s = CurrentDrawState();
  BackendClear(s.clsRed, s.clsGreen, s.clsBlue);
}

void SetClsColor(int r, int g, int b) {
  DrawState& s = CurrentDrawState();
  s.clsRed = r;
  s.clsGreen = g;
  s.clsBlue = b;
}

void DrawImage(const TImage& image, float x, float y, int frame) {
  if (!image || frame < 0 || frame >= image.Frames()) return;
  const DrawState& s = CurrentDrawState();
  ImageData& data = *image.get();
  ImageFrame& pixels = data.frames[frame];
  const float left = -data.handleX, top = -data.handleY;
  const float w = static_cast<float>(pixels.buffer.width), h = static_cast<float>(pixels.buffer.height);
  // One piece of the picture, in its own pixels.
  auto drawPiece = [&](const CoverRect& piece) {
    const float l = left + piece.x, t = top + piece.y;
    const float r = l + piece.width, b = t + piece.height;
    const float u0 = piece.x / w, v0 = piece.y / h;
    const float u1 = (piece.x + piece.width) / w, v1 = (piece.y + piece.height) / h;
    const Vertex quad[4] = {Place(s, l, t, x, y, u0, v0), Place(s, r, t, x, y, u1, v0),
                            Place(s, r, b, x, y, u1, v1), Place(s, l, b, x, y, u0, v1)};
    SubmitQuad(&pixels, data.flags, quad);
  };
  const CoverRect whole{0, 0, pixels.buffer.width, pixels.buffer.height};
  if (!ClearPixelsChangeNothing(BlendFromMode(s.blend), data.flags)) {
    drawPiece(whole);
    return;
  }
  if (pixels.coverDirty) {
    pixels.cover = FindCover(pixels.buffer);
    pixels.coverDirty = false;
  }
  if (pixels.cover.empty()) return;
  if (pixels.buffer.width * pixels.buffer.height <= SmallPictureArea) {
    drawPiece(whole);
    return;
  }
  for (const CoverRect& piece : pixels.cover) drawPiece(piece);
}

void TileImage(const TImage& image, float x, float y, int frame) {
  if (!image || frame < 0 || frame >= image.Frames() || image.Width() <= 0 || image.Height() <= 0) return;
  const DrawState& s = CurrentDrawState();
  ImageData& data = *image.get();
  const float w = static_cast<float>(data.width), h = static_cast<float>(data.height);
  // The grid line nearest to the viewport's top-left corner, at or before it.
  const float anchorX = x + s.originX - data.handleX;
  const float anchorY = y + s.originY - data.handleY;
  const float startX = anchorX - std::ceil((anchorX - s.viewX) / w) * w;
  const float startY = anchorY - std::ceil((anchorY - s.viewY) / h) * h;
  const uint32_t colour = s.ModulationColour();
  for (float top = startY; top < s.viewY + s.viewHeight; top += h) {
    for (float left = startX; left < s.viewX + s.viewWidth; left += w) {
      const Vertex quad[4] = {{left, top, 0, 0}, {left + w, top, 1, 0}, {left + w, top + h, 1, 1},
                              {left, top + h, 0, 1}};
      BackendSubmit(Primitive::Quads, &data.frames[frame], data.flags, quad, 4, colour);
    }
  }
}

void DrawRect(float x, float y, float width, float height) {
  const DrawState& s = CurrentDrawState();
  const Vertex quad[4] = {Place(s, 0, 0, x, y, 0, 0), Place(s, width, 0, x, y, 0, 0),
                          Place(s, width, height, x, y, 0, 0), Place(s, 0, height, x, y, 0, 0)};
  SubmitQuad(nullptr, 0, quad);
}

void DrawLine(float x, float y, float x2, float y2, bool drawLastPixel) {
  const DrawState& s = CurrentDrawState();
  // Lines run through pixel centres.
  Vertex line[2] = {Place(s, 0, 0, x, y, 0, 0), Place(s, x2 - x, y2 - y, x, y, 0, 0)};
  for (Vertex& v : line) {
    v.x += 0.5f;
    v.y += 0.5f;
  }
  BackendSubmit(Primitive::Lines, nullptr, 0, line, 2, s.ModulationColour());
  if (drawLastPixel) {
    const float px = std::floor(line[1].x), py = std::floor(line[1].y);
    const Vertex dot[4] = {{px, py, 0, 0}, {px + 1, py, 0, 0}, {px + 1, py + 1, 0, 0}, {px, py + 1, 0, 0}};
    SubmitQuad(nullptr, 0, dot);
  }
}

void DrawText(const std::string& text, float x, float y) {
  const DrawState& s = CurrentDrawState();
  ImageData& atlas = FontAtlas();
  const float cellU = static_cast<float>(kGlyphWidth) / atlas.width;
  const float cellV = static_cast<float>(kGlyphHeight) / atlas.height;
  float pen = 0.0f;
  for (unsigned char c : text) {
    if (c < kFirstGlyph || c > kLastGlyph) continue;
    const int cell = c - kFirstGlyph;
    const float u = (cell % kAtlasColumns) * cellU, v = (cell / kAtlasColumns) * cellV;
    const float right = pen + kGlyphWidth;
    const Vertex quad[4] = {Place(s, pen, 0, x, y, u, v), Place(s, right, 0, x, y, u + cellU, v),
                            Place(s, right, kGlyphHeight, x, y, u + cellU, v + cellV),
                            Place(s, pen, kGlyphHeight, x, y, u, v + cellV)};
    SubmitQuad(&atlas.frames[0], 0, quad);
    pen = right;
  }
}

void DrawTextIn(const std::string& text, float x, float y, int r, int g, int b) {
  int red, green, blue;
  GetColor(red, green, blue);
  SetColor(r, g, b);
  DrawText(text, x, y);
  SetColor(red, green, blue);
}

void SetColor(int r, int g, int b) {
  DrawState& s = CurrentDrawState();
  s.red = r;
  s.green = g;
  s.blue = b;
}

void SetAlpha(float alpha) { CurrentDrawState().alpha = alpha < 0.0f ? 0.0f : (alpha > 1.0f ? 1.0f : alpha); }

void SetBlend(int mode) {
  DrawState& s = CurrentDrawState();
  if (s.blend == mode) return;
  s.blend = mode;
  BackendSetBlend(BlendFromMode(mode));
}

void SetRotation(float degrees) {
  DrawState& s = CurrentDrawState();
  s.rotation = degrees;
  s.UpdateMatrix();
}

void SetScale(float x, float y) {
  DrawState& s = CurrentDrawState();
  s.scaleX = x;
  s.scaleY = y;
  s.UpdateMatrix();
}

void SetOrigin(float x, float y) {
  DrawState& s = CurrentDrawState();
  s.originX = x;
  s.originY = y;
}

void SetViewport(int x, int y, int width, int height) {
  DrawState& s = CurrentDrawState();
  s.viewX = x;
  s.viewY = y;
  s.viewWidth = width;
  s.viewHeight = height;
  BackendSetViewport(x, y, width, height);
}

int GetBlend() { return CurrentDrawState().blend; }
float GetAlpha() { return CurrentDrawState().alpha; }
void GetColor(int& r, int& g, int& b) {
  const DrawState& s = CurrentDrawState();
  r = s.red;
  g = s.green;
  b = s.blue;
}
void GetOrigin(float& x, float& y) {
  x = CurrentDrawState().originX;
  y = CurrentDrawState().originY;
}
void GetScale(float& x, float& y) {
  x = CurrentDrawState().scaleX;
  y = CurrentDrawState().scaleY;
}
float GetRotation() { return CurrentDrawState().rotation; }
int64_t DrawCallCount() { return BackendDrawCalls(); }

}  // namespace platform
