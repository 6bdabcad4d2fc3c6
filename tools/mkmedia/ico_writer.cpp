#include "ico_writer.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "png_writer.h"

namespace mkmedia {

namespace {

void Put16(std::vector<uint8_t>& out, unsigned v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

void WriteIco(const std::vector<Image>& pictures, const std::string& path) {
  std::vector<std::vector<uint8_t>> entries;
  for (const Image& p : pictures) {
    if (p.Width() != p.Height() || p.Width() < 1 || p.Width() > 256)
      throw std::runtime_error("icon pictures must be square, 1 to 256 pixels");
    entries.push_back(EncodePng(p));
  }
  std::vector<uint8_t> out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // type: icon
  Put16(out, static_cast<unsigned>(entries.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    const int size = pictures[i].Width();
    out.push_back(static_cast<uint8_t>(size == 256 ? 0 : size));  // 0 means 256
    out.push_back(static_cast<uint8_t>(size == 256 ? 0 : size));
    out.push_back(0);  // no palette
    out.push_back(0);  // reserved
    Put16(out, 1);     // colour planes
    Put16(out, 32);    // bits per pixel
    Put32(out, static_cast<uint32_t>(entries[i].size()));
    Put32(out, offset);
    offset += static_cast<uint32_t>(entries[i].size());
  }
  for (const auto& e : entries) out.insert(out.end(), e.begin(), e.end());
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  ok = std::fclose(f) == 0 && ok;
  if (!ok) throw std::runtime_error("cannot write " + path);
}

}  // namespace mkmedia
