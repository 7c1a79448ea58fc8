#include <gtest/gtest.h>

#include <QImageWriter>
#include <cmath>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "editor/frm_map.h"
#include "editor/map_surface.h"
#include "model/area_text.h"
#include "support/fake_ui.h"
#include "support/image_bytes.h"

namespace ornix {
namespace {

class FrmMapTest : public testing::Test {
 protected:
  void SetUp() override {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  // A JPEG of the given size, measured and shown as a user's picture would be.
  std::string picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const std::string path = (dir.path / ("p" + std::to_string(width) + "x" + std::to_string(height) + ".jpg")).string();
    EXPECT_TRUE(QImageWriter(QString::fromStdString(path), "jpeg").write(image));
    return path;
  }
  template <typename T>
  T* child(const char* name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  void release(QWidget* target, Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonRelease, QPointF(20, 20), target->mapToGlobal(QPointF(20, 20)),
                      button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }
  QSize screenPixels() const { return window.screen()->geometry().size(); }

  test::TempDir dir;
  test::FakeUi ui;
  frmMap window{ui};
};

TEST_F(FrmMapTest, StartsWithTheStartPictureAndNoScrollBars) {
  EXPECT_EQ(window.windowTitle(), "Ornix");
  EXPECT_EQ(child<MapSurface>("mapee")->geometry(), QRect(36, 0, 502, 302));
  EXPECT_FALSE(child<QScrollBar>("HScroll1")->isVisible());
  EXPECT_FALSE(child<QScrollBar>("VScroll1")->isVisible());
  EXPECT_FALSE(child<QToolButton>("cmdMake")->isEnabled());
  // A picture button with no text is named by its tool tip for assistive technology.
  auto* poly = child<QToolButton>("cmdPoly");
  EXPECT_EQ(poly->accessibleName(), poly->toolTip());
}

// The window's outer frame, title bar included, takes the size of the picture
// plus the tool strip and the scroll bars, or the screen less a margin.
TEST_F(FrmMapTest, FitsItselfToEachNewPicture) {
  struct Case {
    int width;
    int height;
    QSize windowPixels;
  };
  const std::vector<Case> cases = {
      {300, 200, {5415 / 15, 3630 / 15}},
      {150, 100, {3165 / 15, 243}},  // 3650 twips, rounded to pixels
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(window.document().imgSpecs(picture(c.width, c.height)));
    EXPECT_EQ(window.frameGeometry().size(), c.windowPixels) << c.width << "x" << c.height;
    EXPECT_EQ(child<MapSurface>("mapee")->size(), QSize(c.width + 2, c.height + 2));
  }
  const QSize screen = screenPixels();
  window.move(50, 50);
  ASSERT_TRUE(window.document().imgSpecs(picture(screen.width(), screen.height() / 2)));
  EXPECT_EQ(window.pos(), QPoint(0, 0));
  const auto lessMargin = [](int screenPixels) { return static_cast<int>(std::nearbyint((screenPixels * 15 - 500) / 15.0)); };
  EXPECT_EQ(window.frameGeometry().size(), QSize(lessMargin(screen.width()), lessMargin(screen.height())));
}

TEST_F(FrmMapTest, ScrollBarsMoveThePictureAndALayoutShowsItsCorner) {
  ASSERT_TRUE(window.document().imgSpecs(picture(400, 300)));
  window.resize(300, 240);
  auto* hBar = child<QScrollBar>("HScroll1");
  auto* vBar = child<QScrollBar>("VScroll1");
  auto* mapee = child<MapSurface>("mapee");
  ASSERT_TRUE(hBar->isVisible());
  ASSERT_TRUE(vBar->isVisible());
  EXPECT_EQ(hBar->maximum(), 402 - (300 - 13 - 36) - 2);
  EXPECT_EQ(vBar->maximum(), 302 - (240 - 13));
  vBar->setValue(25);
  hBar->setValue(40);
  EXPECT_EQ(mapee->pos(), QPoint(36 - 40, -25));
  window.resize(310, 240);
  EXPECT_EQ(mapee->pos(), QPoint(36, 0));
  EXPECT_EQ(vBar->value(), 25);
}

TEST_F(FrmMapTest, FileMenuEnablesSavesByTheMapItHolds) {
  using Entries = std::map<std::string, bool>;
  auto expectSaves = [&](const Entries& shown, bool clipboard, bool files, bool original) {
    EXPECT_EQ(shown.at("Save To ClipBoard\tF5"), clipboard);
    for (const char* entry : {"Save As an ORNX\tF6", "Save As HTML\tF7", "Save As Text\tF8"}) {
      EXPECT_EQ(shown.at(entry), files) << entry;
    }
    EXPECT_EQ(shown.at("Save in Original Page\tF9"), original);
  };
  MapDocument& doc = window.document();
  window.showFileMenu();
  expectSaves(ui.menusShown.back(), false, false, false);

  doc.addArea(rectShape(1, 2, 30, 40).areaText, 0, "1|2|30|40");
  doc.addAreaDefaults();
  doc.holdSourcePage(std::make_unique<ChtmlPage>(), true);
  window.showFileMenu();
  expectSaves(ui.menusShown.back(), true, true, true);

  doc.clearAreas();  // no areas: the page entry keeps its state
  window.showFileMenu();
  expectSaves(ui.menusShown.back(), false, false, true);
  EXPECT_EQ(ui.menusShown.back().at("Exit" + std::string(29, ' ') + "Esc"), true);
}

TEST_F(FrmMapTest, RightButtonReleasePopsUpTheMenuOnThePictureAndAroundIt) {
  EditorState& state = window.document().editorState();
  release(child<MapSurface>("mapee"), Qt::RightButton);
  release(child<QWidget>("Image1"), Qt::RightButton);
  release(child<QWidget>("Image1"), Qt::LeftButton);
  EXPECT_EQ(ui.menusShown.size(), 2u);
  EXPECT_FALSE(state.popupPending);  // cleared as the menu opened

  state.popupPending = true;  // the release after a popup only clears the flag
  release(child<MapSurface>("mapee"), Qt::RightButton);
  EXPECT_FALSE(state.popupPending);
  EXPECT_EQ(ui.menusShown.size(), 2u);
}

// Menu entries, tool-strip buttons and keys each raise their command once.
TEST_F(FrmMapTest, MenuButtonsAndKeysRaiseTheirCommandsOnlyWhenTheyCan) {
  std::vector<std::string> raised;
  const auto record = [&](const char* name) { return [&raised, name] { raised.push_back(name); }; };
  QObject::connect(&window, &frmMap::saveToFileRequested, [&](int entry) { raised.push_back("file " + std::to_string(entry)); });
  QObject::connect(&window, &frmMap::saveToClipboardRequested, record("clipboard"));
  QObject::connect(&window, &frmMap::exitRequested, record("exit"));
  QObject::connect(&window, &frmMap::openRequested, record("open"));
  QObject::connect(&window, &frmMap::helpRequested, record("help"));
  // Keys reach the window from the picture, which holds the focus.
  const auto press = [mapee = child<MapSurface>("mapee")](std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys) QTest::keyClick(mapee, key);
  };
  press({Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F3});
  EXPECT_TRUE(raised.empty()) << "saves before any picture";
  EXPECT_TRUE(ui.messages.empty());

