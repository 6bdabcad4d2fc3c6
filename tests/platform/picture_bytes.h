#pragma once
// Picture files made byte by byte for the codec tests, so that every colour
// type, depth, interlacing and damaged header can be had without sample files.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/render/graphics.h"

namespace picture_bytes {

// 0xAABBGGRR on little-endian machines: bytes R, G, B, A in memory.
uint32_t Rgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255);

// A non-square picture whose pixels all differ, alpha included.
platform::PixelBuffer Pattern(int width, int height);

struct PngLayout {
  uint32_t width = 0;
  uint32_t height = 0;
  uint8_t bitDepth = 8;
  uint8_t colorType = 2;
  bool interlaced = false;
  std::vector<uint8_t> palette{};       // RGB triples (PLTE)
  std::vector<uint8_t> transparency{};  // tRNS payload as stored
};

// samples: row-major, one value per channel per pixel at the layout's depth.
// The image data is stored uncompressed (zlib stored blocks, filter 0); with
// no samples the IDAT is left empty, for tests that only need the header.
std::vector<uint8_t> Png(const PngLayout& layout, const std::vector<uint16_t>& samples);

// libjpeg at quality 100; components 1 (grey), 3 (RGB) or 4 (CMYK). libjpeg
// marks CMYK with an Adobe marker unless told not to.
std::vector<uint8_t> Jpeg(int width, int height, int components, const std::vector<uint8_t>& samples,
                          bool adobeMarker = true);
// A grey 16 x 8 progressive JPEG in exactly `scans` scans, 1 to 74.
std::vector<uint8_t> ProgressiveJpeg(int scans);

// An uncompressed DIB as stored in an icon: bottom-up BGR(A) rows and an AND
// mask set where the picture's alpha is below 128.
std::vector<uint8_t> IconDib(const platform::PixelBuffer& picture, int bitsPerPixel, bool keepAlpha = true);
std::vector<uint8_t> Ico(const std::vector<std::vector<uint8_t>>& entries);

std::vector<uint8_t> ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace picture_bytes
