#include "platform/codecs/image_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>
#include <vector>

#include "picture_bytes.h"
#include "support/largest_allocation.h"

namespace {

using picture_bytes::Rgba;
using platform::PixelBuffer;

std::string TempPath(const std::string& name) {
  const auto* test = testing::UnitTest::GetInstance()->current_test_info();
  return (std::filesystem::path(testing::TempDir()) /
          (std::string("marrowick_") + test->test_suite_name() + "_" + test->name() + "_" + name))
      .string();
}

std::optional<PixelBuffer> Decode(const std::vector<uint8_t>& bytes, size_t length) {
  return platform::DecodeImageBytes(bytes.data(), length);
}
std::optional<PixelBuffer> Decode(const std::vector<uint8_t>& bytes) { return Decode(bytes, bytes.size()); }

void ExpectPixels(const std::optional<PixelBuffer>& picture, int width, int height,
                  const std::vector<uint32_t>& pixels) {
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, width);
  EXPECT_EQ(picture->height, height);
  EXPECT_EQ(picture->pixels, pixels);
}

// Every shortened copy must be refused; the whole file must still decode.
template <typename Decoder>
void ExpectEveryTruncationRefused(const std::vector<uint8_t>& bytes, Decoder decode) {
  ASSERT_TRUE(decode(bytes.data(), bytes.size()).has_value());
  for (size_t length = 0; length < bytes.size(); ++length)
    EXPECT_FALSE(decode(bytes.data(), length).has_value()) << "kept " << length << " of " << bytes.size();
}

// Flips one byte at a time, with a fixed seed. Returns how many copies decoded.
template <typename Decoder>
int DecodeFlippedCopies(const std::vector<uint8_t>& bytes, int copies, Decoder decode) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<size_t> position(0, bytes.size() - 1);
  std::uniform_int_distribution<int> mask(1, 255);
  int decoded = 0;
  for (int i = 0; i < copies; ++i) {
    std::vector<uint8_t> damaged = bytes;
    damaged[position(random)] ^= static_cast<uint8_t>(mask(random));
    if (const auto picture = decode(damaged.data(), damaged.size())) {
      EXPECT_TRUE(platform::IsAcceptableImageSize(picture->width, picture->height));
      EXPECT_EQ(picture->pixels.size(), size_t(picture->width) * size_t(picture->height));
      ++decoded;
    }
  }
  return decoded;
}

TEST(ImageLimits, SidesAndPixelCountAreBounded) {
  EXPECT_TRUE(platform::IsAcceptableImageSize(1, 1));
  EXPECT_TRUE(platform::IsAcceptableImageSize(4096, 1));
  EXPECT_TRUE(platform::IsAcceptableImageSize(4096, 4096));
  EXPECT_FALSE(platform::IsAcceptableImageSize(4096, 4097));
  EXPECT_FALSE(platform::IsAcceptableImageSize(4097, 1));
  EXPECT_FALSE(platform::IsAcceptableImageSize(1, 4097));
  EXPECT_FALSE(platform::IsAcceptableImageSize(0, 10));
  EXPECT_FALSE(platform::IsAcceptableImageSize(10, -1));
}

TEST(PngCodec, WrittenPicturesReadBackUnchanged) {
  for (int compression : {-3, 0, 5, 9, 12}) {
    for (const PixelBuffer& picture : {picture_bytes::Pattern(7, 5), picture_bytes::Pattern(1, 1)}) {
      const std::string path = TempPath("round_trip.png");
      ASSERT_TRUE(platform::EncodePngFile(picture, path, compression)) << compression;
      ExpectPixels(platform::DecodeImageFile(path), picture.width, picture.height, picture.pixels);
      std::filesystem::remove(path);
    }
  }
}

TEST(PngCodec, FailedWritesLeaveNoFile) {
  const PixelBuffer picture = picture_bytes::Pattern(4, 3);
  EXPECT_FALSE(platform::EncodePngFile(picture, TempPath("no such folder") + "/picture.png", 5));

  PixelBuffer shortOfPixels = picture;
  shortOfPixels.pixels.pop_back();
  const std::string path = TempPath("short.png");
  EXPECT_FALSE(platform::EncodePngFile(shortOfPixels, path, 5));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(platform::EncodePngFile(PixelBuffer{}, path, 5));
  EXPECT_FALSE(std::filesystem::exists(path));

  // The picture is written, but cannot take the place of a folder.
  const std::string folder = TempPath("folder");
  std::filesystem::create_directory(folder);
  EXPECT_FALSE(platform::EncodePngFile(picture, folder, 5));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_FALSE(std::filesystem::exists(folder + ".tmp"));
  std::filesystem::remove(folder);
}

