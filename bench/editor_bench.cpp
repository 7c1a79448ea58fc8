// Interaction costs on the editor window, offscreen: a rubber-band move (erase
// the old figure, draw the new one, paint the changed part) on a small and a
// huge picture, the hit test over a large map, a whole view painted from a
// map, and a row chosen in a long area list.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <QApplication>
#include <QImageWriter>
#include <QMouseEvent>
#include <QToolButton>
#include <filesystem>
#include <map>
#include <memory>

#include "document/map_document.h"
#include "editor/area_overlay.h"
#include "editor/editor_window.h"
#include "editor/picture_canvas.h"
#include "model/area_geometry.h"
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
    loaded = loadImage(window.document(), ui, file.string()) == PictureLoad::loaded;
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

// The same 200 x 150 box (or a circle of radius 250) on the screen on every
// move, whatever the picture and the zoom; each move changes the figure by one
// picture pixel.
void rubberBand(benchmark::State& state, const char* tool) {
  EditorOnPicture& editor = editorFor(static_cast<int>(state.range(0)));
  if (!editor.loaded) {
    state.SkipWithError("the picture did not load");
    return;
  }
  const double scale = static_cast<double>(state.range(1)) / 100;
  while (editor.canvas->scale() < scale) editor.window.zoomIn();
  editor.window.findChild<QToolButton*>(tool)->click();
  editor.mouse(QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton, Qt::LeftButton);
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    editor.mouse(QEvent::MouseMove, {flip ? 500.0 : 500.0 + scale, 450}, Qt::NoButton, Qt::LeftButton);
    QApplication::processEvents();  // paints the changed part
  }
  // Back to the press point before letting go: too small to become an area.
  editor.mouse(QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::LeftButton);
  editor.mouse(QEvent::MouseButtonRelease, {300, 300}, Qt::LeftButton, Qt::NoButton);
  editor.window.showActualSize();
}

// 10,000 rectangles, circles and polygons side by side, none overlapping.
void hitTest(benchmark::State& state, bool inLastArea) {
  EditorOnPicture& editor = editorFor(999);  // a window of its own
  if (editor.window.map().areas.empty()) {
    for (int i = 0; i < 10000; ++i) {
      const Point cell{(i % 100) * 30, (i / 100) * 30};
      const auto at = [&cell](int dx, int dy) { return Point{cell.x + dx, cell.y + dy}; };
      switch (i % 3) {
        case 0: editor.window.document().addReadArea({Shape::rectangle, {cell, at(25, 25)}, 0, {}}); break;
        case 1: editor.window.document().addReadArea({Shape::circle, {at(12, 12)}, 12.5f, {}}); break;
        default:
          editor.window.document().addReadArea(
              {Shape::polygon, {cell, at(25, 3), at(20, 25), at(3, 20), at(12, 10)}, 0, {}});
      }
    }
  }
  const QPointF point = inLastArea ? QPointF(99 * 30 + 12, 99 * 30 + 12) : QPointF(99 * 30 + 28, 99 * 30 + 28);
  for (auto _ : state) benchmark::DoNotOptimize(editor.window.areaAt(point));
}

std::size_t heapInUse() { return mallinfo2().uordblks; }

// One of the areas of the history benchmark's map: rectangles, circles and
// six-sided polygons in a grid, each with a link, a target and a text.
Area gridArea(int i) {
  const Point cell{(i % 32) * 31, (i / 32) * 31};
  const auto at = [&cell](int dx, int dy) { return Point{cell.x + dx, cell.y + dy}; };
  Attributes attributes{"https://www.example.com/harbour/section-" + std::to_string(i) + ".html",
                        "_blank",
                        "Harbour section " + std::to_string(i) + " of the map",
                        {}};
  switch (i % 3) {
    case 0: return {Shape::rectangle, {cell, at(25, 25)}, 0, attributes};
    case 1: return {Shape::circle, {at(12, 12)}, 12, attributes};
    default: return {Shape::polygon, {cell, at(20, 2), at(25, 12), at(20, 25), at(5, 25), at(2, 12)}, 0, attributes};
  }
}

