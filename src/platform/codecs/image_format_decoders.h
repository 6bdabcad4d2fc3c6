#pragma once
// Pieces shared by the picture decoders behind image_codec.h.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/render/graphics.h"

namespace platform {

bool HasPngSignature(const uint8_t* data, size_t size);
std::optional<PixelBuffer> DecodePngBytes(const uint8_t* data, size_t size);
std::optional<PixelBuffer> DecodeJpegBytes(const uint8_t* data, size_t size);

// Sizes the buffer for width x height pixels after checking the limits; false
// when the size is refused or the memory cannot be had. Never throws, so the
// decoders may call it between setjmp and a library's longjmp.
bool AllocatePixelBuffer(PixelBuffer* buffer, int64_t width, int64_t height) noexcept;

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& hostPath);

}  // namespace platform