TEST(PngCodec, EveryColourTypeAndDepthBecomesEightBitRgba) {
  struct Case {
    const char* name;
    picture_bytes::PngLayout layout;
    std::vector<uint16_t> samples;
    std::vector<uint32_t> expected;
  };
  const Case cases[] = {
      {"grey 1-bit",
       {.width = 3, .height = 1, .bitDepth = 1, .colorType = 0},
       {1, 0, 1},
       {Rgba(255, 255, 255), Rgba(0, 0, 0), Rgba(255, 255, 255)}},
      {"grey 2-bit",
       {.width = 3, .height = 1, .bitDepth = 2, .colorType = 0},
       {0, 2, 3},
       {Rgba(0, 0, 0), Rgba(170, 170, 170), Rgba(255, 255, 255)}},
      {"grey 8-bit with a transparent level",
       {.width = 2, .height = 1, .colorType = 0, .transparency = {0, 40}},
       {40, 41},
       {Rgba(40, 40, 40, 0), Rgba(41, 41, 41)}},
      {"grey 16-bit",
       {.width = 2, .height = 1, .bitDepth = 16, .colorType = 0},
       {0x8080, 0xFFFF},
       {Rgba(128, 128, 128), Rgba(255, 255, 255)}},
      {"grey and alpha", {.width = 1, .height = 1, .colorType = 4}, {90, 30}, {Rgba(90, 90, 90, 30)}},
      {"RGB 8-bit",
       {.width = 2, .height = 1, .colorType = 2},
       {1, 2, 3, 4, 5, 6},
       {Rgba(1, 2, 3), Rgba(4, 5, 6)}},
      {"RGBA 16-bit",
       {.width = 1, .height = 1, .bitDepth = 16, .colorType = 6},
       {0x0101, 0x2020, 0xFEFE, 0x7F7F},
       {Rgba(1, 32, 254, 127)}},
      // Entries past the end of tRNS are opaque.
      {"palette 4-bit with partial tRNS",
       {.width = 3,
        .height = 1,
        .bitDepth = 4,
        .colorType = 3,
        .palette = {10, 20, 30, 40, 50, 60, 70, 80, 90},
        .transparency = {0, 128}},
       {0, 1, 2},
       {Rgba(10, 20, 30, 0), Rgba(40, 50, 60, 128), Rgba(70, 80, 90)}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    ExpectPixels(Decode(picture_bytes::Png(test.layout, test.samples)), test.layout.width, test.layout.height,
                 test.expected);
  }
}

TEST(PngCodec, InterlacedPictureDecodesLikeTheProgressiveOne) {
  // 11 x 9 leaves some Adam7 passes partly filled and crosses an 8-pixel block.
  picture_bytes::PngLayout layout{.width = 11, .height = 9, .colorType = 6};
  std::vector<uint16_t> samples;
  std::vector<uint32_t> expected;
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 11; ++x) {
      const uint8_t r = uint8_t(x * 20), g = uint8_t(y * 25), b = uint8_t(x ^ y), a = uint8_t(200 + x);
      samples.insert(samples.end(), {r, g, b, a});
      expected.push_back(Rgba(r, g, b, a));
    }
  }
  ExpectPixels(Decode(picture_bytes::Png(layout, samples)), 11, 9, expected);
  layout.interlaced = true;
  ExpectPixels(Decode(picture_bytes::Png(layout, samples)), 11, 9, expected);
}

