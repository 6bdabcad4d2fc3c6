// PNG reading and writing through libpng. libpng reports errors by longjmp, so
// the functions that call setjmp, and everything libpng can jump over, hold no
// objects with destructors: buffers belong to the callers one frame up.

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/host/diagnostics.h"
#include "platform/files/host_file.h"
#include "platform/codecs/image_codec.h"
#include "platform/codecs/image_format_decoders.h"

namespace platform {

namespace {

constexpr size_t kPngSignatureSize = 8;

struct MemorySource {
  const uint8_t* data;
  size_t size;
  size_t position;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t count) {
  auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
  if (count > source->size - source->position) png_error(png, "truncated");
  std::memcpy(out, source->data + source->position, count);
  source->position += count;
}

uint32_t BigEndian32(const uint8_t* bytes) {
  return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
}

// libpng takes a chunk's length on trust and allocates for it before reading
// (a text chunk claiming 1.6 GB in a 185-byte file). Walking the chunks first
// refuses any that claim more than the file holds; a file that ends before its
// IEND would be refused by the decode anyway.
bool ChunksFitInFile(const uint8_t* data, size_t size) {
  constexpr size_t kChunkFrame = 12;  // length, type, and the CRC after the data
  size_t position = kPngSignatureSize;
  while (size - position >= kChunkFrame) {
    const uint32_t length = BigEndian32(data + position);
    if (length > size - position - kChunkFrame) return false;
    if (std::memcmp(data + position + 4, "IEND", 4) == 0) return true;
    position += kChunkFrame + length;
  }
  return false;
}

// Compressed text and colour profiles are inflated whole; no such chunk of a
// picture the game reads comes near this.
constexpr png_alloc_size_t kLargestInflatedChunk = png_alloc_size_t{1} << 20;

[[noreturn]] void JumpOnPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Warnings concern ancillary data (colour profiles, text chunks) that the game
// never uses; they must not reach the player's console.
void IgnorePngWarning(png_structp, png_const_charp) {}

bool ReadPng(png_structp png, png_infop info, MemorySource* source, PixelBuffer* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, source, ReadFromMemory);
  png_set_chunk_malloc_max(png, kLargestInflatedChunk);
  // A damaged ancillary chunk (a transparency table, say) would otherwise be
  // dropped quietly and the picture shown wrong; the file is damaged, so refuse it.
  png_set_crc_action(png, PNG_CRC_DEFAULT, PNG_CRC_ERROR_QUIT);
  png_read_info(png, info);
  // Refused here, before libpng sizes its row buffers for the picture.
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (!IsAcceptableImageSize(width, height)) return false;

  // Every colour type and bit depth arrives as 8-bit RGBA.
  const png_byte colorType = png_get_color_type(png, info);
  png_set_expand(png);
  png_set_scale_16(png);
  if (!(colorType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
  if (!(colorType & PNG_COLOR_MASK_ALPHA) && !png_get_valid(png, info, PNG_INFO_tRNS))
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);

  if (png_get_rowbytes(png, info) != size_t{width} * 4) return false;
  if (!AllocatePixelBuffer(out, width, height)) return false;
  // Interlaced passes are merged into the rows already read.
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y)
      png_read_row(png, reinterpret_cast<png_bytep>(out->pixels.data() + size_t{y} * width), nullptr);
  }
  // Reading on to IEND checks the rest of the file, so a cut-off file is refused.
  png_read_end(png, nullptr);
  return true;
}

bool WritePng(png_structp png, png_infop info, FILE* file, const PixelBuffer* buffer, int compression) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_compression_level(png, compression);
  const auto width = static_cast<png_uint_32>(buffer->width);
  const auto height = static_cast<png_uint_32>(buffer->height);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (png_uint_32 y = 0; y < height; ++y)
    png_write_row(png, reinterpret_cast<png_const_bytep>(buffer->pixels.data() + size_t{y} * width));
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool HasPngSignature(const uint8_t* data, size_t size) {
  return size >= kPngSignatureSize && png_sig_cmp(data, 0, kPngSignatureSize) == 0;
}

std::optional<PixelBuffer> DecodePngBytes(const uint8_t* data, size_t size) {
  if (!HasPngSignature(data, size)) return std::nullopt;
  if (!ChunksFitInFile(data, size)) {
    DebugLog("PNG refused: a chunk runs past the end of the file");
    return std::nullopt;
  }
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnPngError, IgnorePngWarning);
  if (png == nullptr) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  MemorySource source{data, size, 0};
  PixelBuffer picture;
  const bool decoded = info != nullptr && ReadPng(png, info, &source, &picture);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!decoded) return std::nullopt;
  return picture;
}

bool EncodePngFile(const PixelBuffer& buffer, const std::string& hostPath, int compression) {
  if (!IsAcceptableImageSize(buffer.width, buffer.height) ||
      buffer.pixels.size() != size_t(buffer.width) * size_t(buffer.height))
    return false;
  // Written beside the target and renamed over it, so a failure leaves neither a
  // half-written picture nor a damaged older file.
  const std::string temporaryPath = hostPath + ".tmp";
  FILE* file = OpenHostFile(temporaryPath, "wb");
  if (file == nullptr) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnPngError, IgnorePngWarning);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  bool written = info != nullptr && WritePng(png, info, file, &buffer, std::clamp(compression, 0, 9));
  png_destroy_write_struct(&png, &info);
  // A full disk may only show when the last block is flushed.
  written = std::fclose(file) == 0 && written;
  std::error_code error;
  if (written) std::filesystem::rename(PathFromUtf8(temporaryPath), PathFromUtf8(hostPath), error);
  if (written && !error) return true;
  std::filesystem::remove(PathFromUtf8(temporaryPath), error);
  return false;
}

}  // namespace platform
