#pragma once

#include <QImage>
#include <QImageWriter>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "editor/frm_map.h"
#include "model/area_text.h"
#include "model/map_block_writer.h"
#include "support/fake_ui.h"
#include "support/image_bytes.h"

namespace ornix::test {

// A BMP picture of the given size at `relative` under the folder.
inline std::string writePicture(const TempDir& dir, const std::string& relative, int width = 200, int height = 120) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  const std::string path = (dir.path / relative).string();
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  EXPECT_TRUE(QImageWriter(QString::fromStdString(path), "bmp").write(image));
  return path;
}

// A page in `site/` holding a block the program itself wrote, with a
// rectangle, a circle and a polygon, for a picture at `site/` + `src`.
inline std::string writeMapPage(const TempDir& dir, const std::string& name, const std::string& src,
                                const std::string& top, const std::string& bottom) {
  FakeUi quiet;
  frmMap writer(quiet);
  MapDocument& doc = writer.document();
  EXPECT_TRUE(doc.imgSpecs(writePicture(dir, "site/" + src)));
  const std::vector<std::pair<ShapeTexts, std::string>> areas = {
      {rectShape(10, 10, 60, 50), attributePart("a.html", "_top", "")},
      {*circleShape(100, 60, 12.5f), attributePart("b.html", "", "Ring &quot;one&quot;")},
      {polyShape(std::vector<Point32>{{150, 10}, {190, 20}, {170, 70}}), attributePart("#", "", "")},
  };
  for (const auto& [shape, attributes] : areas) doc.addArea(shape.areaText + attributes, 0, shape.coordText);
  const std::string folderPrefix = src.substr(0, src.rfind('/') + 1);
  const std::string text = top + buildMapBlock(doc, folderPrefix) + bottom;
  return dir.write("site/" + name, Bytes(text.begin(), text.end()));
}

}  // namespace ornix::test
