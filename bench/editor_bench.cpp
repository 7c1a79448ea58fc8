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

#include "editor/editor_window.h"
#include "editor/picture_canvas.h"
#include "platform/ui.h"
#include "workflow/image_loading.h"

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
    loaded = loadImage(window, ui, file.string()) == PictureLoad::loaded;
    std::filesystem::remove(file);
    window.show();
    QApplication::processEvents();
    canvas = window.findChild<PictureCanvas*>("pictureCanvas");
  }

  void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
  }

  QtUi ui;
  EditorWindow window{ui};
  PictureCanvas* canvas = nullptr;
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
  if (editor.window.map().areas.empty()) {
    for (int i = 0; i < 10000; ++i) {
      const Point cell{(i % 100) * 30, (i / 100) * 30};
      const auto at = [&cell](int dx, int dy) { return Point{cell.x + dx, cell.y + dy}; };
      switch (i % 3) {
        case 0: editor.window.addReadArea({Shape::rectangle, {cell, at(25, 25)}, 0, {}}); break;
        case 1: editor.window.addReadArea({Shape::circle, {at(12, 12)}, 12.5f, {}}); break;
        default:
          editor.window.addReadArea({Shape::polygon, {cell, at(25, 3), at(20, 25), at(3, 20), at(12, 10)}, 0, {}});
      }
    }
  }
  const QPointF point = inLastArea ? QPointF(99 * 30 + 12, 99 * 30 + 12) : QPointF(99 * 30 + 28, 99 * 30 + 28);
  for (auto _ : state) benchmark::DoNotOptimize(editor.window.areaAt(point));
}

}  // namespace

void closeEditorBenchmarks() { editors().clear(); }

void registerEditorBenchmarks() {
  for (const auto& [name, tool] :
       {std::pair{"rubberBandRectangle", "rectangleTool"}, std::pair{"rubberBandCircle", "circleTool"}}) {
    benchmark::RegisterBenchmark(name, rubberBand, tool)->Arg(1000)->Arg(8000)->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("areaAt/10000/lastArea", hitTest, true)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("areaAt/10000/noArea", hitTest, false)->Unit(benchmark::kMicrosecond);
}

}  // namespace ornix::bench
