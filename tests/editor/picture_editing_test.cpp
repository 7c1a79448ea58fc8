// The picture as a user edits it with the mouse and the keys: drawing each
// shape, selecting, moving and reshaping, undo and redo, zoom.
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
#include "support/window_keys.h"

namespace ornix {
namespace {

class EditingTest : public test::EditorOnPicture {
 protected:
  std::size_t dialogsShown() const { return ui.dialogsShown.size(); }
  void controlDrag(QPointF from, QPointF to) {
    mouse.keys = Qt::ControlModifier;
    mouse.drag(from, to);
    mouse.keys = Qt::NoModifier;
  }
  void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { test::pressKey(window, key, modifiers); }
  // Which of the editing entries the File menu enables, in menu order.
  std::vector<bool> editingEntries() {
    window.showFileMenu();
    const std::map<std::string, bool>& shown = ui.menusShown.back();
    std::vector<bool> enabled;
    for (const Command command :
         {Command::undo, Command::redo, Command::zoomIn, Command::zoomOut, Command::actualSize}) {
      enabled.push_back(shown.at(window.commands().action(command, Place::fileMenu)->text().toStdString()));
    }
    return enabled;
  }
};

using DrawingTest = EditingTest;

Area rectangle(int x1, int y1, int x2, int y2) { return {Shape::rectangle, {{x1, y1}, {x2, y2}}, 0, {}}; }

// A box under 70 square pixels, a circle under radius 7 and a polygon that
// encloses no pixel leave no trace; at the limit they make an area, followed
// by the 200 ms pause.
TEST_F(DrawingTest, ShapesBelowTheirSmallestSizeLeaveNoTrace) {
  const QImage before = mouse.pixels().copy();
  mouse.drag({20, 20}, {27, 29});  // 7 x 9
  useTool("circleTool");
  mouse.drag({100, 100}, {106.9, 100});
  mouse.click({150.4, 100.4});  // a click without a drag is radius 0
  useTool("polygonTool");
  clickAll({{50, 50}, {50, 50}, {50, 50}, {51, 51}});
  clickAll({{10, 150}, {60, 150}, {90, 150}, {12, 151}});
  EXPECT_TRUE(areas().empty());
  EXPECT_EQ(mouse.pixels(), before);
  EXPECT_TRUE(ui.pauses.empty());
  useTool("circleTool");
  mouse.drag({100, 100}, {107, 100});
  useTool("rectangleTool");
  mouse.drag({20, 20}, {27, 30});  // 7 x 10
  EXPECT_EQ(areas(), (std::vector<Area>{{Shape::circle, {{100, 100}}, 7, {}}, rectangle(20, 20, 27, 30)}));
  EXPECT_EQ(ui.pauses, (std::vector<int>{200, 200}));
  EXPECT_TRUE(window.findChild<QToolButton*>("clipboardButton")->isEnabled());
}

// A rectangle keeps its press point first; its left and top edges are in,
// its right and bottom edges out. Where a polygon crosses itself, the overlap is out.
TEST_F(DrawingTest, RegionsFollowTheirShapes) {
  mouse.drag({120, 80}, {20, 10});
  ASSERT_EQ(areas(), std::vector<Area>{rectangle(120, 80, 20, 10)});
  useTool("polygonTool");
  clickAll({{200, 20}, {230, 120}, {150, 55}, {250, 55}, {170, 120}, {202, 22}});
  ASSERT_EQ(areas().size(), 2u);
  ui.answerWith("cancelButton");
  clickAll({{20, 10}, {120, 40}, {200, 75}});  // left edge in; right edge out; the star's middle out
  EXPECT_EQ(dialogsShown(), 1u);
  window.document().addReadArea(rectangle(100, 40, 140, 90));  // over the first one's corner
  EXPECT_EQ(window.areaAt(QPointF(110, 60)), 0u) << "where areas overlap, the first in the map is hit";
  EXPECT_EQ(window.areaAt(QPointF(130, 60)), 2u);
}

// The last of the 256 clicks is never a vertex: the click after 255 closes.
TEST_F(DrawingTest, APolygonClosesWithinTenPixelsOfItsFirstVertexOrAfter255) {
  useTool("polygonTool");
  clickAll({{50, 50}, {52, 53}, {150, 60}});  // two vertices never close, even next to the first
  useTool("rectangleTool");                   // switching tools keeps the unfinished polygon
  useTool("polygonTool");
  clickAll({{60, 60}});  // ten pixels away: a fourth vertex
  EXPECT_TRUE(areas().empty());
  clickAll({{59, 59}});  // nine pixels away: closes
  EXPECT_EQ(areas(), (std::vector<Area>{{Shape::polygon, {{50, 50}, {52, 53}, {150, 60}, {60, 60}}, 0, {}}}));
  window.document().empty(false);
  for (int i = 0; i < 256; ++i) mouse.click({20.0 + (i % 26) * 10, 20.0 + (i / 26) * 15});
  ASSERT_EQ(areas().size(), 1u);
  EXPECT_EQ(areas()[0].points.size(), 255u);
}

// A press inside an area draws nothing, whatever tool is chosen: its release
// selects the area, or, outside every area, says so. A double click comes as
// press, release, double click, release: inside an area both clicks select;
// outside, it places one vertex, not two.
TEST_F(DrawingTest, APressInsideAnAreaDrawsNothingAndItsReleaseSelects) {
  const auto doubleClick = [this](QPointF at) {
    mouse.click(at);
    mouse.send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    mouse.release(at);
  };
  mouse.drag({10, 10}, {100, 100});
  useTool("polygonTool");
  const QImage before = mouse.pixels().copy();
  for (const char* answer : {"cancelButton", "cancelButton", "cancelButton", "okButton"}) ui.answerWith(answer);
  mouse.click({50, 50});
  doubleClick({50, 50});
  mouse.press({50, 50});
  mouse.move({200, 150});
  mouse.release({200, 150});  // begun inside an area, ended outside every area
  const std::string attributes = "Add a URL and/or TARGET, or DELETE area.";
  EXPECT_EQ(ui.dialogsShown, (std::vector<std::string>{attributes, attributes, attributes, "Cannot Map Selection"}));
  EXPECT_EQ(mouse.pixels(), before);
  doubleClick({200, 20});
  clickAll({{240, 20}, {240, 60}, {201, 21}});  // no vertex was placed by the presses inside
  EXPECT_EQ(areas().back().points.size(), 3u);
}

// After any run of undo and redo, the picture and the map are those of the
// state reached, whichever kind of change led there; each change is named.
TEST_F(EditingTest, UndoAndRedoBringBackEveryPixelOfEachState) {
  window.document().holdSourcePage(std::make_shared<SplitPage>());
  ui.dialogScripts.push_back([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("hrefEdit")->setText("a.html");
    test::clickButton(dialog, "enterButton");
  });
  ui.answerWith("deleteButton");
  std::vector<std::pair<QImage, ImageMap>> states;
  const auto record = [&] { states.emplace_back(mouse.pixels().copy(), window.map()); };
  record();
  mouse.drag({20, 20}, {60, 50});
  record();
  useTool("circleTool");
  mouse.drag({150, 100}, {170, 100});
  record();
  mouse.click({30, 30});  // the rectangle edited
  record();
  controlDrag({150, 110}, {100, 150});  // the circle moved
  record();
  controlDrag({60, 50}, {80, 90});  // the rectangle reshaped
  record();
  mouse.click({100, 150});  // the circle deleted
  record();
  window.document().empty(true);  // emptied by a save
  record();
  ASSERT_EQ(states[6].second.areas.size(), 1u);
  QStringList named;  // the history, as the Areas window lists it
  for (int k = 0; k < window.document().history().count(); ++k) named << window.document().history().text(k);
  EXPECT_EQ(named, (QStringList{"Draw rectangle", "Draw circle", "Edit area 1", "Move area 2", "Move area 1",
                                "Delete area 2", "Save empties the map"}));
  const auto expectState = [&](std::size_t k) {
    EXPECT_TRUE(mouse.pixels() == states[k].first) << "state " << k;
    EXPECT_EQ(window.map(), states[k].second) << "state " << k;
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
}

// Ctrl and a drag from inside an area moves it; from within 4 pixels of a
// corner, a vertex or a rim it reshapes it. Every point stays on the
// picture, a shape too small to draw is not kept, and the moved area keeps
// its attributes, its place and its look.
TEST_F(EditingTest, ControlAndADragMoveOrReshapeEachShape) {
  const std::vector<Area> original = {test::door, test::tower, test::roof};
  readAreas(original);
  const QImage originalPixels = mouse.pixels().copy();
  const auto changed = [](Area area, std::vector<Point> points, float radius = 0) {
    area.points = std::move(points);
    if (radius > 0) area.radius = radius;
    return area;
  };
  const std::vector<std::tuple<QPointF, QPointF, std::size_t, Area>> cases = {
      {{40, 35}, {50, 45}, 0, changed(test::door, {{30, 30}, {70, 60}})},
      {{40, 35}, {0, 0}, 0, changed(test::door, {{0, 0}, {40, 30}})},  // stops at the edges
      {{150, 110}, {400, 110}, 1, changed(test::tower, {{299, 100}})},
      {{240, 40}, {240, 300}, 2, changed(test::roof, {{200, 129}, {280, 139}, {240, 199}})},
      {{62, 52}, {90, 80}, 0, changed(test::door, {{20, 20}, {90, 80}})},  // a corner, from 2 pixels off
      {{20, 50}, {10, 70}, 0, changed(test::door, {{10, 20}, {60, 70}})},
      {{60, 50}, {500, 500}, 0, changed(test::door, {{20, 20}, {299, 199}})},
      {{60, 50}, {25, 25}, 0, test::door},  // 5 x 5: too small, back to its shape
      {{173, 100}, {180, 100}, 1, changed(test::tower, {{150, 100}}, 30)},
      {{170, 100}, {153, 100}, 1, test::tower},  // radius 3
      {{280, 30}, {290, 10}, 2, changed(test::roof, {{200, 20}, {290, 10}, {240, 90}})},
  };
  for (const auto& [from, to, index, expected] : cases) {
    controlDrag(from, to);
    std::vector<Area> areas = original;
    areas[index] = expected;
    EXPECT_EQ(window.map().areas, areas) << from.x() << "," << from.y();
    test::FakeUi expectedUi;
    EditorWindow expectedWindow(expectedUi);
    expectedWindow.document().showPicture({"/pictures/picture.bmp", 300, 200}, test::patternedPicture(300, 200));
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
  readAreas({test::door, test::tower});
  key(Qt::Key_Left);  // nothing selected yet
  EXPECT_EQ(window.map().areas[0], test::door);
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

// Zoom shows the picture scaled in the same window: the scroll bars cover
// it, and the keys keep the picture point at the view's top-left corner.
TEST_F(EditingTest, ZoomKeepsTheWindowAndTheViewsCorner) {
  window.document().showPicture({"/pictures/large.bmp", 1200, 900}, test::patternedPicture(1200, 900));
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
