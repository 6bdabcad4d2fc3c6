#pragma once
// An Ogg Vorbis file held in memory and opened through libvorbisfile, shared by
// the decoder that decodes a sound whole and the stream that decodes it as it
// plays. The file's bytes must outlive the opened file.

#include <vorbis/vorbisfile.h>

#include <cstddef>
#include <cstdint>

namespace platform {

// True when the bytes end exactly with a whole page that ends its stream. A
// file cut short gives no sound at all: libvorbisfile would play what arrived,
// and half an effect is worse than none.
bool EndsWithLastPage(const uint8_t* data, size_t size);

class MemoryVorbisFile {
 public:
  MemoryVorbisFile(const uint8_t* data, size_t size);
  ~MemoryVorbisFile();
  MemoryVorbisFile(const MemoryVorbisFile&) = delete;
  MemoryVorbisFile& operator=(const MemoryVorbisFile&) = delete;

  bool IsOpen() const { return open_; }
  OggVorbis_File* get() { return &file_; }
  // Every link of a chained file has the first link's layout, which the mixer accepts.
  bool HasOneAcceptableLayout();

 private:
  struct Source {
    const uint8_t* data;
    size_t size;
    size_t position;
  };
  static size_t Read(void* target, size_t size, size_t count, void* source);
  static int Seek(void* source, ogg_int64_t offset, int whence);
  static long Tell(void* source);

  Source source_;
  OggVorbis_File file_{};
  bool open_ = false;
};

}  // namespace platform
