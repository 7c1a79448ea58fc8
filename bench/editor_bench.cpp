// Interaction costs on the editor window, offscreen: a rubber-band move (erase
// the old figure, draw the new one, paint the changed part) on a small and a
// huge picture, and the hit test over a large map.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImageWriter>
#include <QMouseEvent>
#include <QToolButton>
#include <filesystem>
#include <map>
#include <memory>

#include "editor/frm_map.h"
#include "editor/hotspots.h"
#include "editor/map_surface.h"
#include "platform/ui.h"

namespace ornix::bench {
namespace {

// One editor window showing a square picture of `side` pixels.
class EditorOnPicture {
 public:
  explicit EditorOnPicture(int side) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("ornix-bench-" + std::to_string(side) + ".jpg");
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(QColor(90, 140, 200));
    QImageWriter(QString::fromStdString(file.string()), "jpeg").write(picture);
    loaded = static_cast<bool>(window.document().imgSpecs(file.string()));
    std::filesystem::remove(file);
    window.show();
    QApplication::processEvents();
    mapee = window.findChild<MapSurface*>("mapee");
  }

  void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, mapee->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(mapee, &event);
  }

  QtUi ui;
  frmMap window{ui};
  MapSurface* mapee = nullptr;
  bool loaded = false;
};

// The windows live until the run ends; they must go before the application does.
std::map<int, std::unique_ptr<EditorOnPicture>>& editors() {
  static std::map<int, std::unique_ptr<EditorOnPicture>> open;
  return open;
}

EditorOnPicture& editorFor(int side) {
  auto& editor = editors()[side];
  if (!editor) editor = std::make_unique<EditorOnPicture>(side);
  return *editor;
}

// The same 200 x 150 box (or a circle of radius 250) on every move, whatever the picture.
void rubberBand(benchmark::State& state, const char* tool) {
  EditorOnPicture& editor = editorFor(static_cast<int>(state.range(0)));
  if (!editor.loaded) {
    state.SkipWithError("the picture did not load");
    return;
  }
  editor.window.findChild<QToolButton*>(tool)->click();
  editor.mouse(QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton, Qt::LeftButton);
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    editor.mouse(QEvent::MouseMove, {flip ? 500.0 : 501.0, 450}, Qt::NoButton, Qt::LeftButton);
    QApplication::processEvents();  // paints the changed part
  }
  // Back to the press point before letting go: too small to become an area.
  editor.mouse(QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::LeftButton);
  editor.mouse(QEvent::MouseButtonRelease, {300, 300}, Qt::LeftButton, Qt::NoButton);
}

// 10,000 rectangles, circles and polygons side by side, none overlapping.
void hitTest(benchmark::State& state, bool inLastArea) {
  EditorOnPicture& editor = editorFor(999);  // a window of its own
  MapDocument& document = editor.window.document();
  Regions& regions = editor.window.regions();
  if (document.areaList().empty()) {
    for (int i = 0; i < 10000; ++i) {
      const QPoint cell((i % 100) * 30, (i / 100) * 30);
      std::int32_t region = 0;
      switch (i % 3) {
        case 0: region = regions.createRect(cell, cell + QPoint(25, 25)); break;
        case 1: region = regions.createEllipse(cell, cell + QPoint(25, 25)); break;
        default:
          region = regions.createPolygon(QPolygon({cell, cell + QPoint(25, 3), cell + QPoint(20, 25),
                                                   cell + QPoint(3, 20), cell + QPoint(12, 10)}));
      }
      document.addArea("<AREA", region, "0|0|1|1");
    }
  }
  const Hotspots hotspots(document, regions, *editor.mapee);
  const QPointF point = inLastArea ? QPointF(99 * 30 + 12, 99 * 30 + 12) : QPointF(99 * 30 + 28, 99 * 30 + 28);
  for (auto _ : state) benchmark::DoNotOptimize(hotspots.areaAt(point));
}

}  // namespace

void closeEditorBenchmarks() { editors().clear(); }

void registerEditorBenchmarks() {
  for (const auto& [name, tool] : {std::pair{"rubberBandRectangle", "cmdSquare"}, std::pair{"rubberBandCircle", "cmdCircle"}}) {
    benchmark::RegisterBenchmark(name, rubberBand, tool)->Arg(1000)->Arg(8000)->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("areaAt/10000/lastArea", hitTest, true)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("areaAt/10000/noArea", hitTest, false)->Unit(benchmark::kMicrosecond);
}

}  // namespace ornix::bench
