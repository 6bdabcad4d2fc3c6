#pragma once
// Small sounds made by the tests themselves: sample sequences, RIFF WAVE bytes
// written by hand and Ogg Vorbis bytes encoded with libvorbisenc.

#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

// A sine of `frames` frames, the same on every channel, starting at `phaseDegrees`.
inline std::vector<int16_t> SineSamples(int frames, int rate, double hz, double amplitude, int channels = 1,
                                        double phaseDegrees = 0.0) {
  std::vector<int16_t> samples;
  samples.reserve(static_cast<size_t>(frames * channels));
  for (int i = 0; i < frames; ++i) {
    const double angle = 2.0 * std::numbers::pi * hz * i / rate + phaseDegrees * std::numbers::pi / 180.0;
    const auto value = static_cast<int16_t>(std::lround(amplitude * std::sin(angle)));
    for (int c = 0; c < channels; ++c) samples.push_back(value);
  }
  return samples;
}

inline void PutLe(std::vector<uint8_t>& bytes, uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline void PutTag(std::vector<uint8_t>& bytes, const char* tag) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(tag[i]));
}

// 16-bit samples are written as they are; for 8 bits each keeps its top byte.
inline std::vector<uint8_t> WaveBytes(int rate, int channels, int bits, const std::vector<int16_t>& samples) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * static_cast<size_t>(bits / 8));
  std::vector<uint8_t> bytes;
  PutTag(bytes, "RIFF");
  PutLe(bytes, 36 + dataBytes + (dataBytes & 1u), 4);
  PutTag(bytes, "WAVE");
  PutTag(bytes, "fmt ");
  PutLe(bytes, 16, 4);
  PutLe(bytes, 1, 2);
  PutLe(bytes, static_cast<uint32_t>(channels), 2);
  PutLe(bytes, static_cast<uint32_t>(rate), 4);
  PutLe(bytes, static_cast<uint32_t>(rate * channels * bits / 8), 4);
  PutLe(bytes, static_cast<uint32_t>(channels * bits / 8), 2);
  PutLe(bytes, static_cast<uint32_t>(bits), 2);
  PutTag(bytes, "data");
  PutLe(bytes, dataBytes, 4);
  for (const int16_t sample : samples) {
    if (bits == 8) {
      bytes.push_back(static_cast<uint8_t>((sample >> 8) + 128));
    } else {
      PutLe(bytes, static_cast<uint16_t>(sample), 2);
    }
  }
  if (dataBytes & 1u) bytes.push_back(0);
  return bytes;
}

// Interleaved 16-bit samples encoded as an Ogg Vorbis stream.
inline std::vector<uint8_t> VorbisBytes(int rate, int channels, const std::vector<int16_t>& samples) {
  std::vector<uint8_t> bytes;
  auto putPage = [&bytes](const ogg_page& page) {
    bytes.insert(bytes.end(), page.header, page.header + page.header_len);
    bytes.insert(bytes.end(), page.body, page.body + page.body_len);
  };
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, rate, 0.4f) != 0) {
    vorbis_info_clear(&info);
    return bytes;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1);

  ogg_packet header, commentHeader, codeHeader;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentHeader);
  ogg_stream_packetin(&stream, &codeHeader);
  ogg_page page;
  while (ogg_stream_flush(&stream, &page) != 0) putPage(page);

  const int frames = static_cast<int>(samples.size()) / channels;
  float** buffer = vorbis_analysis_buffer(&dsp, frames);
  for (int i = 0; i < frames; ++i) {
    for (int c = 0; c < channels; ++c) buffer[c][i] = samples[static_cast<size_t>(i * channels + c)] / 32768.0f;
  }
  vorbis_analysis_wrote(&dsp, frames);
  vorbis_analysis_wrote(&dsp, 0);
  ogg_packet packet;
  while (vorbis_analysis_blockout(&dsp, &block) == 1) {
    vorbis_analysis(&block, nullptr);
    vorbis_bitrate_addblock(&block);
    while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
      ogg_stream_packetin(&stream, &packet);
      while (ogg_stream_pageout(&stream, &page) != 0) putPage(page);
    }
  }
  while (ogg_stream_flush(&stream, &page) != 0) putPage(page);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return bytes;
}
