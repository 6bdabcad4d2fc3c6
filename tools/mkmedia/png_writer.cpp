#include "png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <stdexcept>

namespace mkmedia {

namespace {

void Sink(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

void OnWarning(png_structp, png_const_charp) {}

// libpng reports errors by long-jumping back here; only plain data lives in
// this frame, so nothing is skipped. Returns false when libpng failed.
bool Encode(png_structp png, png_infop info, std::vector<uint8_t>* bytes, int width, int height, bool opaque,
            const uint8_t* rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  const int channels = opaque ? 3 : 4;
  png_set_write_fn(png, bytes, Sink, NoFlush);
  png_set_compression_level(png, 6);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png, const_cast<png_bytep>(rows + static_cast<size_t>(y) * width * channels));
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

std::vector<uint8_t> EncodePng(const Image& image) {
  const bool opaque = image.IsOpaque();
  const int channels = opaque ? 3 : 4;
  std::vector<uint8_t> rgba = image.ToRgba8();
  std::vector<uint8_t> rows(static_cast<size_t>(image.Width()) * image.Height() * channels);
  for (size_t i = 0, n = static_cast<size_t>(image.Width()) * image.Height(); i < n; ++i)
    for (int c = 0; c < channels; ++c) rows[i * channels + c] = rgba[i * 4 + c];

  std::vector<uint8_t> bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, OnWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool ok = png && info && Encode(png, info, &bytes, image.Width(), image.Height(), opaque, rows.data());
  png_destroy_write_struct(&png, &info);
  if (!ok) throw std::runtime_error("libpng could not encode the picture");
  return bytes;
}

void WritePng(const Image& image, const std::string& path) {
  std::vector<uint8_t> bytes = EncodePng(image);
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fclose(f) == 0 && ok;
  if (!ok) throw std::runtime_error("cannot write " + path);
}

}  // namespace mkmedia
