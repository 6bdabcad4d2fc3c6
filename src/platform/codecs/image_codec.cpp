#include "platform/codecs/image_codec.h"

#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <mutex>
#include <new>
#include <system_error>

#include "platform/host/diagnostics.h"
#include "platform/files/host_file.h"
#include "platform/host/host_threads.h"
#include "platform/codecs/image_format_decoders.h"

namespace platform {

namespace {

// No picture the game reads comes near this; it keeps a stray huge file from
// being read into memory whole.
constexpr uintmax_t kMaxPictureFileBytes = uintmax_t{64} << 20;

bool HasJpegSignature(const uint8_t* data, size_t size) {
  return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

struct Prefetches {
  std::mutex mutex;
  std::map<std::string, std::future<std::optional<PixelBuffer>>> pending;
};

Prefetches& Prefetched() {
  static Prefetches prefetches;
  return prefetches;
}

std::optional<PixelBuffer> ReadAndDecode(const std::string& hostPath) {
  const auto bytes = ReadWholeFile(hostPath);
  if (!bytes) return std::nullopt;
  return DecodeImageBytes(bytes->data(), bytes->size());
}

}  // namespace

bool IsAcceptableImageSize(int64_t width, int64_t height) {
  const bool acceptable = width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
                          width * height <= kMaxImagePixels;
  if (!acceptable) DebugLog("Picture of " + std::to_string(width) + " x " + std::to_string(height) + " pixels refused");
  return acceptable;
}

bool AllocatePixelBuffer(PixelBuffer* buffer, int64_t width, int64_t height) noexcept {
  if (!IsAcceptableImageSize(width, height)) return false;
  try {
    buffer->pixels.assign(static_cast<size_t>(width * height), 0u);
  } catch (const std::bad_alloc&) {
    return false;
  }
  buffer->width = static_cast<int>(width);
  buffer->height = static_cast<int>(height);
  return true;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& hostPath) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(PathFromUtf8(hostPath), error)) return std::nullopt;
  const uintmax_t size = std::filesystem::file_size(PathFromUtf8(hostPath), error);
  if (error || size > kMaxPictureFileBytes) return std::nullopt;
  std::ifstream file(PathFromUtf8(hostPath), std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<uintmax_t>(file.gcount()) != size) return std::nullopt;
  return bytes;
}

std::optional<PixelBuffer> DecodeImageBytes(const uint8_t* data, size_t size) {
  if (data == nullptr) return std::nullopt;
  if (HasPngSignature(data, size)) return DecodePngBytes(data, size);
  if (HasJpegSignature(data, size)) return DecodeJpegBytes(data, size);
  return std::nullopt;
}

void PrefetchImageFile(const std::string& hostPath) {
  Prefetches& prefetched = Prefetched();
  std::lock_guard lock(prefetched.mutex);
  if (prefetched.pending.contains(hostPath)) return;
  prefetched.pending.emplace(hostPath, std::async(kBesideTheGame, ReadAndDecode, hostPath));
}

std::optional<PixelBuffer> DecodeImageFile(const std::string& hostPath) {
  std::future<std::optional<PixelBuffer>> prefetch;
  {
    Prefetches& prefetched = Prefetched();
    std::lock_guard lock(prefetched.mutex);
    if (auto found = prefetched.pending.find(hostPath); found != prefetched.pending.end()) {
      prefetch = std::move(found->second);
      prefetched.pending.erase(found);
    }
  }
  return prefetch.valid() ? prefetch.get() : ReadAndDecode(hostPath);
}

std::optional<PixelBuffer> DecodeIcoFirstIcon(const std::string& hostPath) {
  const auto bytes = ReadWholeFile(hostPath);
  if (!bytes) return std::nullopt;
  return DecodeIcoBytes(bytes->data(), bytes->size());
}

}  // namespace platform
