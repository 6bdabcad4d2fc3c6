// Windows icon files: a directory of entries, each a PNG or a DIB (a bitmap
// header, bottom-up colour rows, then a 1-bit AND mask, so the header's height
// counts both halves). Every size and offset is checked against the data.

#include <cstring>

#include "platform/codecs/image_codec.h"
#include "platform/codecs/image_format_decoders.h"

namespace platform {

namespace {

constexpr size_t kDirectoryHeaderSize = 6;
constexpr size_t kDirectoryEntrySize = 16;
constexpr uint16_t kIconResourceType = 1;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint32_t kUncompressedRgb = 0;

uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

uint32_t ReadU32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

int32_t ReadI32(const uint8_t* p) {
  const uint32_t bits = ReadU32(p);
  int32_t value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Rows of DIB data are padded to whole 32-bit words.
uint64_t DibStride(uint64_t width, unsigned bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// Old 32-bit icons leave every alpha byte at zero and rely on the mask alone.
bool AnyAlphaSet(const uint8_t* bgraRows, uint64_t stride, int width, int height) {
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = bgraRows + static_cast<uint64_t>(y) * stride;
    for (int x = 0; x < width; ++x) {
      if (row[4 * x + 3] != 0) return true;
    }
  }
  return false;
}

std::optional<PixelBuffer> DecodeDib(const uint8_t* dib, size_t size) {
  if (size < kInfoHeaderSize) return std::nullopt;
  const uint32_t headerSize = ReadU32(dib);
  const int32_t width = ReadI32(dib + 4);
  const int32_t doubledHeight = ReadI32(dib + 8);
  const unsigned bitsPerPixel = ReadU16(dib + 14);
  if (headerSize < kInfoHeaderSize || headerSize > size || ReadU32(dib + 16) != kUncompressedRgb)
    return std::nullopt;
  if (bitsPerPixel != 24 && bitsPerPixel != 32) return std::nullopt;
  if (doubledHeight % 2 != 0 || !IsAcceptableImageSize(width, doubledHeight / 2)) return std::nullopt;
  const int height = doubledHeight / 2;

  const uint64_t colourStride = DibStride(static_cast<uint64_t>(width), bitsPerPixel);
  const uint64_t maskStride = DibStride(static_cast<uint64_t>(width), 1);
  if ((colourStride + maskStride) * static_cast<uint64_t>(height) > size - headerSize) return std::nullopt;
  const uint8_t* colour = dib + headerSize;
  const uint8_t* mask = colour + colourStride * static_cast<uint64_t>(height);

  PixelBuffer picture;
  if (!AllocatePixelBuffer(&picture, width, height)) return std::nullopt;
  const unsigned bytesPerPixel = bitsPerPixel / 8;
  const bool useAlpha = bitsPerPixel == 32 && AnyAlphaSet(colour, colourStride, width, height);
  for (int y = 0; y < height; ++y) {
    const uint64_t sourceRow = static_cast<uint64_t>(height - 1 - y);
    const uint8_t* in = colour + sourceRow * colourStride;
    const uint8_t* maskRow = mask + sourceRow * maskStride;
    auto* out = reinterpret_cast<uint8_t*>(picture.pixels.data() + static_cast<size_t>(y) * width);
    for (int x = 0; x < width; ++x, in += bytesPerPixel, out += 4) {
      const bool masked = (maskRow[x / 8] >> (7 - x % 8)) & 1;
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
      out[3] = useAlpha ? in[3] : masked ? 0 : 255;
    }
  }
  return picture;
}

}  // namespace

std::optional<PixelBuffer> DecodeIcoBytes(const uint8_t* data, size_t size) {
  if (data == nullptr || size < kDirectoryHeaderSize) return std::nullopt;
  if (ReadU16(data) != 0 || ReadU16(data + 2) != kIconResourceType) return std::nullopt;
  const size_t entryCount = ReadU16(data + 4);
  const size_t directoryEnd = kDirectoryHeaderSize + entryCount * kDirectoryEntrySize;
  if (entryCount == 0 || directoryEnd > size) return std::nullopt;

  const uint8_t* entry = data + kDirectoryHeaderSize;
  const size_t imageSize = ReadU32(entry + 8);
  const size_t imageOffset = ReadU32(entry + 12);
  if (imageOffset > size || imageSize > size - imageOffset) return std::nullopt;
  const uint8_t* image = data + imageOffset;
  if (HasPngSignature(image, imageSize)) return DecodePngBytes(image, imageSize);
  return DecodeDib(image, imageSize);
}

}  // namespace platform
