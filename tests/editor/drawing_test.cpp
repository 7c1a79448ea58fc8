#include <gtest/gtest.h>

#include <QLineEdit>
#include <QToolButton>

#include "editor/editor_window.h"
#include "editor/picture_canvas.h"
#include "editor/picture_gestures.h"
#include "support/editor_on_picture.h"
#include "support/fake_ui.h"
#include "support/picture_mouse.h"
#include "support/printers.h"

namespace ornix {
namespace {

class DrawingTest : public test::EditorOnPicture {
 protected:
  std::size_t dialogsShown() const { return ui.dialogsShown.size(); }
};

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

TEST_F(DrawingTest, APolygonClosesWithinTenPixelsOfItsFirstVertex) {
  useTool("polygonTool");
  clickAll({{50, 50}, {52, 53}, {150, 60}});  // two vertices never close, even next to the first
  useTool("rectangleTool");                   // switching tools keeps the unfinished polygon
  useTool("polygonTool");
  clickAll({{60, 60}});  // ten pixels away: a fourth vertex
  EXPECT_TRUE(areas().empty());
  clickAll({{59, 59}});  // nine pixels away: closes
  EXPECT_EQ(areas(), (std::vector<Area>{{Shape::polygon, {{50, 50}, {52, 53}, {150, 60}, {60, 60}}, 0, {}}}));
}

// The last of the 256 clicks is never a vertex: the click after 255 closes.
TEST_F(DrawingTest, APolygonOf255VerticesClosesOnTheNextClick) {
  useTool("polygonTool");
  for (int i = 0; i < 255; ++i) mouse.click({20.0 + (i % 26) * 10, 20.0 + (i / 26) * 15});
  EXPECT_TRUE(areas().empty());
  mouse.click({290, 190});
  ASSERT_EQ(areas().size(), 1u);
  EXPECT_EQ(areas()[0].points.size(), 255u);
}

TEST_F(DrawingTest, APressInsideAnAreaDrawsNothingAndItsReleaseSelects) {
  mouse.drag({10, 10}, {100, 100});
  useTool("polygonTool");
  const QImage before = mouse.pixels().copy();
  ui.answerWith("cancelButton");
  mouse.click({50, 50});
  EXPECT_EQ(ui.dialogsShown, std::vector<std::string>{"Add a URL and/or TARGET, or DELETE area."});
  ui.answerWith("okButton");
  mouse.press({50, 50});
  mouse.move({200, 150});
  mouse.release({200, 150});  // begun inside an area, ended outside every area
  EXPECT_EQ(ui.dialogsShown.back(), "Cannot Map Selection");
  EXPECT_EQ(mouse.pixels(), before);
  clickAll({{200, 20}, {240, 20}, {240, 60}, {201, 21}});  // no vertex was placed by those presses
  EXPECT_EQ(areas().back().points.size(), 3u);
}

// The real sequence of a double click: press, release, double click, release.
TEST_F(DrawingTest, TheSecondClickOfADoubleClickSelectsAndDrawsNothing) {
  const auto doubleClick = [this](QPointF at) {
    mouse.click(at);
    mouse.send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    mouse.release(at);
  };
  mouse.drag({10, 10}, {100, 100});
  const QImage before = mouse.pixels().copy();
  ui.answerWith("cancelButton");
  ui.answerWith("cancelButton");
  doubleClick({50, 50});
  EXPECT_EQ(dialogsShown(), 2u);
  EXPECT_EQ(mouse.pixels(), before);
  useTool("polygonTool");  // outside the area, a double click places one vertex, not two
  doubleClick({200, 150});
  clickAll({{250, 150}, {250, 190}, {201, 151}});
  EXPECT_EQ(areas().back().points.size(), 3u);
}

TEST_F(DrawingTest, DeletingTheMiddleAreaRestoresItsPixelsAndKeepsTheOthersInOrder) {
  mouse.drag({10, 10}, {60, 60});
  const QImage withFirst = mouse.pixels().copy();
  useTool("circleTool");
  mouse.drag({150, 100}, {170.5, 100});
  useTool("polygonTool");
  clickAll({{200, 20}, {280, 30}, {240, 90}, {201, 21}});
  const std::vector<Area> before = areas();
  ui.answerWith("deleteButton");
  mouse.click({150, 100});
  EXPECT_EQ(areas(), (std::vector<Area>{before[0], before[2]}));
  ui.answerWith("deleteButton");
  mouse.click({240, 40});
  EXPECT_EQ(mouse.pixels(), withFirst);
  mouse.click({150, 100});  // nothing there any more: no dialog
  EXPECT_EQ(dialogsShown(), 2u);
}

TEST_F(DrawingTest, AnEditRewritesTheAttributesInPlace) {
  mouse.drag({10, 10}, {60, 60});
  mouse.drag({100, 10}, {160, 60});
  const QImage before = mouse.pixels().copy();
  ui.dialogScripts.push_back([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("hrefEdit")->setText("a.html");
    dialog.findChild<QLineEdit*>("altEdit")->setText("First");
    test::clickButton(dialog, "enterButton");
  });
  mouse.click({30, 30});
  EXPECT_EQ(areaTag(areas()[0]), R"(<AREA SHAPE="rect" COORDS="10, 10, 60, 60" HREF="a.html" ALT="First">)");
  EXPECT_EQ(areas()[1], rectangle(100, 10, 160, 60));
  EXPECT_EQ(mouse.pixels(), before);
}

// The gestures around a picture with no areas, recording the areas drawn.
class RecordingHost final : public GestureHost {
 public:
  const ImageMap& map() const override { return picture; }
  std::optional<std::size_t> areaAt(QPointF) const override { return std::nullopt; }
  std::int32_t handleReach() const override { return 4; }
  void showFileMenu() override {}
  void editAreaAt(QPointF, bool) override {}
  void addDrawnArea(Area area, bool) override { drawn.push_back(std::move(area)); }
  void replaceArea(MovedArea) override {}
  void selectArea(std::size_t) override {}
  ImageMap picture{Picture{"/a.gif", 100, 100}, {}, nullptr};
  std::vector<Area> drawn;
};

// While the File menu is up, one press, its moves and its release draw nothing.
TEST(PictureGestures, WhileTheMenuIsPendingOneDragDrawsNothing) {
  PictureCanvas canvas(nullptr);
  QImage image(100, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  canvas.setPicture(image);
  RecordingHost host;
  PictureGestures gestures(canvas, host);
  const auto drag = [&gestures] {
    gestures.press(Qt::LeftButton, {10, 10});
    gestures.move(Qt::LeftButton, {60, 60});
    gestures.release(Qt::LeftButton, {60, 60});
  };
  gestures.setMenuPending(true);
  drag();
  EXPECT_TRUE(host.drawn.empty());
  EXPECT_EQ(canvas.image(), image);
  drag();
  EXPECT_EQ(host.drawn, std::vector<Area>{rectangle(10, 10, 60, 60)});
}

}  // namespace
}  // namespace ornix
