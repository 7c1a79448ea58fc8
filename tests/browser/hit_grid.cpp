// Prints, as JSON, which area the program's own hit test finds at points of a
// grid over a map's picture, leaving out the points on or next to an outline,
// where a browser may rightly differ. The map is read from the page as the
// editor reads it.
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <iostream>

#include "editor/editor_window.h"
#include "support/fake_ui.h"
#include "workflow/map_opening.h"
#include "workflow/opening.h"

namespace {

constexpr int step = 3;
constexpr int margin = 2;  // pixels around an outline left out

int areaAt(const ornix::EditorWindow& window, QPoint point) {
  const std::optional<std::size_t> area = window.areaAt(point);
  return area ? static_cast<int>(*area) : -1;
}

// The same area all around the point, up to the margin.
bool awayFromOutlines(const ornix::EditorWindow& window, QPoint point, int area) {
  for (int dy = -margin; dy <= margin; ++dy) {
    for (int dx = -margin; dx <= margin; ++dx) {
      if (areaAt(window, point + QPoint(dx, dy)) != area) return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: hit_grid PAGE\n";
    return 2;
  }
  ornix::test::FakeUi ui;  // asks nothing: the page's picture must be where its tag points
  ornix::EditorWindow window(ui);
  const std::string page = argv[1];
  if (!ornix::openMapFile(window, ui, page, ornix::extensionOf(page)) || window.map().areas.empty()) {
    std::cerr << "the map could not be read\n";
    return 1;
  }
  const QSize size = window.findChild<QWidget*>("pictureCanvas")->size() - QSize(2, 2);
  std::cout << "{\"areas\":" << window.map().areas.size() << ",\"width\":" << size.width()
            << ",\"height\":" << size.height() << ",\"points\":[";
  const char* separator = "";
  for (int y = margin; y < size.height() - margin; y += step) {
    for (int x = margin; x < size.width() - margin; x += step) {
      const int area = areaAt(window, {x, y});
      if (!awayFromOutlines(window, {x, y}, area)) continue;
      std::cout << separator << "[" << x << "," << y << "," << area << "]";
      separator = ",";
    }
  }
  std::cout << "]}\n";
  return 0;
}
