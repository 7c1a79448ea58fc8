#include <gtest/gtest.h>

#include <QImage>
#include <QImageWriter>
#include <QString>

#include "model/image_header.h"
#include "support/image_bytes.h"

namespace ornix {
namespace {

// Pictures written by a real image library, as users' files are.
struct WrittenCase {
  const char* name;
  const char* format;
  QImage::Format pixels;
  int width;
  int height;
  ImageInfo expected;
};

class WrittenImageTest : public testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenImageTest, MeasuresWhatTheWriterWrote) {
  const WrittenCase& c = GetParam();
  test::TempDir dir;
  const QString file = QString::fromStdString((dir.path / (std::string("picture.") + c.format)).string());
  QImage image(c.width, c.height, c.pixels);
  image.fill(Qt::darkCyan);
  image.setText("Description", "written for a test");  // a comment segment before the frame
  QImageWriter writer(file, c.format);
  ASSERT_TRUE(writer.write(image)) << writer.errorString().toStdString();

  const Measurement measured = measureImage(file.toStdString());
  EXPECT_EQ(measured.info, c.expected);
  EXPECT_EQ(measured.refusedPng, std::string(c.format) == "png");
}

INSTANTIATE_TEST_SUITE_P(
    Files, WrittenImageTest,
    testing::Values(WrittenCase{"ColourJpeg", "jpeg", QImage::Format_RGB32, 123, 45, {ImageKind::jpeg, 123, 45, 24}},
                    WrittenCase{"GreyJpeg", "jpeg", QImage::Format_Grayscale8, 7, 300, {ImageKind::jpeg, 7, 300, 8}},
                    WrittenCase{"ColourBmp", "bmp", QImage::Format_RGB32, 640, 480, {ImageKind::bmp, 640, 480, 24}},
                    WrittenCase{"Png", "png", QImage::Format_RGB32, 10, 10, {}}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace ornix
