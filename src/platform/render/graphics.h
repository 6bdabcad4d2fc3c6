#pragma once
// Display, images and drawing: one window with an 800 x 600 logical drawing area
// and one global drawing state read by every drawing operation. Handles are
// shared; an empty handle is Null and drawing it draws nothing.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/render/window_size.h"

namespace platform {

constexpr int MaskedImage = 1;
constexpr int FilteredImage = 2;
constexpr int MipmappedImage = 4;
constexpr int DynamicImage = 8;

constexpr int MaskBlend = 1;
constexpr int SolidBlend = 2;
constexpr int AlphaBlend = 3;
constexpr int LightBlend = 4;
constexpr int ShadeBlend = 5;

// Pixels are stored as 0xAABBGGRR (bytes R, G, B, A in memory order).
struct PixelBuffer {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

struct CoverRect {
  int x, y, width, height;
};

// A frame's texture belongs to the display generation that made it. A frame
// read from a file lets its pixels go once its texture holds them (the
// buffer keeps its size) and reads them again when they are wanted: for a
// texture rebuilt when the display is opened again, or a lock. Pixels made or
// changed in the game are kept. Its cover (where it has visible pixels) is
// found again on the first draw after its pixels change.
struct ImageFrame {
  PixelBuffer buffer;
  unsigned texture = 0;
  int generation = -1;
  bool dirty = true;
  std::vector<CoverRect> cover;
  bool coverDirty = true;
  // Reads the frame's pixels from their file again; empty when they are kept.
  std::function<PixelBuffer()> reread;
};

// The frame's pixels, read again first if they were let go.
const PixelBuffer& FramePixels(ImageFrame& frame);
// Lets the frame's pixels go when they can be read again (its cover found first).
void LetPixelsGo(ImageFrame& frame);

struct ImageData {
  int width = 0;
  int height = 0;
  int flags = 0;
  uint8_t maskR = 0, maskG = 0, maskB = 0;
  float handleX = 0.0f, handleY = 0.0f;
  std::vector<ImageFrame> frames;
  ~ImageData();
};

class TImage {
 public:
  TImage() = default;
  explicit TImage(std::shared_ptr<ImageData> data) : data_(std::move(data)) {}
  explicit operator bool() const { return data_ != nullptr; }
  bool IsNull() const { return data_ == nullptr; }
  ImageData* operator->() const { return data_.get(); }
  ImageData* get() const { return data_.get(); }
  const std::shared_ptr<ImageData>& Shared() const { return data_; }
  int Width() const { return data_ ? data_->width : 0; }
  int Height() const { return data_ ? data_->height : 0; }
  int Frames() const { return data_ ? static_cast<int>(data_->frames.size()) : 0; }
  friend bool operator==(const TImage& a, const TImage& b) { return a.data_ == b.data_; }

 private:
  std::shared_ptr<ImageData> data_;
};

// A CPU-side view of one image frame (LockImage) or a free-standing buffer.
class TPixmap {
 public:
  TPixmap() = default;
  explicit TPixmap(std::shared_ptr<PixelBuffer> buffer) : buffer_(std::move(buffer)) {}
  explicit operator bool() const { return buffer_ != nullptr; }
  int Width() const { return buffer_ ? buffer_->width : 0; }
  int Height() const { return buffer_ ? buffer_->height : 0; }
  uint32_t ReadPixel(int x, int y) const;
  void WritePixel(int x, int y, uint32_t argb);
  PixelBuffer* get() const { return buffer_.get(); }

 private:
  std::shared_ptr<PixelBuffer> buffer_;
};

TPixmap CreatePixmap(int width, int height);

// Display.
void SelectGraphicsDriver(int driver, int flags);
// Starts the display driver without opening a window (OpenGraphics does it
// when it has not been); false when there is no display, LastDisplayError
// saying why.
bool StartDisplayDriver();
bool OpenGraphics(int width, int height, int depth, int hz, int flags);
void CloseGraphics();
int GraphicsWidth();
int GraphicsHeight();
// The window's size on screen that the player chose, given before the display
// opens (0 x 0: none, and the window opens at the largest whole multiple of
// the picture that fits the desktop), and read to keep it for the next run:
// the window's size now, or before it went full screen, once they resized it.
void SetPlayersWindowSize(WindowSize size);
WindowSize PlayersWindowSize();
void Flip(int sync);
void AppTitle(const std::string& title);
const std::string& CurrentAppTitle();
void SetWindowIcon(const std::string& iconPath);
void EnableMinimizeBox();
// True when the last Flip(1) could not rely on the driver's vertical sync.
bool FlipUsesSoftwarePacing();
// Why the last OpenGraphics or StartDisplayDriver failed, in words for the player's terminal.
const std::string& LastDisplayError();

// Images.
TImage LoadImage(const std::string& path, int flags = -1);
TImage LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                     int cellCount, int flags = -1);
TImage CreateImage(int width, int height, int frames = 1, int flags = -1);
void GrabImage(const TImage& image, int x, int y, int frame = 0);
TPixmap LockImage(const TImage& image, int frame = 0, bool read = true, bool write = true);
void UnlockImage(const TImage& image, int frame = 0);
bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path, int compression = 5);
void AutoMidHandle(bool on);
void AutoImageFlags(int flags);
void MidHandleImage(const TImage& image);
void SetImageHandle(const TImage& image, float x, float y);
void SetMaskColor(int r, int g, int b);
// The back buffer as it stands (the frame being drawn, or just presented).
TPixmap GrabBackBuffer();

// Drawing.
void Cls();
void SetClsColor(int r, int g, int b);
void DrawImage(const TImage& image, float x, float y, int frame = 0);
void TileImage(const TImage& image, float x = 0, float y = 0, int frame = 0);
void DrawRect(float x, float y, float width, float height);
void DrawLine(float x, float y, float x2, float y2, bool drawLastPixel = true);
void DrawText(const std::string& text, float x, float y);
// Text in a colour of its own; the drawing colour stays as it was.
void DrawTextIn(const std::string& text, float x, float y, int r, int g, int b);
void SetColor(int r, int g, int b);
void SetAlpha(float alpha);
void SetBlend(int mode);
void SetRotation(float degrees);
void SetScale(float x, float y);
void SetOrigin(float x, float y);
void SetViewport(int x, int y, int width, int height);
int GetBlend();
float GetAlpha();
void GetColor(int& r, int& g, int& b);
void GetOrigin(float& x, float& y);
void GetScale(float& x, float& y);
float GetRotation();
// Draw calls sent to the driver since the display opened (batching is measured by it).
int64_t DrawCallCount();

}  // namespace platform