// 1,000 changes of every kind (move, edit, delete, draw, and at the end the
// map emptied by a save) on a map of 1,000 areas, then every one undone and
// redone. Reports the heap the history holds, beside the map's own.
void undoHistory(benchmark::State& state) {
  constexpr int areas = 1000;
  constexpr PictureSize picture{1000, 1000};
  for (auto _ : state) {
    PictureCanvas canvas(nullptr);
    const QImage pixels(picture.width, picture.height, QImage::Format_RGB32);  // shared, not copied
    canvas.setPicture(pixels);
    const std::size_t empty = heapInUse();
    MapDocument edited;
    AreaOverlay overlay(canvas, edited.map().areas);
    QObject::connect(&edited, &MapDocument::changing, [&overlay](const MapChange& change) { overlay.show(change); });
    edited.showPicture({"/pictures/harbour.jpg", picture.width, picture.height}, pixels);
    for (int i = 0; i < areas; ++i) edited.addReadArea(gridArea(i));
    const std::size_t mapOnly = heapInUse();
    for (std::size_t i = 0; i + 1 < areas; ++i) {
      const std::vector<Area>& now = edited.map().areas;
      const std::size_t index = (i * 7) % now.size();
      Area changed = now[index];
      switch (i % 4) {
        case 0: changed = moved(changed, {1, 1}, picture); break;
        case 1: changed.attributes.alt += " (edited)"; break;
        case 2: edited.remove(index); continue;
        default: edited.draw(gridArea(static_cast<int>(i))); continue;
      }
      edited.replace(index, std::move(changed), StepKind::edit);
    }
    edited.empty(false);
    state.counters["mapMB"] = static_cast<double>(mapOnly - empty) / 1e6;
    state.counters["historyMB"] = static_cast<double>(heapInUse() - mapOnly) / 1e6;
    while (edited.history().canUndo()) edited.history().undo();
    while (edited.history().canRedo()) edited.history().redo();
  }
}

// The whole of a 1,600 x 1,200 view painted: the picture with 1,000
// highlighted and outlined areas on it, each painted from its values.
void paintView(benchmark::State& state) {
  EditorOnPicture& editor = editorFor(1600);
  if (editor.window.map().areas.empty()) {
    for (int i = 0; i < 1000; ++i) editor.window.document().addReadArea(gridArea(i));
  }
  const QRect view(0, 0, 1600, 1200);
  for (auto _ : state) benchmark::DoNotOptimize(editor.canvas->grab(view));
}

// The area list over 10,000 areas: a row chosen far from the last one (the
// list scrolls to it, the picture marks the area and scrolls to it), with
// everything the change repaints.
void areaList(benchmark::State& state) {
  EditorOnPicture& editor = editorFor(998);
  if (editor.window.map().areas.empty()) {
    for (int i = 0; i < 10000; ++i) editor.window.document().addReadArea(gridArea(i % 1000));
    editor.window.toggleAreaList();
    QApplication::processEvents();
  }
  std::size_t row = 0;
  for (auto _ : state) {
    row = (row + 4999) % 10000;
    editor.window.document().select(row);
    QApplication::processEvents();
  }
}

}  // namespace

void closeEditorBenchmarks() { editors().clear(); }

void registerEditorBenchmarks() {
  for (const auto& [name, tool] :
       {std::pair{"rubberBandRectangle", "rectangleTool"}, std::pair{"rubberBandCircle", "circleTool"}}) {
    benchmark::RegisterBenchmark(name, rubberBand, tool)
        ->ArgNames({"side", "zoom"})
        ->Args({1000, 100})
        ->Args({8000, 100})
        ->Args({8000, 800})
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("undoHistory/1000", undoHistory)->Iterations(1)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("areaAt/10000/lastArea", hitTest, true)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("areaAt/10000/noArea", hitTest, false)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("paintView/1600x1200/1000", paintView)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("areaList/10000/select", areaList)->Unit(benchmark::kMillisecond);
}

}  // namespace ornix::bench
