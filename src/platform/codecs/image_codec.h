#pragma once
// Picture files: PNG and JPEG decoded into 8-bit RGBA, PNG writing, and the
// first picture of a Windows icon file. Every decoder treats its input as
// untrusted: damaged, truncated or oversized data gives nullopt, never a crash.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/render/graphics.h"

namespace platform {

// Pictures beyond these limits are refused (with a debug line) before any
// pixel memory is taken: nothing the game draws is larger, and a few bytes of
// header must not make it take hundreds of megabytes.
constexpr int kMaxImageSide = 4096;
constexpr int64_t kMaxImagePixels = int64_t{kMaxImageSide} * kMaxImageSide;
bool IsAcceptableImageSize(int64_t width, int64_t height);

// The format is chosen by the signature at the start of the bytes.
std::optional<PixelBuffer> DecodeImageBytes(const uint8_t* data, size_t size);
std::optional<PixelBuffer> DecodeImageFile(const std::string& hostPath);
// Starts reading and decoding a picture file on a thread of its own; the next
// DecodeImageFile of that path (LoadImage's, say) takes the result.
void PrefetchImageFile(const std::string& hostPath);

// Writes an 8-bit RGBA PNG; compression 0-9 (clamped). A failed write leaves
// no partial file behind and any older file at the path untouched.
bool EncodePngFile(const PixelBuffer& buffer, const std::string& hostPath, int compression);

// The first entry of an .ico file: a PNG, or an uncompressed 24- or 32-bit DIB
// with its AND mask.
std::optional<PixelBuffer> DecodeIcoBytes(const uint8_t* data, size_t size);
std::optional<PixelBuffer> DecodeIcoFirstIcon(const std::string& hostPath);

}  // namespace platform