TEST(PngCodec, TruncatedOrDamagedFilesAreRefused) {
  const std::vector<uint8_t> palettePng = picture_bytes::Png(
      {.width = 5, .height = 3, .colorType = 3, .palette = {1, 2, 3, 4, 5, 6}, .transparency = {7}},
      std::vector<uint16_t>(15, 1));
  ExpectEveryTruncationRefused(palettePng, platform::DecodeImageBytes);

  const std::string path = TempPath("encoded.png");
  ASSERT_TRUE(platform::EncodePngFile(picture_bytes::Pattern(6, 4), path, 9));
  const std::vector<uint8_t> encoded = picture_bytes::ReadFile(path);
  std::filesystem::remove(path);
  ExpectEveryTruncationRefused(encoded, platform::DecodeImageBytes);

  // Every chunk carries a CRC, so no single damaged byte goes unnoticed.
  EXPECT_EQ(DecodeFlippedCopies(encoded, 400, platform::DecodeImageBytes), 0);
  EXPECT_EQ(DecodeFlippedCopies(palettePng, 400, platform::DecodeImageBytes), 0);
}

TEST(PngCodec, DimensionsBeyondTheLimitsAreRefused) {
  // Complete pictures, so that only the size check can refuse them.
  const auto greyLine = [](uint32_t width, uint32_t height) {
    return picture_bytes::Png({.width = width, .height = height, .colorType = 0},
                              std::vector<uint16_t>(size_t{width} * height, 255));
  };
  ExpectPixels(Decode(greyLine(4096, 1)), 4096, 1, std::vector<uint32_t>(4096, Rgba(255, 255, 255)));
  EXPECT_FALSE(Decode(greyLine(4097, 1)).has_value());
  EXPECT_FALSE(Decode(greyLine(1, 4097)).has_value());
  const std::pair<uint32_t, uint32_t> headers[] = {{0, 1}, {4096, 4097}, {0x7FFFFFFF, 2}};
  for (auto [width, height] : headers)
    EXPECT_FALSE(
        Decode(picture_bytes::Png({.width = width, .height = height, .colorType = 0}, {})).has_value())
        << width << " x " << height;
}

std::vector<uint8_t> FlatJpeg(int components, const std::vector<uint8_t>& colour, bool adobeMarker = true) {
  std::vector<uint8_t> samples;
  for (int i = 0; i < 16 * 8; ++i) samples.insert(samples.end(), colour.begin(), colour.end());
  return picture_bytes::Jpeg(16, 8, components, samples, adobeMarker);
}

void ExpectFlatColour(const std::optional<PixelBuffer>& picture, int r, int g, int b) {
  ASSERT_TRUE(picture.has_value());
  ASSERT_EQ(picture->width, 16);
  ASSERT_EQ(picture->height, 8);
  for (uint32_t pixel : picture->pixels) {
    uint8_t rgba[4];
    std::memcpy(rgba, &pixel, 4);
    EXPECT_NEAR(rgba[0], r, 3);
    EXPECT_NEAR(rgba[1], g, 3);
    EXPECT_NEAR(rgba[2], b, 3);
    EXPECT_EQ(rgba[3], 255);
  }
}

TEST(JpegDecoder, ColourGreyAndCmykPictures) {
  ExpectFlatColour(Decode(FlatJpeg(3, {200, 40, 90})), 200, 40, 90);
  ExpectFlatColour(Decode(FlatJpeg(1, {77})), 77, 77, 77);
  // With an Adobe marker CMYK is stored inverted: 0 means full ink.
  ExpectFlatColour(Decode(FlatJpeg(4, {255, 0, 255, 255})), 255, 0, 255);
  ExpectFlatColour(Decode(FlatJpeg(4, {0, 255, 0, 0}, false)), 255, 0, 255);
  ExpectFlatColour(Decode(FlatJpeg(4, {255, 255, 255, 0})), 0, 0, 0);
}

TEST(JpegDecoder, TruncatedFilesAreRefused) {
  ExpectEveryTruncationRefused(FlatJpeg(3, {10, 200, 30}), platform::DecodeImageBytes);
}

TEST(JpegDecoder, DimensionsBeyondTheLimitsAreRefused) {
  const auto greyStrip = [](int width) {
    return picture_bytes::Jpeg(width, 8, 1, std::vector<uint8_t>(size_t(width) * 8, 128));
  };
  const auto widest = Decode(greyStrip(4096));
  ASSERT_TRUE(widest.has_value());
  EXPECT_EQ(widest->width, 4096);
  EXPECT_FALSE(Decode(greyStrip(4097)).has_value());
}

