#include <gtest/gtest.h>

#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>

#include "editor/editor_window.h"
#include "editor/picture_canvas.h"
#include "model/map_writer.h"
#include "support/editor_on_picture.h"
#include "support/fake_ui.h"
#include "support/picture_mouse.h"
#include "support/printers.h"

namespace ornix {
namespace {

const Area firstRectangle{Shape::rectangle, {{20, 20}, {60, 50}}, 0, {"a.html", "", "Door", {}}};
const Area firstCircle{Shape::circle, {{150, 100}}, 20, {"b.html", "_top", "", {}}};
const Area firstPolygon{Shape::polygon, {{200, 20}, {280, 30}, {240, 90}}, 0, {}};

class EditingTest : public test::EditorOnPicture {
 protected:
  void controlDrag(QPointF from, QPointF to) {
    mouse.keys = Qt::ControlModifier;
    mouse.drag(from, to);
    mouse.keys = Qt::NoModifier;
  }
  void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { window.handleKey(key, modifiers); }
  // Which of the editing entries the File menu enables, in menu order.
  std::vector<bool> editingEntries() {
    window.showFileMenu();
    const std::map<std::string, bool>& shown = ui.menusShown.back();
    std::vector<bool> enabled;
    for (const char* entry :
         {"Undo\tCtrl+Z", "Redo\tCtrl+Y", "Zoom In\tCtrl+=", "Zoom Out\tCtrl+-", "Actual Size\tCtrl+0"}) {
      enabled.push_back(shown.at(entry));
    }
    return enabled;
  }
};

// What a state of the map looks like: every pixel of the picture, the map and
// the block it writes.
struct Shown {
  QImage pixels;
  ImageMap map;
  std::string block;
};

// After any run of undo and redo, the picture and the written map are those
// of the state reached, whichever kind of change led there.
TEST_F(EditingTest, UndoAndRedoBringBackEveryPixelAndByteOfEachState) {
  window.document().holdSourcePage(std::make_shared<SplitPage>());
  std::vector<Shown> states;
  const auto record = [&] { states.push_back({mouse.pixels().copy(), window.map(), writeMapBlock(window.map(), "")}); };
  record();
  mouse.drag({20, 20}, {60, 50});  // drawn
  record();
  useTool("circleTool");
  mouse.drag({150, 100}, {170, 100});
  record();
  ui.dialogScripts.push_back([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("hrefEdit")->setText("a.html");
    test::clickButton(dialog, "enterButton");
  });
  mouse.click({30, 30});  // edited
  record();
  controlDrag({150, 110}, {100, 150});  // moved
  record();
  controlDrag({60, 50}, {80, 90});  // reshaped
  record();
  ui.answerWith("deleteButton");
  mouse.click({100, 150});  // deleted
  record();
  window.document().empty(true);  // emptied by a save
  record();
  ASSERT_EQ(states[6].map.areas.size(), 1u);

  const auto expectState = [&](std::size_t k) {
    EXPECT_TRUE(mouse.pixels() == states[k].pixels) << "state " << k;
    EXPECT_EQ(window.map(), states[k].map) << "state " << k;
    EXPECT_EQ(writeMapBlock(window.map(), ""), states[k].block) << "state " << k;
  };
  EXPECT_EQ(editingEntries(), (std::vector<bool>{true, false, true, true, false}));
  for (std::size_t k = states.size() - 1; k > 0; --k) {
    key(Qt::Key_Z, Qt::ControlModifier);
    expectState(k - 1);
  }
  EXPECT_EQ(editingEntries(), (std::vector<bool>{false, true, true, true, false}));
  key(Qt::Key_Z, Qt::ControlModifier);  // nothing left to undo
  expectState(0);
  for (std::size_t k = 1; k < states.size(); ++k) {
    key(k % 2 ? Qt::Key_Y : Qt::Key_Z, k % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    expectState(k);
  }
  // A new change after an undo leaves nothing to redo.
  window.undo();
  window.undo();
  mouse.drag({200, 20}, {250, 60});
  EXPECT_EQ(editingEntries(), (std::vector<bool>{true, false, true, true, false}));
  const ImageMap drawn = window.map();
  window.redo();
  EXPECT_EQ(window.map(), drawn);
}

// Ctrl and a drag from inside an area moves it; from within 4 pixels of a
// corner, a vertex or a rim it reshapes it. Every point stays on the
// picture, a shape too small to draw is not kept, and the moved area keeps
// its attributes, its place and its look.
TEST_F(EditingTest, ControlAndADragMoveOrReshapeEachShape) {
  const std::vector<Area> original = {firstRectangle, firstCircle, firstPolygon};
  readAreas(original);
  const QImage originalPixels = mouse.pixels().copy();
  const auto changed = [](Area area, std::vector<Point> points, float radius = 0) {
    area.points = std::move(points);
    if (radius > 0) area.radius = radius;
    return area;
  };
  const std::vector<std::tuple<QPointF, QPointF, std::size_t, Area>> cases = {
      {{40, 35}, {50, 45}, 0, changed(firstRectangle, {{30, 30}, {70, 60}})},
      {{40, 35}, {0, 0}, 0, changed(firstRectangle, {{0, 0}, {40, 30}})},  // stops at the edges
      {{150, 110}, {400, 110}, 1, changed(firstCircle, {{299, 100}})},
      {{240, 40}, {240, 300}, 2, changed(firstPolygon, {{200, 129}, {280, 139}, {240, 199}})},
      {{62, 52}, {90, 80}, 0, changed(firstRectangle, {{20, 20}, {90, 80}})},  // a corner, from 2 pixels off
      {{20, 50}, {10, 70}, 0, changed(firstRectangle, {{10, 20}, {60, 70}})},
      {{60, 50}, {500, 500}, 0, changed(firstRectangle, {{20, 20}, {299, 199}})},
      {{60, 50}, {25, 25}, 0, firstRectangle},  // 5 x 5: too small, back to its shape
      {{173, 100}, {180, 100}, 1, changed(firstCircle, {{150, 100}}, 30)},
      {{170, 100}, {153, 100}, 1, firstCircle},  // radius 3
      {{280, 30}, {290, 10}, 2, changed(firstPolygon, {{200, 20}, {290, 10}, {240, 90}})},
  };
  for (const auto& [from, to, index, expected] : cases) {
    controlDrag(from, to);
    std::vector<Area> areas = original;
    areas[index] = expected;
    EXPECT_EQ(window.map().areas, areas) << from.x() << "," << from.y();
    test::FakeUi expectedUi;
    EditorWindow expectedWindow(expectedUi);
    expectedWindow.showPicture({"/pictures/picture.bmp", 300, 200}, test::patternedPicture(300, 200));
    for (const Area& area : areas) expectedWindow.document().addReadArea(area);
    EXPECT_TRUE(mouse.pixels() == test::PictureMouse(expectedWindow).pixels()) << from.x() << "," << from.y();
    if (expected != original[index]) window.undo();
    ASSERT_TRUE(mouse.pixels() == originalPixels);
  }
  EXPECT_TRUE(ui.dialogsShown.empty());
}

// The arrows nudge the selected area (the one last moved, reshaped or drawn):
// a pixel, or ten with Shift; a run of nudges of one area is one step.
TEST_F(EditingTest, TheArrowKeysNudgeTheSelectedAreaAsOneStep) {
  readAreas({firstRectangle, firstCircle});
  key(Qt::Key_Left);  // nothing selected yet
  EXPECT_EQ(window.map().areas[0], firstRectangle);
  controlDrag({150, 110}, {151, 110});
  key(Qt::Key_Right);
  key(Qt::Key_Down, Qt::ShiftModifier);
  key(Qt::Key_Up);
  EXPECT_EQ(window.map().areas[1].points, (std::vector<Point>{{152, 109}}));
  window.undo();
  EXPECT_EQ(window.map().areas[1].points, (std::vector<Point>{{151, 100}}));
  window.document().select(0);
  key(Qt::Key_Left);
  window.document().select(1);
  key(Qt::Key_Left);
  EXPECT_EQ(window.document().history().count(), 3) << "nudges of another area are a step of their own";
}

// With Ctrl held, the pointer shows what a press would do.
TEST_F(EditingTest, WithControlThePointerShowsAMoveOrAResize) {
  readAreas({firstRectangle, firstCircle});
  const std::vector<std::tuple<QPointF, Qt::KeyboardModifiers, Qt::CursorShape>> cases = {
      {{40, 35}, Qt::ControlModifier, Qt::SizeAllCursor},   {{60, 50}, Qt::ControlModifier, Qt::SizeFDiagCursor},
      {{60, 20}, Qt::ControlModifier, Qt::SizeBDiagCursor}, {{150, 120}, Qt::ControlModifier, Qt::SizeFDiagCursor},
      {{100, 150}, Qt::ControlModifier, Qt::CrossCursor},   {{40, 35}, Qt::NoModifier, Qt::CrossCursor},
  };
  for (const auto& [at, keys, shape] : cases) {
    mouse.keys = keys;
    mouse.move(at, Qt::NoButton);
    EXPECT_EQ(mouse.canvas->cursor().shape(), shape) << at.x() << "," << at.y();
  }
}

// At every zoom a pointer position is the picture pixel under it, wherever
// in that pixel it lies, so drawing writes what it writes at 100% and
// changes the same pixels.
TEST_F(EditingTest, DrawingWhileZoomedWritesTheSameCoordinates) {
  const auto drawAll = [this](double inPixel) {
    const auto at = [inPixel](double x, double y) { return QPointF(x + inPixel, y + inPixel); };
    useTool("rectangleTool");
    mouse.drag(at(20, 20), at(60, 50));
    useTool("circleTool");
    mouse.drag(at(150, 100), at(170, 100));
    useTool("polygonTool");
    for (const QPointF vertex : {at(200, 20), at(280, 30), at(240, 90), at(201, 21)}) mouse.click(vertex);
  };
  drawAll(0);
  const std::vector<Area> atActualSize = window.map().areas;
  const QImage pixels = mouse.pixels().copy();
  for (const int zoomIns : {1, 3, -1, -2}) {
    window.showActualSize();
    window.document().empty(false);
    for (int k = 0; k < std::abs(zoomIns); ++k) zoomIns > 0 ? window.zoomIn() : window.zoomOut();
    drawAll(0.75);
    EXPECT_EQ(window.map().areas, atActualSize) << mouse.canvas->scale();
    EXPECT_TRUE(mouse.pixels() == pixels) << mouse.canvas->scale();
  }
  EXPECT_EQ(mouse.canvas->scale(), 0.25);
  EXPECT_EQ(editingEntries(), (std::vector<bool>{true, false, true, false, true}));
}

// Zoom shows the picture scaled in the same window: the scroll bars cover
// it, and the keys keep the picture point at the view's top-left corner.
TEST_F(EditingTest, ZoomKeepsTheWindowAndTheViewsCorner) {
  window.showPicture({"/pictures/large.bmp", 1200, 900}, test::patternedPicture(1200, 900));
  auto* across = window.findChild<QScrollBar*>("horizontalScroll");
  auto* down = window.findChild<QScrollBar*>("verticalScroll");
  const QSize size = window.size();
  const int viewWidth = across->maximum() == 0 ? 0 : 1200 - across->maximum();
  across->setValue(100);
  down->setValue(50);
  key(Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_EQ(mouse.canvas->scale(), 2.0);
  EXPECT_EQ(std::pair(across->value(), down->value()), std::pair(200, 100));
  EXPECT_EQ(across->maximum(), 2400 - viewWidth);
  EXPECT_EQ(mouse.canvas->pos(), QPoint(36 - 200, -100));
  key(Qt::Key_Plus, Qt::ControlModifier);
  key(Qt::Key_Minus, Qt::ControlModifier);
  key(Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(std::pair(across->value(), down->value()), std::pair(100, 50));
  key(Qt::Key_Equal, Qt::ControlModifier);
  key(Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(mouse.canvas->scale(), 1.0);
  EXPECT_EQ(window.size(), size);
  EXPECT_EQ(editingEntries(), (std::vector<bool>{false, false, true, true, false}));
}

}  // namespace
}  // namespace ornix
