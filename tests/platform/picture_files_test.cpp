// Pictures as users' files hold them, most written by a real image library:
// what the header reader measures, and what the picture loader takes.
#include <gtest/gtest.h>

#include "model/image_header.h"
#include "platform/picture_loader.h"
#include "support/image_bytes.h"
#include "support/map_pages.h"

namespace ornix {
namespace {

// The smallest decodable GIF: one white pixel.
const test::Bytes onePixelGif{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0,  0,
                              0,   ',', 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 'D',  1,    0,    ';'};

TEST(PictureFiles, AreMeasuredByTheirHeaderAndLoadedByTheirContent) {
  test::TempDir dir;
  struct Case {
    std::string path;
    ImageInfo measured;
    bool refusedPng;
    QSize loaded;  // empty: not loaded
  };
  const std::vector<Case> cases = {
      {test::writePicture(dir, "photo.jpg", 123, 45, "jpeg"), {ImageKind::jpeg, 123, 45, 24}, false, {123, 45}},
      {test::writePicture(dir, "grey.jpeg", 7, 300, "jpeg", QImage::Format_Grayscale8),
       {ImageKind::jpeg, 7, 300, 8},
       false,
       {7, 300}},
      {test::writePicture(dir, "flat.bmp", 640, 480), {ImageKind::bmp, 640, 480, 24}, false, {640, 480}},
      {test::writePicture(dir, "misnamed.png", 123, 45, "jpeg"), {ImageKind::jpeg, 123, 45, 24}, false, {123, 45}},
      {dir.write("dot.gif", onePixelGif), {ImageKind::gif, 1, 1, 1}, false, {1, 1}},
      {test::writePicture(dir, "shot.png", 123, 45, "png"), {}, true, {}},
      {test::writePicture(dir, "disguised.gif", 123, 45, "png"), {}, true, {}},
      {dir.write("header-only.gif", test::gifHeader(500, 300)), {ImageKind::gif, 500, 300, 8}, false, {}},
      {dir.write("noise.jpg", test::Bytes(100, 0x42)), {}, false, {}},
      {(dir.path / "missing.gif").string(), {}, false, {}},
      {dir.path.string(), {}, false, {}},
  };
  for (const Case& c : cases) {
    const Measurement measurement = measureImage(c.path);
    EXPECT_EQ(measurement.info, c.measured) << c.path;
    EXPECT_EQ(measurement.refusedPng, c.refusedPng) << c.path;
    const std::optional<QImage> picture = readPicture(QString::fromStdString(c.path));
    EXPECT_EQ(picture ? picture->size() : QSize(), c.loaded) << c.path;
    EXPECT_TRUE(!picture || picture->format() == QImage::Format_RGB32) << c.path;
  }
}

}  // namespace
}  // namespace ornix
