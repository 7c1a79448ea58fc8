// Prints, as JSON, which area the program's own hit test finds at points of a
// grid over a map's picture, each with its clearance: how many pixels away
// the nearest pixel of another area (or of no area) lies, up to a cap. Points
// on or next to an outline, where a browser may rightly differ, are left out.
// The map is read from the page as the editor reads it.
// Usage: hit_grid PAGE [STEP]
#include <QApplication>
#include <algorithm>
#include <iostream>
#include <vector>

#include "editor/editor_window.h"
#include "model/file_kinds.h"
#include "support/fake_ui.h"
#include "workflow/map_opening.h"
#include "workflow/opening.h"

namespace {

constexpr int leastClearance = 3;  // pixels: the same area all around up to 2 pixels
constexpr int clearanceCap = 24;

// The area under every pixel of the picture, -1 where there is none.
class HitPicture {
 public:
  HitPicture(const ornix::EditorWindow& window, QSize size)
      : size(size), labels(static_cast<std::size_t>(size.width()) * static_cast<std::size_t>(size.height())) {
    for (int y = 0; y < size.height(); ++y) {
      for (int x = 0; x < size.width(); ++x) {
        const std::optional<std::size_t> area = window.areaAt(QPoint(x, y));
        labels[index(x, y)] = area ? static_cast<int>(*area) : -1;
      }
    }
  }

  int at(int x, int y) const {
    x = std::clamp(x, 0, size.width() - 1);
    y = std::clamp(y, 0, size.height() - 1);
    return labels[index(x, y)];
  }

  // The distance, counted as the larger of across and down, to the nearest
  // pixel with another label, ring by ring.
  int clearance(int x, int y) const {
    const int own = at(x, y);
    for (int ring = 1; ring < clearanceCap; ++ring) {
      for (int d = -ring; d <= ring; ++d) {
        if (at(x + d, y - ring) != own || at(x + d, y + ring) != own || at(x - ring, y + d) != own ||
            at(x + ring, y + d) != own) {
          return ring;
        }
      }
    }
    return clearanceCap;
  }

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(size.width()) + static_cast<std::size_t>(x);
  }

  QSize size;
  std::vector<int> labels;
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2 && argc != 3) {
    std::cerr << "usage: hit_grid PAGE [STEP]\n";
    return 2;
  }
  const int step = argc == 3 ? std::max(1, std::atoi(argv[2])) : 3;
  ornix::test::FakeUi ui;  // asks nothing: the page's picture must be where its tag points
  ornix::EditorWindow window(ui);
  const std::string page = argv[1];
  if (!ornix::openMapFile(ornix::workspaceOf(window), ui, page, ornix::extensionOf(page)) ||
      window.map().areas.empty()) {
    std::cerr << "the map could not be read\n";
    return 1;
  }
  const QSize size = window.findChild<QWidget*>("pictureCanvas")->size() - QSize(2, 2);
  const HitPicture hits(window, size);
  std::cout << "{\"areas\":" << window.map().areas.size() << ",\"width\":" << size.width()
            << ",\"height\":" << size.height() << ",\"points\":[";
  const char* separator = "";
  for (int y = step / 2; y < size.height(); y += step) {
    for (int x = step / 2; x < size.width(); x += step) {
      const int clearance = hits.clearance(x, y);
      if (clearance < leastClearance) continue;
      std::cout << separator << "[" << x << "," << y << "," << hits.at(x, y) << "," << clearance << "]";
      separator = ",";
    }
  }
  std::cout << "]}\n";
  return 0;
}
