// chest.ico beside the game: a real Windows icon with 16, 32, 48 and 256
// pixel pictures, the first of which the game reads for its window.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "media_files.h"

namespace {

std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
  std::ifstream f(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), {});
}

unsigned U16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t U32(const std::vector<uint8_t>& b, size_t at) { return U16(b, at) | static_cast<uint32_t>(U16(b, at + 2)) << 16; }

TEST(MediaIcon, EveryEntryDecodesAtItsSize) {
  const std::vector<uint8_t> ico = ReadAll(media_test::GameDir() / "chest.ico");
  ASSERT_GE(ico.size(), 6u);
  EXPECT_EQ(U16(ico, 0), 0u);
  EXPECT_EQ(U16(ico, 2), 1u);
  const unsigned count = U16(ico, 4);
  ASSERT_GE(ico.size(), 6 + 16 * count);
  std::set<int> sizes;
  for (unsigned i = 0; i < count; ++i) {
    const size_t entry = 6 + 16 * i;
    const int size = ico[entry] ? ico[entry] : 256;
    const uint32_t bytes = U32(ico, entry + 8), offset = U32(ico, entry + 12);
    ASSERT_LE(static_cast<size_t>(offset) + bytes, ico.size());
    auto picture = platform::DecodeImageBytes(ico.data() + offset, bytes);
    ASSERT_TRUE(picture.has_value()) << "entry " << i;
    EXPECT_EQ(picture->width, size);
    EXPECT_EQ(picture->height, size);
    sizes.insert(size);
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 256}));
  EXPECT_TRUE(platform::DecodeIcoFirstIcon((media_test::GameDir() / "chest.ico").string()).has_value());
}

}  // namespace
