#include "picture_bytes.h"

#include <algorithm>
#include <array>
#include <cstdio>  // before jpeglib.h, which uses FILE and size_t
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace picture_bytes {

namespace {

void PutU16Be(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}
void PutU32Be(std::vector<uint8_t>& out, uint32_t v) {
  PutU16Be(out, v >> 16);
  PutU16Be(out, v & 0xFFFF);
}
void PutU16Le(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutU32Le(std::vector<uint8_t>& out, uint32_t v) {
  PutU16Le(out, v & 0xFFFF);
  PutU16Le(out, v >> 16);
}

uint32_t Crc32(const uint8_t* data, size_t size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  PutU32Be(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutU32Be(out, Crc32(out.data() + start, out.size() - start));
}

std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw) {
  std::vector<uint8_t> out{0x78, 0x01};
  size_t offset = 0;
  do {
    const size_t length = std::min<size_t>(raw.size() - offset, 65535);
    out.push_back(offset + length == raw.size() ? 1 : 0);
    PutU16Le(out, static_cast<uint32_t>(length));
    PutU16Le(out, static_cast<uint32_t>(~length & 0xFFFF));
    out.insert(out.end(), raw.begin() + offset, raw.begin() + offset + length);
    offset += length;
  } while (offset < raw.size());
  uint32_t a = 1, b = 0;
  for (uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutU32Be(out, b << 16 | a);
  return out;
}

int ChannelsOf(uint8_t colorType) {
  switch (colorType) {
    case 0:
    case 3:
      return 1;
    case 4:
      return 2;
    case 2:
      return 3;
    default:
      return 4;
  }
}

// One scanline (filter byte 0) of the pixels at columns x0, x0 + step, ...
void PutScanline(std::vector<uint8_t>& raw, const PngLayout& layout, const std::vector<uint16_t>& samples,
                 uint32_t y, uint32_t x0, uint32_t step) {
  const int channels = ChannelsOf(layout.colorType);
  raw.push_back(0);
  unsigned pending = 0, pendingBits = 0;
  for (uint32_t x = x0; x < layout.width; x += step) {
    for (int c = 0; c < channels; ++c) {
      const uint16_t value = samples[(size_t{y} * layout.width + x) * channels + c];
      if (layout.bitDepth == 16) {
        PutU16Be(raw, value);
      } else {
        pending = pending << layout.bitDepth | value;
        pendingBits += layout.bitDepth;
        if (pendingBits == 8) {
          raw.push_back(static_cast<uint8_t>(pending));
          pending = pendingBits = 0;
        }
      }
    }
  }
  if (pendingBits > 0) raw.push_back(static_cast<uint8_t>(pending << (8 - pendingBits)));
}

}  // namespace

uint32_t Rgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  const std::array<uint8_t, 4> bytes{r, g, b, a};
  uint32_t value;
  std::memcpy(&value, bytes.data(), sizeof value);
  return value;
}

platform::PixelBuffer Pattern(int width, int height) {
  platform::PixelBuffer picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      picture.pixels.push_back(Rgba(static_cast<uint8_t>(x * 37), static_cast<uint8_t>(y * 53),
                                    static_cast<uint8_t>(x * y + 11),
                                    static_cast<uint8_t>(255 - 9 * (x + y))));
  }
  return picture;
}

std::vector<uint8_t> Png(const PngLayout& layout, const std::vector<uint16_t>& samples) {
  std::vector<uint8_t> raw;
  if (samples.empty()) {
    // Header only: the IDAT stays empty.
  } else if (layout.interlaced) {
    struct Pass {
      uint32_t x0, y0, xStep, yStep;
    };
    constexpr Pass kAdam7[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                               {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    for (const Pass& pass : kAdam7) {
      if (pass.x0 >= layout.width) continue;
      for (uint32_t y = pass.y0; y < layout.height; y += pass.yStep)
        PutScanline(raw, layout, samples, y, pass.x0, pass.xStep);
    }
  } else {
    for (uint32_t y = 0; y < layout.height; ++y) PutScanline(raw, layout, samples, y, 0, 1);
  }
  std::vector<uint8_t> header;
  PutU32Be(header, layout.width);
  PutU32Be(header, layout.height);
  header.insert(header.end(), {layout.bitDepth, layout.colorType, 0, 0, uint8_t(layout.interlaced ? 1 : 0)});

  std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  if (!layout.palette.empty()) PutChunk(png, "PLTE", layout.palette);
  if (!layout.transparency.empty()) PutChunk(png, "tRNS", layout.transparency);
  PutChunk(png, "IDAT", StoredZlib(raw));
  PutChunk(png, "IEND", {});
  return png;
}

namespace {

// With a scan script, the file is progressive in exactly those scans.
std::vector<uint8_t> CompressJpeg(int width, int height, int components, const std::vector<uint8_t>& samples,
                                  bool adobeMarker, const std::vector<jpeg_scan_info>& script) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  if (!adobeMarker) cinfo.write_Adobe_marker = FALSE;
  if (!script.empty()) {
    cinfo.scan_info = script.data();
    cinfo.num_scans = static_cast<int>(script.size());
  }
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(samples.data() + size_t{cinfo.next_scanline} * width * components);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return bytes;
}

}  // namespace

std::vector<uint8_t> Jpeg(int width, int height, int components, const std::vector<uint8_t>& samples,
                          bool adobeMarker) {
  return CompressJpeg(width, height, components, samples, adobeMarker, {});
}

std::vector<uint8_t> ProgressiveJpeg(int scans) {
  // libjpeg takes successive approximation down from bit 10 at most: the DC
  // coefficient in up to 11 scans, each AC coefficient in a scan of its own.
  constexpr int kAcCoefficients = 63, kMostDcScans = 11;
  const int dcScans = std::clamp(scans - kAcCoefficients, 1, kMostDcScans);
  const int acScans = std::clamp(scans - dcScans, 0, kAcCoefficients);
  std::vector<jpeg_scan_info> script;
  script.push_back({1, {0}, 0, 0, 0, dcScans - 1});
  for (int bit = dcScans - 1; bit > 0; --bit) script.push_back({1, {0}, 0, 0, bit, bit - 1});
  for (int band = 0; band < acScans; ++band) {
    const int first = 1 + band * kAcCoefficients / acScans, last = (band + 1) * kAcCoefficients / acScans;
    script.push_back({1, {0}, first, last, 0, 0});
  }
  std::vector<uint8_t> samples(16 * 8);
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<uint8_t>(i * 37 % 251);
  return CompressJpeg(16, 8, 1, samples, false, script);
}

std::vector<uint8_t> IconDib(const platform::PixelBuffer& picture, int bitsPerPixel, bool keepAlpha) {
  std::vector<uint8_t> dib;
  PutU32Le(dib, 40);
  PutU32Le(dib, static_cast<uint32_t>(picture.width));
  PutU32Le(dib, static_cast<uint32_t>(picture.height * 2));
  PutU16Le(dib, 1);
  PutU16Le(dib, static_cast<uint32_t>(bitsPerPixel));
  dib.resize(40, 0);
  const size_t colourStride = (size_t(picture.width) * bitsPerPixel + 31) / 32 * 4;
  const size_t maskStride = (size_t(picture.width) + 31) / 32 * 4;
  std::vector<uint8_t> mask;
  for (int y = picture.height - 1; y >= 0; --y) {
    const size_t rowStart = dib.size();
    std::vector<uint8_t> maskRow(maskStride, 0);
    for (int x = 0; x < picture.width; ++x) {
      uint8_t rgba[4];
      std::memcpy(rgba, &picture.pixels[size_t(y) * picture.width + x], 4);
      dib.insert(dib.end(), {rgba[2], rgba[1], rgba[0]});
      if (bitsPerPixel == 32) dib.push_back(keepAlpha ? rgba[3] : 0);
      if (rgba[3] < 128) maskRow[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
    dib.resize(rowStart + colourStride, 0);
    mask.insert(mask.end(), maskRow.begin(), maskRow.end());
  }
  dib.insert(dib.end(), mask.begin(), mask.end());
  return dib;
}

std::vector<uint8_t> Ico(const std::vector<std::vector<uint8_t>>& entries) {
  std::vector<uint8_t> ico;
  PutU16Le(ico, 0);
  PutU16Le(ico, 1);
  PutU16Le(ico, static_cast<uint32_t>(entries.size()));
  size_t offset = 6 + 16 * entries.size();
  for (const auto& entry : entries) {
    ico.insert(ico.end(), {0, 0, 0, 0});  // 256 x 256 as far as the directory says
    PutU16Le(ico, 1);
    PutU16Le(ico, 32);
    PutU32Le(ico, static_cast<uint32_t>(entry.size()));
    PutU32Le(ico, static_cast<uint32_t>(offset));
    offset += entry.size();
  }
  for (const auto& entry : entries) ico.insert(ico.end(), entry.begin(), entry.end());
  return ico;
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace picture_bytes
