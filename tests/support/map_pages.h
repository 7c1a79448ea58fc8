#pragma once

#include <QImage>
#include <QImageWriter>
#include <filesystem>
#include <string>

#include "model/map_writer.h"
#include "support/image_bytes.h"

namespace ornix::test {

// A picture of one colour and the given size at `relative` under the folder,
// written by Qt's writer for `format`, with a comment before its frame where
// the format keeps one.
inline std::string writePicture(const TempDir& dir, const std::string& relative, int width = 200, int height = 120,
                                const char* format = "bmp") {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  image.setText("Description", "written for a test");
  const std::string path = (dir.path / relative).string();
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  EXPECT_TRUE(QImageWriter(QString::fromStdString(path), format).write(image)) << relative;
  return path;
}

// A rectangle, a circle and a polygon with their links, as a page might hold them.
inline std::vector<Area> threeAreas() {
  return {{Shape::rectangle, {{10, 10}, {60, 50}}, 0, {"a.html", "_top", "", {}}},
          {Shape::circle, {{100, 60}}, 12.0f, {"b.html", "", "Ring &quot;one&quot;", {}}},
          {Shape::polygon, {{150, 10}, {190, 20}, {170, 70}}, 0, {"#", "", "", {}}}};
}

// A page in `site/` holding a block the program itself wrote with those three
// areas, for a picture at `site/` + `src`.
inline std::string writeMapPage(const TempDir& dir, const std::string& name, const std::string& src,
                                const std::string& top, const std::string& bottom) {
  const std::string picture = writePicture(dir, "site/" + src);
  const std::string folderPrefix = src.substr(0, src.rfind('/') + 1);
  const ImageMap map{Picture{picture, 200, 120}, threeAreas(), nullptr};
  const std::string text = top + writeMapBlock(map, folderPrefix) + bottom;
  return dir.write("site/" + name, Bytes(text.begin(), text.end()));
}

}  // namespace ornix::test
