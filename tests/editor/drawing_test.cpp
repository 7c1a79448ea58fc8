#include <gtest/gtest.h>

#include <QImageWriter>
#include <algorithm>
#include <QMouseEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "editor/frm_map.h"
#include "editor/map_surface.h"
#include "support/fake_ui.h"
#include "support/image_bytes.h"
#include "support/picture_mouse.h"

namespace ornix {
namespace {

// Drives the real window with the mouse over a 300 x 200 picture.
class DrawingTest : public testing::Test {
 protected:
  void SetUp() override {
    QImage image(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y) {
      for (int x = 0; x < 300; ++x) image.setPixel(x, y, qRgb(x % 256, y, (x * y) % 256));
    }
    const std::string path = (dir.path / "picture.bmp").string();
    ASSERT_TRUE(QImageWriter(QString::fromStdString(path), "bmp").write(image));
    ASSERT_TRUE(window.document().imgSpecs(path));
    window.show();
  }

  void send(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
    mouse.send(type, at, button, held);
  }
  void press(QPointF at, Qt::MouseButton button = Qt::LeftButton) { mouse.press(at, button); }
  void move(QPointF at) { mouse.move(at); }
  void release(QPointF at, Qt::MouseButton button = Qt::LeftButton) { mouse.release(at, button); }
  void drag(QPointF from, QPointF to) { mouse.drag(from, to); }
  void click(QPointF at) { mouse.click(at); }
  void useTool(const char* button) { window.findChild<QToolButton*>(button)->click(); }
  const std::vector<std::string>& areas() { return window.document().areaList(); }

