#include "audio_e2e/device_recording.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

double Db(double amplitude) { return amplitude > 0.0 ? 20.0 * std::log10(amplitude / 32768.0) : -200.0; }

}  // namespace

DeviceRecording ReadDeviceRecording(const std::string& path, int rate) {
  DeviceRecording recording;
  recording.rate = rate;
  std::ifstream in(path, std::ios::binary);
  if (!in) return recording;
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t frames = bytes.size() / 4;
  recording.samples.resize(2 * frames);
  for (size_t i = 0; i < 2 * frames; ++i) {
    const auto low = static_cast<uint8_t>(bytes[2 * i]);
    const auto high = static_cast<uint8_t>(bytes[2 * i + 1]);
    recording.samples[i] = static_cast<int16_t>(static_cast<uint16_t>(low | high << 8));
  }
  return recording;
}

size_t FramesWrittenSoFar(const std::string& path) {
  std::error_code error;
  const auto bytes = std::filesystem::file_size(path, error);
  return error ? 0 : static_cast<size_t>(bytes / 4);
}

LevelFigures MeasureLevels(const DeviceRecording& recording, size_t fromFrame, size_t toFrame) {
  LevelFigures figures;
  toFrame = std::min(toFrame, recording.Frames());
  if (fromFrame >= toFrame) return figures;
  int peak = 0;
  double energy = 0.0;
  for (size_t i = 2 * fromFrame; i < 2 * toFrame; ++i) {
    const int s = recording.samples[i];
    peak = std::max(peak, std::abs(s));
    energy += static_cast<double>(s) * s;
    if (s == 32767 || s == -32768) ++figures.fullScaleSamples;
  }
  figures.peakDb = Db(peak);
  figures.rmsDb = Db(std::sqrt(energy / static_cast<double>(2 * (toFrame - fromFrame))));
  return figures;
}
