#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "platform/files/host_file.h"
#include "platform/codecs/sound_decoders.h"

namespace platform {
namespace {

// Compressed music is far smaller than its decoded samples, so this leaves room
// for any sound the decoded-size limit accepts.
constexpr uintmax_t kMaxSoundFileBytes = uintmax_t{256} << 20;

bool StartsWith(const uint8_t* data, size_t size, const char* signature, size_t length) {
  return size >= length && std::equal(signature, signature + length, data);
}

std::shared_ptr<const std::vector<uint8_t>> ReadSoundFile(const std::string& hostPath) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(PathFromUtf8(hostPath), error)) return nullptr;
  const uintmax_t size = std::filesystem::file_size(PathFromUtf8(hostPath), error);
  if (error || size > kMaxSoundFileBytes) return nullptr;
  std::ifstream file(PathFromUtf8(hostPath), std::ios::binary);
  if (!file) return nullptr;
  auto bytes = std::make_shared<std::vector<uint8_t>>(static_cast<size_t>(size));
  file.read(reinterpret_cast<char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
  if (static_cast<uintmax_t>(file.gcount()) != size) return nullptr;
  return bytes;
}

}  // namespace

std::optional<SoundData> DecodeSoundBytes(const uint8_t* data, size_t size) {
  if (data == nullptr) return std::nullopt;
  if (StartsWith(data, size, "RIFF", 4)) return DecodeWave(data, size);
  if (StartsWith(data, size, "OggS", 4)) return DecodeVorbis(data, size);
  return std::nullopt;
}

std::optional<SoundData> DecodeSoundFile(const std::string& hostPath) {
  const auto bytes = ReadSoundFile(hostPath);
  if (!bytes) return std::nullopt;
  return DecodeSoundBytes(bytes->data(), bytes->size());
}

std::optional<SoundData> LoadSoundFile(const std::string& hostPath) {
  auto bytes = ReadSoundFile(hostPath);
  if (!bytes) return std::nullopt;
  if (StartsWith(bytes->data(), bytes->size(), "OggS", 4)) return LoadVorbis(std::move(bytes));
  return DecodeSoundBytes(bytes->data(), bytes->size());
}

}  // namespace platform
