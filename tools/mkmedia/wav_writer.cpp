#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace mkmedia {

namespace {

void Put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, static_cast<uint16_t>(v & 0xFFFF));
  Put16(out, static_cast<uint16_t>(v >> 16));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

int16_t ToPcm(float v) {
  return static_cast<int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

void WriteWav(const Sound& sound, const std::string& path) {
  const uint32_t dataBytes = static_cast<uint32_t>(sound.Frames() * 4);
  std::vector<uint8_t> out;
  PutTag(out, "RIFF");
  Put32(out, 36 + dataBytes);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 2);  // channels
  Put32(out, kSampleRate);
  Put32(out, kSampleRate * 4);  // bytes per second
  Put16(out, 4);                // bytes per frame
  Put16(out, 16);               // bits per sample
  PutTag(out, "data");
  Put32(out, dataBytes);
  for (size_t i = 0; i < sound.Frames(); ++i) {
    Put16(out, static_cast<uint16_t>(ToPcm(sound.left[i])));
    Put16(out, static_cast<uint16_t>(ToPcm(sound.right[i])));
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  ok = std::fclose(f) == 0 && ok;
  if (!ok) throw std::runtime_error("cannot write " + path);
}

}  // namespace mkmedia
