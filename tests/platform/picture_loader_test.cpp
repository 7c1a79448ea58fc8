#include <gtest/gtest.h>

#include <QImageWriter>

#include "platform/picture_loader.h"
#include "support/image_bytes.h"

namespace ornix {
namespace {

// The smallest decodable GIF: one white pixel.
const test::Bytes onePixelGif{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0,  0,
                              0,   ',', 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 'D',  1,    0,    ';'};

class PictureLoaderTest : public testing::Test {
 protected:
  QString written(const QString& name, const char* format, QImage::Format pixels) {
    QImage image(31, 17, pixels);
    image.fill(Qt::gray);
    const QString path = QString::fromStdString((dir.path / name.toStdString()).string());
    EXPECT_TRUE(QImageWriter(path, format).write(image));
    return path;
  }
  QString bytes(const std::string& name, const test::Bytes& content) {
    return QString::fromStdString(dir.write(name, content));
  }

  test::TempDir dir;
};

TEST_F(PictureLoaderTest, TakesGifJpegAndBmpByContentAsRgb32) {
  const std::vector<std::pair<QString, QSize>> accepted = {
      {written("photo.jpg", "jpeg", QImage::Format_RGB32), {31, 17}},
      {written("grey.jpeg", "jpeg", QImage::Format_Grayscale8), {31, 17}},
      {written("flat.bmp", "bmp", QImage::Format_RGB32), {31, 17}},
      {written("misnamed.png", "jpeg", QImage::Format_RGB32), {31, 17}},
      {bytes("dot.gif", onePixelGif), {1, 1}},
  };
  for (const auto& [path, size] : accepted) {
    const std::optional<QImage> picture = readPicture(path);
    ASSERT_TRUE(picture.has_value()) << path.toStdString();
    EXPECT_EQ(picture->size(), size);
    EXPECT_EQ(picture->format(), QImage::Format_RGB32);
  }
}

TEST_F(PictureLoaderTest, RefusesEverythingElse) {
  const std::vector<QString> refused = {
      written("shot.png", "png", QImage::Format_RGB32),
      written("disguised.gif", "png", QImage::Format_RGB32),
      bytes("header-only.gif", test::gifHeader(500, 300)),
      bytes("noise.jpg", test::Bytes(100, 0x42)),
      bytes("empty.bmp", {}),
      QString::fromStdString((dir.path / "missing.gif").string()),
      QString::fromStdString(dir.path.string()),
  };
  for (const QString& path : refused) EXPECT_FALSE(readPicture(path).has_value()) << path.toStdString();
}

}  // namespace
}  // namespace ornix
