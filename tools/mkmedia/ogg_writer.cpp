#include "ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace mkmedia {

namespace {

bool WritePage(FILE* f, const ogg_page& page) {
  return std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), f) == static_cast<size_t>(page.header_len) &&
         std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), f) == static_cast<size_t>(page.body_len);
}

// Owns the encoder's state for one file.
class Encoder {
 public:
  Encoder(float quality, int serial) {
    vorbis_info_init(&info_);
    if (vorbis_encode_init_vbr(&info_, 2, kSampleRate, quality) != 0) {
      vorbis_info_clear(&info_);
      throw std::runtime_error("libvorbisenc refused the settings");
    }
    vorbis_comment_init(&comment_);
    vorbis_comment_add_tag(&comment_, "ENCODER", "mkmedia");
    vorbis_analysis_init(&dsp_, &info_);
    vorbis_block_init(&dsp_, &block_);
    ogg_stream_init(&stream_, serial);
  }
  ~Encoder() {
    ogg_stream_clear(&stream_);
    vorbis_block_clear(&block_);
    vorbis_dsp_clear(&dsp_);
    vorbis_comment_clear(&comment_);
    vorbis_info_clear(&info_);
  }
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;

  bool Headers(FILE* f) {
    ogg_packet id, comments, codebooks;
    vorbis_analysis_headerout(&dsp_, &comment_, &id, &comments, &codebooks);
    ogg_stream_packetin(&stream_, &id);
    ogg_stream_packetin(&stream_, &comments);
    ogg_stream_packetin(&stream_, &codebooks);
    ogg_page page;
    // The audio must start on a fresh page.
    while (ogg_stream_flush(&stream_, &page) != 0)
      if (!WritePage(f, page)) return false;
    return true;
  }

  bool Feed(FILE* f, const Sound& sound) {
    const size_t chunk = 4096;
    for (size_t at = 0; at < sound.Frames(); at += chunk) {
      const size_t n = std::min(chunk, sound.Frames() - at);
      float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(n));
      std::copy_n(&sound.left[at], n, buffer[0]);
      std::copy_n(&sound.right[at], n, buffer[1]);
      vorbis_analysis_wrote(&dsp_, static_cast<int>(n));
      if (!Drain(f)) return false;
    }
    vorbis_analysis_wrote(&dsp_, 0);
    return Drain(f) && Flush(f);
  }

 private:
  bool Drain(FILE* f) {
    while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
      vorbis_analysis(&block_, nullptr);
      vorbis_bitrate_addblock(&block_);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp_, &packet) == 1) {
        ogg_stream_packetin(&stream_, &packet);
        ogg_page page;
        while (ogg_stream_pageout(&stream_, &page) != 0)
          if (!WritePage(f, page)) return false;
      }
    }
    return true;
  }

  // Whatever is left in the stream after the last packet.
  bool Flush(FILE* f) {
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page) != 0)
      if (!WritePage(f, page)) return false;
    return true;
  }

  vorbis_info info_;
  vorbis_comment comment_;
  vorbis_dsp_state dsp_;
  vorbis_block block_;
  ogg_stream_state stream_;
};

}  // namespace

void WriteOgg(const Sound& sound, const std::string& path, float quality, int serial) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  bool ok;
  {
    Encoder encoder(quality, serial);
    ok = encoder.Headers(f) && encoder.Feed(f, sound);
  }
  ok = std::fclose(f) == 0 && ok;
  if (!ok) throw std::runtime_error("cannot write " + path);
}

}  // namespace mkmedia