  ASSERT_TRUE(window.document().imgSpecs(picture(60, 40)));
  window.document().addArea("<AREA", 0, "0|0|9|9");  // the menu's saves are enabled only with an area
  window.document().addAreaDefaults();
  const auto trigger = [](const char* name, int index = 0) {
    return [=](QMenu& menu) { menu.findChildren<QAction*>(name).at(index)->trigger(); };
  };
  ui.menuScripts = {trigger("mnuFileOpen"), trigger("mnuFileSave2File", 1), trigger("mnuFileClose")};
  for (int i = 0; i < 3; ++i) window.showFileMenu();
  child<QToolButton>("cmdClose")->click();
  child<QToolButton>("cmdPoly")->click();
  EXPECT_EQ(window.document().editorState().currentTool, Tool::polygon);
  window.document().editorState().popupPending = true;
  ui.answers = {Answer::no, Answer::yes};
  press({Qt::Key_F5, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F1, Qt::Key_F2, Qt::Key_F4});
  EXPECT_EQ(raised, (std::vector<std::string>{"open", "file 1", "exit", "exit", "clipboard", "file 0", "file 1",
                                              "file 2", "help", "open", "open"}));
  EXPECT_EQ(ui.messages.front(), (Message{"Confirm Clipboard:", "Saving present map to the clipboard.\r\n\r\nContinue?",
                                          MessageIcon::none, MessageButtons::yesNo}));
  EXPECT_FALSE(window.document().editorState().popupPending);
}

}  // namespace
}  // namespace ornix
