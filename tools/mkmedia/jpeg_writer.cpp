#include "jpeg_writer.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include <stdexcept>
#include <vector>

namespace mkmedia {

namespace {

struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void OnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1); }

// libjpeg reports errors by long-jumping back here; only plain data lives in
// this frame. Returns false when libjpeg failed.
bool Compress(FILE* f, int width, int height, int quality, const uint8_t* rgb) {
  jpeg_compress_struct cinfo{};
  ErrorTrap trap{};
  cinfo.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = OnError;
  if (setjmp(trap.jump)) {
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, f);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  cinfo.optimize_coding = TRUE;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW rows[1] = {const_cast<JSAMPROW>(rgb + static_cast<size_t>(cinfo.next_scanline) * width * 3)};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

}  // namespace

void WriteJpeg(const Image& image, const std::string& path, int quality) {
  std::vector<uint8_t> rgba = image.ToRgba8();
  std::vector<uint8_t> rgb(static_cast<size_t>(image.Width()) * image.Height() * 3);
  for (size_t i = 0, n = static_cast<size_t>(image.Width()) * image.Height(); i < n; ++i)
    for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = rgba[i * 4 + c];
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  bool ok = Compress(f, image.Width(), image.Height(), quality, rgb.data());
  ok = std::fclose(f) == 0 && ok;
  if (!ok) throw std::runtime_error("cannot write " + path);
}

}  // namespace mkmedia