// Each scan of a progressive file is another pass over all its coefficients:
// a small file of thousands of scans would hold the game for minutes, so one
// of more than 64 is refused.
TEST(JpegDecoder, AProgressiveFileOfMoreThan64ScansIsRefused) {
  const auto scansIn = [](const std::vector<uint8_t>& jpeg) {
    int count = 0;  // entropy-coded data never holds FF DA: a coded FF is followed by 00
    for (size_t i = 0; i + 1 < jpeg.size(); ++i) count += jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA ? 1 : 0;
    return count;
  };
  for (const int scans : {2, 64, 65, 74}) {
    const std::vector<uint8_t> jpeg = picture_bytes::ProgressiveJpeg(scans);
    ASSERT_EQ(scansIn(jpeg), scans);
    EXPECT_EQ(Decode(jpeg).has_value(), scans <= 64) << scans << " scans";
  }
}

// A few bytes of header must not cost hundreds of megabytes before the data is
// seen to be missing: a huge declared picture, a text chunk claiming 1.6 GB.
TEST(ImageFiles, WhatAPictureClaimsIsBoundedBeforeAnythingIsAllocated) {
  if (!LargestAllocation::Watching()) GTEST_SKIP() << "allocations are only seen under AddressSanitizer";
  constexpr size_t kMostForASmallFile = size_t{16} << 20;
  const auto cost = [](const std::vector<uint8_t>& bytes) {
    LargestAllocation largest;
    EXPECT_FALSE(Decode(bytes).has_value());
    return largest.Bytes();
  };
  EXPECT_LT(cost(picture_bytes::Png({.width = 8192, .height = 8192, .colorType = 6}, {})), kMostForASmallFile);
  EXPECT_LT(cost(picture_bytes::Png({.width = 4096, .height = 4096, .colorType = 6}, {})), size_t{80} << 20);

  std::vector<uint8_t> texted = picture_bytes::Png({.width = 2, .height = 2, .colorType = 0}, {1, 2, 3, 4});
  const size_t afterHeader = 8 + 25;  // signature, IHDR chunk
  const std::vector<uint8_t> claim{0x60, 0x00, 0x00, 0x00, 't', 'E', 'X', 't', 'k', 'e', 'y', 0, 'v'};
  texted.insert(texted.begin() + afterHeader, claim.begin(), claim.end());
  EXPECT_LT(cost(texted), kMostForASmallFile);

  // The JPEG header alone says 16384 x 4096.
  std::vector<uint8_t> tall = picture_bytes::Jpeg(16, 8, 1, std::vector<uint8_t>(16 * 8, 128));
  for (size_t i = 0; i + 8 < tall.size(); ++i) {
    if (tall[i] == 0xFF && tall[i + 1] == 0xC0) {
      tall[i + 5] = 0x10, tall[i + 6] = 0x00;  // height 4096
      tall[i + 7] = 0x40, tall[i + 8] = 0x00;  // width 16384
      break;
    }
  }
  EXPECT_LT(cost(tall), kMostForASmallFile);
}

