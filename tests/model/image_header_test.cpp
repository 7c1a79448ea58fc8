#include <gtest/gtest.h>

#include "model/image_header.h"
#include "support/image_bytes.h"

namespace ornix {
namespace {

using test::Bytes;
using test::jpegFrame;
using test::jpegSegment;
using test::jpegStart;
using test::operator+;

const ImageInfo unmeasured{};

struct HeaderCase {
  const char* name;
  Bytes bytes;
  ImageInfo expected;
};

Bytes junk(std::size_t size) { return Bytes(size, 0x5A); }
// Junk with 0xFF every seventh byte and, every 63 bytes, 0xFF 0xD8 followed by
// anything but 0xFF: the pairs fall at a different place in each run of 64.
Bytes junkWithFFs(std::size_t size) {
  Bytes bytes(size, 0x5A);
  for (std::size_t i = 0; i < size; i += 7) bytes[i] = 0xFF;
  for (std::size_t i = 63; i + 2 < size; i += 63) bytes[i + 1] = 0xD8;
  return bytes;
}
Bytes segments(int count, std::size_t size) {
  Bytes bytes;
  for (int i = 0; i < count; ++i) bytes = bytes + jpegSegment(0xE1, size);
  return bytes;
}

std::vector<HeaderCase> headerCases() {
  using test::bmpHeader;
  using test::gifHeader;
  using test::typicalJpeg;
  const Bytes frame = jpegFrame(0xC0, 640, 480);
  const Bytes bmp = bmpHeader(640, 480);
  const Bytes big = jpegFrame(0xC0, 6000, 4000);
  const std::size_t block = ByteWindow::defaultFirstBlock;
  return {
      {"Gif", gifHeader(500, 300, 0xF7), {ImageKind::gif, 500, 300, 8}},
      {"GifDepthFromPackedSizeField", gifHeader(1, 2, 0x80), {ImageKind::gif, 1, 2, 1}},
      {"GifWidestAllowed", gifHeader(32767, 1), {ImageKind::gif, 32767, 1, 8}},
      {"GifTooWideIsNotAGif", gifHeader(32768, 1), unmeasured},
      {"GifTooWideFallsThroughToJpegInside", gifHeader(32768, 1) + typicalJpeg(20, 10), {ImageKind::jpeg, 20, 10, 24}},
      {"GifCutBeforePackedByte", Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}, unmeasured},
      {"Bmp", bmpHeader(640, 480, 24), {ImageKind::bmp, 640, 480, 24}},
      {"BmpReadsLowSixteenBitsOnly", bmpHeader(0x10005, 7, 8), {ImageKind::bmp, 5, 7, 8}},
      {"BmpTopDownIsNotABmp", bmpHeader(640, -480), unmeasured},
      {"BmpCutBeforeDepth", Bytes(bmp.begin(), bmp.begin() + 28), unmeasured},
      {"JpegAfterTablesHeightBeforeWidth", typicalJpeg(1024, 768), {ImageKind::jpeg, 1024, 768, 24}},
      {"JpegProgressiveFrame",
       jpegStart + jpegSegment(0xE1, 40) + jpegFrame(0xC2, 30, 20, 1),
       {ImageKind::jpeg, 30, 20, 8}},
      {"JpegLosslessFrame", jpegStart + jpegFrame(0xC3, 30, 20, 31), {ImageKind::jpeg, 30, 20, 248}},
      {"JpegFillBytesBeforeMarker", jpegStart + Bytes{0xFF, 0xFF, 0xFF} + frame, {ImageKind::jpeg, 640, 480, 24}},
      {"JpegStartFoundAfterJunk", junk(300) + Bytes{0xFF, 0xD8, 0xFF, 0xFF} + frame, {ImageKind::jpeg, 640, 480, 24}},
      {"JpegStartNeedsThirdByte", Bytes{0xFF, 0xD8, 0x00} + jpegStart + frame, {ImageKind::jpeg, 640, 480, 24}},
      {"ArithmeticFrameIsSkippedLikeASegment", jpegStart + jpegFrame(0xC9, 30, 20), unmeasured},
      {"ArithmeticFrameSkippedThenBaselineFound",
       jpegStart + jpegFrame(0xC9, 30, 20) + frame,
       {ImageKind::jpeg, 640, 480, 24}},
      {"ThirtyTwoComponentsOverflowDepth", jpegStart + jpegFrame(0xC0, 30, 20, 32), unmeasured},
      {"SegmentLengthTooLarge", jpegStart + Bytes{0xFF, 0xE0, 0x80, 0x00} + frame, unmeasured},
      {"SegmentLengthPastTheEnd", jpegStart + Bytes{0xFF, 0xE0, 0x7F, 0xFF, 1, 2}, unmeasured},
      {"SegmentLengthZeroAtTheEnd", jpegStart + Bytes{0xFF, 0xE0, 0x00, 0x00}, unmeasured},
      {"SegmentLengthOneAtTheEnd", jpegStart + Bytes{0xFF, 0xE0, 0x00, 0x01}, unmeasured},
      {"FrameHeaderCutShort", jpegStart + Bytes(frame.begin(), frame.begin() + 8), unmeasured},
      {"FrameHeightTooLarge", jpegStart + jpegFrame(0xC0, 10, 40000), unmeasured},
      {"StartOfImageAloneAtTheEnd", junk(10) + Bytes{0xFF, 0xD8, 0xFF}, unmeasured},
      {"NoMarkerAnywhere", junk(5000), unmeasured},
      {"EmptyFile", Bytes{}, unmeasured},
      // Markers beyond the first read block, and a start marker split across two blocks.
      {"LargestSegments", jpegStart + segments(3, 32765) + big, {ImageKind::jpeg, 6000, 4000, 24}},
      {"ManySegments", jpegStart + segments(40, 30000) + big, {ImageKind::jpeg, 6000, 4000, 24}},
      {"StartSplitAcrossBlocks", junk(block - 1) + jpegStart + big, {ImageKind::jpeg, 6000, 4000, 24}},
      {"JunkBeforeStart", junk(3 * block + 17) + jpegStart + big, {ImageKind::jpeg, 6000, 4000, 24}},
  };
}

class HeaderTest : public testing::TestWithParam<HeaderCase> {};

// From a file, and from memory read in blocks of any size: the block size
// of the window must never change a result.
TEST_P(HeaderTest, MeasuresAsTheHeaderSays) {
  test::TempDir dir;
  const Measurement measured = measureImage(dir.write("image.bin", GetParam().bytes));
  EXPECT_EQ(measured.info, GetParam().expected);
  EXPECT_FALSE(measured.refusedPng);
  for (const std::size_t block : {1u, 2u, 3u, 5u, 11u}) {
    MemoryByteSource source(GetParam().bytes);
    ByteWindow window(source, block);
    EXPECT_EQ(measureImageBytes(window).info, GetParam().expected) << "block " << block;
  }
}

INSTANTIATE_TEST_SUITE_P(Headers, HeaderTest, testing::ValuesIn(headerCases()),
                         [](const auto& row) { return row.param.name; });

// Wherever the start marker lies in junk full of 0xFF bytes and pairs that
// start nothing, it is found: the search passes over runs of bytes at a time
// and must step over none.
TEST(MeasureImage, FindsTheStartAtAnyOffsetAmongFFBytes) {
  for (std::size_t at = 0; at < 300; ++at) {
    const Bytes bytes = junkWithFFs(at) + jpegStart + jpegFrame(0xC0, 640, 480);
    MemoryByteSource source(bytes);
    ByteWindow window(source);
    EXPECT_EQ(measureImageBytes(window).info, (ImageInfo{ImageKind::jpeg, 640, 480, 24})) << at;
  }
}

// A file cut at any byte is measured only once the whole frame header is there.
TEST(MeasureImage, TruncatedJpegIsMeasuredOnlyWithItsWholeFrameHeader) {
  const Bytes full = test::typicalJpeg(321, 123);
  const std::size_t componentsAt = full.size() - 2 - 19 + 9;
  test::TempDir dir;
  for (std::size_t length = 0; length <= full.size(); ++length) {
    const std::string file = dir.write("cut.jpg", Bytes(full.begin(), full.begin() + static_cast<long>(length)));
    const ImageInfo expected = length > componentsAt ? ImageInfo{ImageKind::jpeg, 321, 123, 24} : unmeasured;
    ASSERT_EQ(measureImage(file).info, expected) << "cut at " << length;
  }
}

}  // namespace
}  // namespace ornix
