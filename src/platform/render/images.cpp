// Images: decoded pixels kept per frame on the CPU side, so the back-end can
// (re)build textures whenever a display generation needs them.

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

#include "platform/render/draw_state.h"
#include "platform/render/image_cover.h"
#include "platform/files/host_file.h"
#include "platform/render/graphics.h"
#include "platform/codecs/image_codec.h"
#include "platform/host/platform.h"
#include "platform/render/render_backend.h"

namespace platform {
namespace {

int ResolveFlags(int flags) { return flags == -1 ? CurrentDrawState().defaultImageFlags : flags; }

void ApplyMask(PixelBuffer& buffer, const ImageData& image) {
  if (!(image.flags & MaskedImage)) return;
  const uint32_t key = image.maskR | image.maskG << 8 | image.maskB << 16;
  for (uint32_t& p : buffer.pixels) {
    if ((p & 0x00FFFFFFu) == key) p &= 0x00FFFFFFu;
  }
}

std::shared_ptr<ImageData> NewImage(int width, int height, int flags) {
  auto image = std::make_shared<ImageData>();
  const DrawState& s = CurrentDrawState();
  image->width = width;
  image->height = height;
  image->flags = flags;
  image->maskR = static_cast<uint8_t>(s.maskRed);
  image->maskG = static_cast<uint8_t>(s.maskGreen);
  image->maskB = static_cast<uint8_t>(s.maskBlue);
  if (s.autoMidHandle) {
    image->handleX = width * 0.5f;
    image->handleY = height * 0.5f;
  }
  return image;
}

PixelBuffer CutCell(const PixelBuffer& source, int left, int top, int width, int height) {
  PixelBuffer cell;
  cell.width = width;
  cell.height = height;
  cell.pixels.resize(static_cast<size_t>(width) * height);
  for (int row = 0; row < height; ++row) {
    const uint32_t* from = &source.pixels[static_cast<size_t>(top + row) * source.width + left];
    std::copy(from, from + width, &cell.pixels[static_cast<size_t>(row) * width]);
  }
  return cell;
}

// Reads cell (left, top) of the picture file again as it was loaded; a file
// gone since gives clear pixels of the cell's size. The file is named as it
// was found then: the working folder may have changed by the time it is read.
std::function<PixelBuffer()> Rereader(const std::string& loadedPath, const ImageData& image, int left, int top) {
  std::error_code error;
  const std::filesystem::path found = std::filesystem::absolute(PathFromUtf8(loadedPath), error);
  const std::string hostPath = error ? loadedPath : Utf8FromPath(found);
  return [hostPath, flags = image.flags, r = image.maskR, g = image.maskG, b = image.maskB, left, top,
          width = image.width, height = image.height] {
    std::optional<PixelBuffer> picture = DecodeImageFile(hostPath);
    if (!picture || picture->width < left + width || picture->height < top + height) {
      PixelBuffer clear;
      clear.width = width;
      clear.height = height;
      clear.pixels.assign(static_cast<size_t>(width) * height, 0);
      return clear;
    }
    ImageData mask;
    mask.flags = flags;
    mask.maskR = r;
    mask.maskG = g;
    mask.maskB = b;
    ApplyMask(*picture, mask);
    if (left == 0 && top == 0 && picture->width == width && picture->height == height) return std::move(*picture);
    return CutCell(*picture, left, top, width, height);
  };
}

}  // namespace

const PixelBuffer& FramePixels(ImageFrame& frame) {
  if (frame.buffer.pixels.empty() && frame.reread) frame.buffer = frame.reread();
  return frame.buffer;
}

void LetPixelsGo(ImageFrame& frame) {
  if (!frame.reread || frame.buffer.pixels.empty()) return;
  if (frame.coverDirty) {
    frame.cover = FindCover(frame.buffer);
    frame.coverDirty = false;
  }
  std::vector<uint32_t>().swap(frame.buffer.pixels);
}

ImageData::~ImageData() {
  for (ImageFrame& frame : frames) BackendReleaseTexture(frame);
}

uint32_t TPixmap::ReadPixel(int x, int y) const {
  if (!buffer_ || x < 0 || y < 0 || x >= buffer_->width || y >= buffer_->height) return 0;
  const uint32_t p = buffer_->pixels[static_cast<size_t>(y) * buffer_->width + x];
  // Stored R, G, B, A in memory order; handed out as 0xAARRGGBB.
  return (p & 0xFF00FF00u) | (p & 0xFFu) << 16 | (p >> 16 & 0xFFu);
}

void TPixmap::WritePixel(int x, int y, uint32_t argb) {
  if (!buffer_ || x < 0 || y < 0 || x >= buffer_->width || y >= buffer_->height) return;
  buffer_->pixels[static_cast<size_t>(y) * buffer_->width + x] =
      (argb & 0xFF00FF00u) | (argb & 0xFFu) << 16 | (argb >> 16 & 0xFFu);
}

TPixmap CreatePixmap(int width, int height) {
  auto buffer = std::make_shared<PixelBuffer>();
  buffer->width = std::max(0, width);
  buffer->height = std::max(0, height);
  buffer->pixels.assign(static_cast<size_t>(buffer->width) * buffer->height, 0);
  return TPixmap(buffer);
}

TImage LoadImage(const std::string& path, int flags) {
  const std::string hostPath = HostPath(path);
  auto picture = DecodeImageFile(hostPath);
  if (!picture) return {};
  auto image = NewImage(picture->width, picture->height, ResolveFlags(flags));
  ApplyMask(*picture, *image);
  image->frames.emplace_back();
  image->frames.back().buffer = std::move(*picture);
  image->frames.back().reread = Rereader(hostPath, *image, 0, 0);
  return TImage(image);
}

TImage LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount,
                     int flags) {
  if (cellWidth <= 0 || cellHeight <= 0 || firstCell < 0 || cellCount <= 0) return {};
  const std::string hostPath = HostPath(path);
  auto picture = DecodeImageFile(hostPath);
  if (!picture) return {};
  const int perRow = picture->width / cellWidth;
  const int rows = picture->height / cellHeight;
  if (static_cast<int64_t>(perRow) * rows < static_cast<int64_t>(firstCell) + cellCount) return {};
  auto image = NewImage(cellWidth, cellHeight, ResolveFlags(flags));
  ApplyMask(*picture, *image);
  // A sheet that is one whole cell (a hint page's 640 x 448 picture) is kept
  // as decoded: a copy would hold its pixels twice while it is made.
  if (picture->width == cellWidth && picture->height == cellHeight) {
    image->frames.emplace_back();
    image->frames.back().buffer = std::move(*picture);
    image->frames.back().reread = Rereader(hostPath, *image, 0, 0);
    return TImage(image);
  }
  for (int k = 0; k < cellCount; ++k) {
    const int cell = firstCell + k;
    const int left = (cell % perRow) * cellWidth, top = (cell / perRow) * cellHeight;
    image->frames.emplace_back();
    image->frames.back().buffer = CutCell(*picture, left, top, cellWidth, cellHeight);
    image->frames.back().reread = Rereader(hostPath, *image, left, top);
  }
  return TImage(image);
}

