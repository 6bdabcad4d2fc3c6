// JPEG decoding through the libjpeg API. libjpeg reports errors through the
// error manager, which longjmps back to DecodeJpeg; that frame, and every frame
// libjpeg can jump over, holds no objects with destructors.

#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE and size_t without including their header
#include <limits>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "platform/codecs/image_codec.h"
#include "platform/codecs/image_format_decoders.h"

namespace platform {

namespace {

struct JpegErrorTrap {
  jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is a pointer to the trap
  std::jmp_buf jump;
};

// What one picture may cost libjpeg beyond our own pixels: a progressive file
// keeps all its coefficients, and each scan is another pass over them, so a
// small file of thousands of scans could hold the game for minutes.
constexpr long kJpegWorkingMemory = 96L << 20;
constexpr int kMostJpegScans = 64;

[[noreturn]] void JumpOnJpegError(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JpegErrorTrap*>(cinfo->err)->jump, 1);
}

// libjpeg only warns about damaged data (a cut-off file, a bad Huffman code,
// stray bytes before a marker) and fills the gaps with grey; such a picture is
// refused. Warnings about harmless header details are let through.
void JumpOnDamageWarning(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace output
  const int code = cinfo->err->msg_code;
  if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM) return;
  JumpOnJpegError(cinfo);
}

J_COLOR_SPACE OutputSpaceFor(J_COLOR_SPACE stored) {
  switch (stored) {
    case JCS_GRAYSCALE:
      return JCS_GRAYSCALE;
    case JCS_CMYK:
    case JCS_YCCK:
      return JCS_CMYK;
    default:
      return JCS_RGB;
  }
}

void RefuseEndlessScans(j_common_ptr cinfo) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (decompress->input_scan_number > kMostJpegScans) JumpOnJpegError(cinfo);
}

int ComponentsOf(J_COLOR_SPACE space) { return space == JCS_GRAYSCALE ? 1 : space == JCS_CMYK ? 4 : 3; }

uint8_t InkToLight(unsigned ink, unsigned black) {
  return static_cast<uint8_t>(((255 - ink) * (255 - black) + 127) / 255);
}

void ConvertRow(const JSAMPLE* in, JDIMENSION width, J_COLOR_SPACE space, bool invertedInk, uint8_t* out) {
  for (JDIMENSION x = 0; x < width; ++x, out += 4) {
    switch (space) {
      case JCS_GRAYSCALE:
        out[0] = out[1] = out[2] = in[0];
        in += 1;
        break;
      case JCS_CMYK: {
        // Adobe writers store CMYK inverted (255 = no ink).
        const unsigned c = invertedInk ? 255u - in[0] : in[0];
        const unsigned m = invertedInk ? 255u - in[1] : in[1];
        const unsigned y = invertedInk ? 255u - in[2] : in[2];
        const unsigned k = invertedInk ? 255u - in[3] : in[3];
        out[0] = InkToLight(c, k);
        out[1] = InkToLight(m, k);
        out[2] = InkToLight(y, k);
        in += 4;
        break;
      }
      default:
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
        in += 3;
        break;
    }
    out[3] = 255;
  }
}

bool DecodeJpeg(jpeg_decompress_struct* cinfo, JpegErrorTrap* trap, const uint8_t* data, size_t size,
                PixelBuffer* out) {
  if (setjmp(trap->jump)) return false;
  jpeg_create_decompress(cinfo);
  cinfo->mem->max_memory_to_use = kJpegWorkingMemory;
  jpeg_progress_mgr progress{};
  progress.progress_monitor = RefuseEndlessScans;
  cinfo->progress = &progress;
  jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) return false;
  // Refused here, before libjpeg sizes its own buffers for the picture.
  if (!IsAcceptableImageSize(cinfo->image_width, cinfo->image_height)) return false;
  const J_COLOR_SPACE space = OutputSpaceFor(cinfo->jpeg_color_space);
  cinfo->out_color_space = space;
  jpeg_start_decompress(cinfo);
  if (cinfo->output_components != ComponentsOf(space)) return false;
  const JDIMENSION width = cinfo->output_width;
  if (!AllocatePixelBuffer(out, width, cinfo->output_height)) return false;
  // The row buffer lives in libjpeg's pool and goes with the decompressor.
  JSAMPARRAY row = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                               width * static_cast<JDIMENSION>(cinfo->output_components), 1);
  while (cinfo->output_scanline < cinfo->output_height) {
    const JDIMENSION y = cinfo->output_scanline;
    if (jpeg_read_scanlines(cinfo, row, 1) != 1) return false;
    ConvertRow(row[0], width, space, cinfo->saw_Adobe_marker,
               reinterpret_cast<uint8_t*>(out->pixels.data() + size_t{y} * width));
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

}  // namespace

std::optional<PixelBuffer> DecodeJpegBytes(const uint8_t* data, size_t size) {
  if (data == nullptr || size == 0 || size > std::numeric_limits<unsigned long>::max()) return std::nullopt;
  jpeg_decompress_struct cinfo{};
  JpegErrorTrap trap{};
  cinfo.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JumpOnJpegError;
  trap.manager.emit_message = JumpOnDamageWarning;
  PixelBuffer picture;
  const bool decoded = DecodeJpeg(&cinfo, &trap, data, size, &picture);
  // Safe even when creation failed: the struct started zeroed.
  jpeg_destroy_decompress(&cinfo);
  if (!decoded) return std::nullopt;
  return picture;
}

}  // namespace platform