  test::TempDir dir;
  test::FakeUi ui;
  frmMap window{ui};
  test::PictureMouse mouse{window};
  MapSurface* mapee = mouse.surface;
};

// A box under 70 square pixels, a circle under radius 7 and a polygon that
// encloses no pixel leave no trace; at the limit they make an area, followed
// by the 200 ms pause.
TEST_F(DrawingTest, ShapesBelowTheirSmallestSizeLeaveNoTrace) {
  const QImage before = mapee->canvas().copy();
  drag({20, 20}, {27, 29});  // 7 x 9
  useTool("cmdCircle");
  drag({100, 100}, {106.9, 100});
  click({150, 100});  // a click without a drag is radius 0
  useTool("cmdPoly");
  for (const QPointF vertex : {QPointF(50, 50), QPointF(50, 50), QPointF(50, 50), QPointF(51, 51)}) click(vertex);
  for (const QPointF vertex : {QPointF(10, 150), QPointF(60, 150), QPointF(90, 150), QPointF(12, 151)}) click(vertex);
  EXPECT_TRUE(areas().empty());
  EXPECT_EQ(mapee->canvas(), before);
  EXPECT_TRUE(ui.pauses.empty());
  useTool("cmdCircle");
  drag({100, 100}, {107, 100});
  useTool("cmdSquare");
  drag({20, 20}, {27, 30});  // 7 x 10
  EXPECT_EQ(window.document().coordList(), (std::vector<std::string>{"100|100|7", "20|20|27|30"}));
  EXPECT_EQ(areas()[1], R"(<AREA SHAPE="rect" COORDS="20, 20, 27, 30" HREF=")");
  EXPECT_EQ(ui.pauses, (std::vector<int>{200, 200}));
  EXPECT_TRUE(window.findChild<QToolButton*>("cmdMake")->isEnabled());
}

TEST_F(DrawingTest, ARectangleDraggedUpAndLeftKeepsItsPressPointFirst) {
  drag({120, 80}, {20, 10});
  ASSERT_EQ(window.document().coordList(), std::vector<std::string>{"120|80|20|10"});
  ui.answerWith("picCancel");
  click({20, 10});  // the left and top edges are inside
  click({120, 40});  // the right edge is not
  EXPECT_EQ(ui.dialogsShown.size(), 1u);
}

TEST_F(DrawingTest, APolygonClosesWithinTenPixelsOfItsFirstVertex) {
  useTool("cmdPoly");
  click({50, 50});
  click({52, 53});  // two vertices never close, even next to the first
  click({150, 60});
  useTool("cmdSquare");  // switching tools keeps the unfinished polygon
  useTool("cmdPoly");
  click({60, 60});  // ten pixels away: a fourth vertex
  EXPECT_TRUE(areas().empty());
  click({59, 59});  // nine pixels away: closes
  EXPECT_EQ(window.document().coordList(), std::vector<std::string>{"50|50|52|53|150|60|60|60"});
  EXPECT_EQ(window.document().editorState().vertexCount, 0);
}

// The last of the 256 slots is never overrun: the click after 255 vertices closes.
TEST_F(DrawingTest, APolygonOf255VerticesClosesOnTheNextClick) {
  useTool("cmdPoly");
  for (int i = 0; i < 255; ++i) click({20.0 + (i % 26) * 10, 20.0 + (i / 26) * 15});
  EXPECT_TRUE(areas().empty());
  click({290, 190});
  ASSERT_EQ(areas().size(), 1u);
  EXPECT_EQ(window.document().coordList()[0].substr(0, 11), "20|20|30|20");
  EXPECT_EQ(std::count(window.document().coordList()[0].begin(), window.document().coordList()[0].end(), '|'), 509);
}

TEST_F(DrawingTest, ASelfCrossingPolygonLeavesItsOverlapOut) {
  useTool("cmdPoly");
  for (const QPointF vertex : {QPointF(100, 20), QPointF(130, 120), QPointF(50, 55), QPointF(150, 55),
                               QPointF(70, 120), QPointF(102, 22)}) {
    click(vertex);
  }
  ASSERT_EQ(areas().size(), 1u);
  click({100, 75});  // the star's middle: no dialog
  EXPECT_TRUE(ui.dialogsShown.empty());
}

TEST_F(DrawingTest, APressInsideAnAreaDrawsNothingAndItsReleaseSelects) {
  drag({10, 10}, {100, 100});
  useTool("cmdPoly");
  const QImage before = mapee->canvas().copy();
  ui.answerWith("picCancel");
  click({50, 50});
  EXPECT_EQ(mapee->canvas(), before);
  EXPECT_EQ(window.document().editorState().vertexCount, 0);
  EXPECT_EQ(ui.dialogsShown, std::vector<std::string>{"Add a URL and/or TARGET, or DELETE area."});

  ui.answerWith("cmdOK");
  press({50, 50});
  move({200, 150});
  release({200, 150});  // begun inside an area, ended outside every area
  EXPECT_EQ(ui.dialogsShown.back(), "Cannot Map Selection");
  EXPECT_EQ(areas().size(), 1u);
  EXPECT_EQ(mapee->canvas(), before);
}

TEST_F(DrawingTest, AfterThePopupMenuOnePressMoveAndReleaseAreIgnored) {
  release({50, 50}, Qt::RightButton);
  ASSERT_EQ(ui.menusShown.size(), 1u);
  window.document().editorState().popupPending = true;  // as while the menu is up
  const QImage before = mapee->canvas().copy();
  drag({20, 20}, {120, 120});
  EXPECT_TRUE(areas().empty());
  EXPECT_EQ(mapee->canvas(), before);
  EXPECT_FALSE(window.document().editorState().popupPending);
}

// The real sequence of a double click: press, release, double click, release.
TEST_F(DrawingTest, TheSecondClickOfADoubleClickSelectsAndDrawsNothing) {
  drag({10, 10}, {100, 100});
  const QImage before = mapee->canvas().copy();
  ui.answerWith("picCancel");
  ui.answerWith("picCancel");
  press({50, 50});
  release({50, 50});
  send(QEvent::MouseButtonDblClick, {50, 50}, Qt::LeftButton, Qt::LeftButton);
  release({50, 50});
  EXPECT_EQ(ui.dialogsShown.size(), 2u);
  EXPECT_EQ(areas().size(), 1u);
  EXPECT_EQ(mapee->canvas(), before);

  useTool("cmdPoly");  // outside the area, a double click places one vertex, not two
  press({200, 150});
  release({200, 150});
  send(QEvent::MouseButtonDblClick, {200, 150}, Qt::LeftButton, Qt::LeftButton);
  release({200, 150});
  EXPECT_EQ(window.document().editorState().vertexCount, 1);
}

TEST_F(DrawingTest, DeletingTheMiddleAreaRestoresItsPixelsAndKeepsTheOthersInOrder) {
  drag({10, 10}, {60, 60});
  const QImage withFirst = mapee->canvas().copy();
  useTool("cmdCircle");
  drag({150, 100}, {170.5, 100});
  useTool("cmdPoly");
  for (const QPointF vertex : {QPointF(200, 20), QPointF(280, 30), QPointF(240, 90), QPointF(201, 21)}) click(vertex);
  const std::vector<std::string> before = areas();
  const std::vector<std::int32_t> regions = window.document().regionList();

  ui.answerWith("picDelete");
  click({150, 100});
  EXPECT_EQ(areas(), (std::vector<std::string>{before[0], before[2]}));
  EXPECT_EQ(window.document().regionList(), (std::vector<std::int32_t>{regions[0], regions[2]}));
  ui.answerWith("picDelete");
  click({240, 40});
  EXPECT_EQ(mapee->canvas(), withFirst);
  click({150, 100});  // nothing there any more: no dialog
  EXPECT_EQ(ui.dialogsShown.size(), 2u);
}

TEST_F(DrawingTest, AnEditRewritesTheAttributesInPlace) {
  drag({10, 10}, {60, 60});
  drag({100, 10}, {160, 60});
  const std::vector<std::int32_t> regions = window.document().regionList();
  ui.dialogScripts.push_back([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("txtHREF")->setText("a.html");
    dialog.findChild<QLineEdit*>("txtAlt")->setText("First");
    test::clickButton(dialog, "picEnter");
  });
  click({30, 30});
  EXPECT_EQ(areas()[0], R"(<AREA SHAPE="rect" COORDS="10, 10, 60, 60" HREF="a.html" ALT="First)");
  EXPECT_EQ(window.document().hrefList()[0], "a.html");
  EXPECT_EQ(window.document().targetList()[0], "");
  EXPECT_EQ(window.document().regionList(), regions);
  EXPECT_EQ(window.document().coordList()[0], "10|10|60|60");
}

}  // namespace
}  // namespace ornix