TImage CreateImage(int width, int height, int frames, int flags) {
  if (width <= 0 || height <= 0 || frames <= 0) return {};
  auto image = NewImage(width, height, ResolveFlags(flags) | DynamicImage);
  image->frames.resize(frames);
  for (ImageFrame& frame : image->frames) {
    frame.buffer.width = width;
    frame.buffer.height = height;
    frame.buffer.pixels.assign(static_cast<size_t>(width) * height, 0);
  }
  return TImage(image);
}

void GrabImage(const TImage& image, int x, int y, int frame) {
  if (!image || frame < 0 || frame >= image.Frames() || !BackendDisplayOpen()) return;
  ImageFrame& target = image->frames[frame];
  target.reread = nullptr;
  target.buffer = BackendReadPixels(x, y, image.Width(), image.Height());
  ApplyMask(target.buffer, *image.get());
  target.dirty = target.coverDirty = true;
}

TPixmap LockImage(const TImage& image, int frame, bool, bool) {
  if (!image || frame < 0 || frame >= image.Frames()) return {};
  ImageFrame& target = image->frames[frame];
  // The pixmap shares the frame's pixels, which may change from now on and
  // are kept; the texture is refreshed on next draw.
  FramePixels(target);
  target.reread = nullptr;
  target.dirty = target.coverDirty = true;
  return TPixmap(std::shared_ptr<PixelBuffer>(image.Shared(), &target.buffer));
}

void UnlockImage(const TImage& image, int frame) {
  if (image && frame >= 0 && frame < image.Frames()) {
    image->frames[frame].dirty = image->frames[frame].coverDirty = true;
  }
}

bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path, int compression) {
  if (!pixmap) return false;
  return EncodePngFile(*pixmap.get(), HostPath(path), compression);
}

TPixmap GrabBackBuffer() {
  if (!BackendDisplayOpen()) return {};
  auto buffer = std::make_shared<PixelBuffer>(BackendReadPixels(0, 0, GraphicsWidth(), GraphicsHeight()));
  return TPixmap(buffer);
}

void AutoMidHandle(bool on) { CurrentDrawState().autoMidHandle = on; }

void AutoImageFlags(int flags) {
  if (flags != -1) CurrentDrawState().defaultImageFlags = flags;
}

void MidHandleImage(const TImage& image) {
  if (!image) return;
  image->handleX = image.Width() * 0.5f;
  image->handleY = image.Height() * 0.5f;
}

void SetImageHandle(const TImage& image, float x, float y) {
  if (!image) return;
  image->handleX = x;
  image->handleY = y;
}

void SetMaskColor(int r, int g, int b) {
  DrawState& s = CurrentDrawState();
  s.maskRed = r;
  s.maskGreen = g;
  s.maskBlue = b;
}

}  // namespace platform
