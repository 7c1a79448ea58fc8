// Pictures as users' files hold them, most written by a real image library:
// what the header reader measures, and what the picture loader takes.
#include <gtest/gtest.h>

#include <QImageWriter>

#include "model/image_header.h"
#include "platform/picture_loader.h"
#include "support/image_bytes.h"

namespace ornix {
namespace {

// The smallest decodable GIF: one white pixel.
const test::Bytes onePixelGif{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0,  0,
                              0,   ',', 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 'D',  1,    0,    ';'};

// A picture of one colour written by Qt in `format`, with a comment before its frame.
std::string written(const test::TempDir& dir, const std::string& name, const char* format, QImage image) {
  image.fill(Qt::darkCyan);
  image.setText("Description", "written for a test");
  const std::string path = (dir.path / name).string();
  EXPECT_TRUE(QImageWriter(QString::fromStdString(path), format).write(image)) << name;
  return path;
}

TEST(PictureFiles, AreMeasuredByTheirHeaderAndLoadedByTheirContent) {
  test::TempDir dir;
  struct Case {
    std::string path;
    ImageInfo measured;
    bool refusedPng;
    QSize loaded;  // empty: not loaded
  };
  const QImage colour(123, 45, QImage::Format_RGB32);
  const std::vector<Case> cases = {
      {written(dir, "photo.jpg", "jpeg", colour), {ImageKind::jpeg, 123, 45, 24}, false, {123, 45}},
      {written(dir, "grey.jpeg", "jpeg", QImage(7, 300, QImage::Format_Grayscale8)),
       {ImageKind::jpeg, 7, 300, 8},
       false,
       {7, 300}},
      {written(dir, "flat.bmp", "bmp", QImage(640, 480, QImage::Format_RGB32)),
       {ImageKind::bmp, 640, 480, 24},
       false,
       {640, 480}},
      {written(dir, "misnamed.png", "jpeg", colour), {ImageKind::jpeg, 123, 45, 24}, false, {123, 45}},
      {dir.write("dot.gif", onePixelGif), {ImageKind::gif, 1, 1, 1}, false, {1, 1}},
      {written(dir, "shot.png", "png", colour), {}, true, {}},
      {written(dir, "disguised.gif", "png", colour), {}, true, {}},
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