TEST(ImageFiles, UnknownOrMissingInputIsRefused) {
  EXPECT_FALSE(platform::DecodeImageBytes(nullptr, 10).has_value());
  const std::vector<uint8_t> bitmap{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(Decode(bitmap).has_value());
  EXPECT_FALSE(platform::DecodeImageFile(TempPath("missing.png")).has_value());
  EXPECT_FALSE(platform::DecodeImageFile(testing::TempDir()).has_value());
}

// A prefetched picture is taken by the next decode of its path, once: the
// decode after it reads the file again. Prefetching twice, or a file that is
// not there, changes nothing.
TEST(ImageFiles, APrefetchedPictureIsTakenByTheNextDecodeOfItsPath) {
  const PixelBuffer first = picture_bytes::Pattern(7, 5);
  const std::string path = TempPath("prefetched.png");
  ASSERT_TRUE(platform::EncodePngFile(first, path, 5));
  platform::PrefetchImageFile(path);
  platform::PrefetchImageFile(path);
  const std::string other = TempPath("prefetched-missing.png");
  platform::PrefetchImageFile(other);
  ExpectPixels(platform::DecodeImageFile(path), first.width, first.height, first.pixels);
  std::filesystem::remove(path);
  EXPECT_FALSE(platform::DecodeImageFile(path).has_value());
  EXPECT_FALSE(platform::DecodeImageFile(other).has_value());
}

// Opaque apart from two fully transparent pixels, so a mask can say it all.
PixelBuffer PictureWithHoles() {
  PixelBuffer picture = picture_bytes::Pattern(5, 3);
  for (uint32_t& pixel : picture.pixels) pixel |= Rgba(0, 0, 0, 255);
  picture.pixels[1] = Rgba(1, 2, 3, 0);
  picture.pixels[13] = Rgba(4, 5, 6, 0);
  return picture;
}

std::optional<PixelBuffer> DecodeIco(const std::vector<uint8_t>& bytes) {
  return platform::DecodeIcoBytes(bytes.data(), bytes.size());
}

TEST(IcoDecoder, FirstEntryAsPngOrBitmap) {
  const PixelBuffer pattern = picture_bytes::Pattern(5, 3);
  const std::string pngPath = TempPath("entry.png");
  ASSERT_TRUE(platform::EncodePngFile(pattern, pngPath, 5));
  const std::vector<uint8_t> png = picture_bytes::ReadFile(pngPath);
  std::filesystem::remove(pngPath);
  const std::vector<uint8_t> other = picture_bytes::IconDib(picture_bytes::Pattern(2, 2), 32);

  ExpectPixels(DecodeIco(picture_bytes::Ico({png, other})), 5, 3, pattern.pixels);
  ExpectPixels(DecodeIco(picture_bytes::Ico({picture_bytes::IconDib(pattern, 32), png})), 5, 3,
               pattern.pixels);

  // Without alpha (24-bit, or 32-bit with every alpha byte zero) the AND mask
  // decides; 5 pixels of 24 bits also exercise the row padding.
  const PixelBuffer holes = PictureWithHoles();
  ExpectPixels(DecodeIco(picture_bytes::Ico({picture_bytes::IconDib(holes, 24)})), 5, 3, holes.pixels);
  ExpectPixels(DecodeIco(picture_bytes::Ico({picture_bytes::IconDib(holes, 32, false)})), 5, 3, holes.pixels);

  const std::string icoPath = TempPath("chest.ico");
  picture_bytes::WriteFile(icoPath, picture_bytes::Ico({png}));
  ExpectPixels(platform::DecodeIcoFirstIcon(icoPath), 5, 3, pattern.pixels);
  std::filesystem::remove(icoPath);
  EXPECT_FALSE(platform::DecodeIcoFirstIcon(icoPath).has_value());
}

TEST(IcoDecoder, MalformedFilesAreRefused) {
  const std::vector<uint8_t> good = picture_bytes::Ico({picture_bytes::IconDib(PictureWithHoles(), 24)});
  ExpectEveryTruncationRefused(good, platform::DecodeIcoBytes);

  auto patched = [&](size_t at, std::vector<uint8_t> bytes) {
    std::vector<uint8_t> copy = good;
    std::copy(bytes.begin(), bytes.end(), copy.begin() + at);
    return copy;
  };
  constexpr size_t kEntry = 6, kDib = 22;
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"cursor, not icon", patched(2, {2, 0})},
      {"no entries", patched(4, {0, 0})},
      {"more entries than the file holds", patched(4, {9, 0})},
      {"offset past the end", patched(kEntry + 12, {0xFF, 0xFF, 0, 0})},
      {"entry size beyond the end", patched(kEntry + 8, {0xFF, 0xFF, 0xFF, 0xFF})},
      {"odd DIB height", patched(kDib + 8, {5, 0, 0, 0})},
      {"negative DIB width", patched(kDib + 4, {0xFB, 0xFF, 0xFF, 0xFF})},
      {"DIB header larger than the entry", patched(kDib, {0, 1, 0, 0})},
      {"8-bit palette", patched(kDib + 14, {8, 0})},
      {"bit-field compression", patched(kDib + 16, {3, 0, 0, 0})},
      {"rows larger than the entry", patched(kDib + 4, {50, 0, 0, 0})},
  };
  for (const auto& test : cases) EXPECT_FALSE(DecodeIco(test.bytes).has_value()) << test.what;
  // Damage to the pixels themselves goes unseen, to the headers mostly not; the
  // copies that decode are checked inside.
  const int decoded = DecodeFlippedCopies(good, 300, platform::DecodeIcoBytes);
  EXPECT_GT(decoded, 0);
  EXPECT_LT(decoded, 300);
}

}  // namespace
