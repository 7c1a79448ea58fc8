#include <gtest/gtest.h>

#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "editor/editor_window.h"
#include "editor/picture_canvas.h"
#include "support/fake_ui.h"

namespace ornix {
namespace {

class EditorWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  void showPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    window.showPicture({"/pictures/p.jpg", width, height}, image);
  }
  template <typename T>
  T* child(const char* name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  void release(QWidget* target, Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonRelease, QPointF(20, 20), target->mapToGlobal(QPointF(20, 20)), button,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }
  void addArea() { window.document().addReadArea({Shape::rectangle, {{1, 1}, {9, 9}}, 0, {}}); }

  test::FakeUi ui;
  EditorWindow window{ui};
};

TEST_F(EditorWindowTest, StartsWithTheStartPictureAndNoScrollBars) {
  EXPECT_EQ(window.windowTitle(), "Ornix");
  EXPECT_EQ(child<PictureCanvas>("pictureCanvas")->geometry(), QRect(36, 0, 502, 302));
  EXPECT_FALSE(child<QScrollBar>("horizontalScroll")->isVisible());
  EXPECT_FALSE(child<QScrollBar>("verticalScroll")->isVisible());
  EXPECT_FALSE(child<QToolButton>("clipboardButton")->isEnabled());
}

// The window's outer frame, title bar included, takes the size of the picture
// plus the tool strip and the scroll bars, or the screen less a margin.
TEST_F(EditorWindowTest, FitsItselfToEachNewPicture) {
  const std::vector<std::pair<QSize, QSize>> cases = {
      {{300, 200}, {5415 / 15, 3630 / 15}}, {{150, 100}, {3165 / 15, 243}},  // 3650 twips, rounded to pixels
  };
  for (const auto& [picture, windowPixels] : cases) {
    showPicture(picture.width(), picture.height());
    EXPECT_EQ(window.frameGeometry().size(), windowPixels) << picture.width();
    EXPECT_EQ(child<PictureCanvas>("pictureCanvas")->size(), picture + QSize(2, 2));
  }
  const QSize screen = window.screen()->geometry().size();
  window.move(50, 50);
  showPicture(screen.width(), screen.height() / 2);
  EXPECT_EQ(window.pos(), QPoint(0, 0));
  const auto lessMargin = [](int pixels) { return static_cast<int>(std::nearbyint((pixels * 15 - 500) / 15.0)); };
  EXPECT_EQ(window.frameGeometry().size(), QSize(lessMargin(screen.width()), lessMargin(screen.height())));
}

TEST_F(EditorWindowTest, ScrollBarsMoveThePictureAndALayoutShowsItsCorner) {
  showPicture(400, 300);
  window.resize(300, 240);
  auto* across = child<QScrollBar>("horizontalScroll");
  auto* down = child<QScrollBar>("verticalScroll");
  auto* canvas = child<PictureCanvas>("pictureCanvas");
  ASSERT_TRUE(across->isVisible() && down->isVisible());
  EXPECT_EQ(across->maximum(), 402 - (300 - 13 - 36) - 2);
  EXPECT_EQ(down->maximum(), 302 - (240 - 13));
  down->setValue(25);
  across->setValue(40);
  EXPECT_EQ(canvas->pos(), QPoint(36 - 40, -25));
  window.resize(310, 240);
  EXPECT_EQ(canvas->pos(), QPoint(36, 0));
  EXPECT_EQ(down->value(), 25);
}

TEST_F(EditorWindowTest, TheFileMenuEnablesSavesByTheMapItHolds) {
  const auto expectSaves = [this](bool clipboard, bool files, bool original) {
    window.showFileMenu();
    const std::map<std::string, bool>& shown = ui.menusShown.back();
    EXPECT_EQ(shown.at("Save To ClipBoard\tF5"), clipboard);
    for (const char* entry :
         {"Save As an ORNX\tF6", "Save As HTML\tF7", "Save As Text\tF8", "Save As Responsive HTML...\tShift+F7"}) {
      EXPECT_EQ(shown.at(entry), files) << entry;
    }
    EXPECT_EQ(shown.at("Save in Original Page\tF9"), original);
    EXPECT_TRUE(shown.at("Exit" + std::string(29, ' ') + "Esc"));
  };
  expectSaves(false, false, false);
  showPicture(60, 40);
  addArea();
  window.document().holdSourcePage(std::make_shared<SplitPage>());
  expectSaves(true, true, true);
  window.document().empty(false);  // no areas: the page entry keeps its state
  expectSaves(false, false, true);
  window.document().empty(true);  // a save leaves the page behind
  expectSaves(false, false, false);
}

TEST_F(EditorWindowTest, TheRightButtonPopsUpTheMenuOnThePictureAndAroundIt) {
  release(child<PictureCanvas>("pictureCanvas"), Qt::RightButton);
  release(child<QWidget>("dropArea"), Qt::RightButton);
  release(child<QWidget>("dropArea"), Qt::LeftButton);
  EXPECT_EQ(ui.menusShown.size(), 2u);
}

// Menu entries, tool-strip buttons and keys each raise their command once.
TEST_F(EditorWindowTest, MenuButtonsAndKeysRaiseTheirCommandsOnlyWhenTheyCan) {
  std::vector<std::string> raised;
  const auto record = [&](const char* name) { return [&raised, name] { raised.push_back(name); }; };
  QObject::connect(&window, &EditorWindow::saveToFileRequested,
                   [&](OutputKind kind) { raised.push_back("file " + std::to_string(static_cast<int>(kind))); });
  QObject::connect(&window, &EditorWindow::saveToClipboardRequested, record("clipboard"));
  QObject::connect(&window, &EditorWindow::exitRequested, record("exit"));
  QObject::connect(&window, &EditorWindow::openRequested, record("open"));
  QObject::connect(&window, &EditorWindow::helpRequested, record("help"));
  // Keys reach the window from the picture, which holds the focus.
  const auto press = [canvas = child<PictureCanvas>("pictureCanvas")](std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys) QTest::keyClick(canvas, key);
  };
  press({Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F3});
  EXPECT_TRUE(raised.empty()) << "saves before any picture";
  EXPECT_TRUE(ui.messages.empty());

  showPicture(60, 40);
  addArea();  // the menu's saves are enabled only with an area
  const auto trigger = [](const char* name) { return [=](QMenu& menu) { menu.findChild<QAction*>(name)->trigger(); }; };
  ui.menuScripts = {trigger("openEntry"), trigger("saveHtmlEntry"), trigger("exitEntry")};
  for (int i = 0; i < 3; ++i) window.showFileMenu();
  child<QToolButton>("closeButton")->click();
  ui.answers = {Answer::no, Answer::yes};
  press({Qt::Key_F5, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F1, Qt::Key_F2, Qt::Key_F4});
  QTest::keyClick(child<PictureCanvas>("pictureCanvas"), Qt::Key_F7, Qt::ShiftModifier);
  EXPECT_EQ(raised, (std::vector<std::string>{"open", "file 1", "exit", "exit", "clipboard", "file 0", "file 1",
                                              "file 2", "help", "open", "open", "file 5"}));
  EXPECT_EQ(ui.messages.front(), (Message{"Confirm Clipboard:", "Saving present map to the clipboard.\r\n\r\nContinue?",
                                          MessageIcon::none, MessageButtons::yesNo}));
}

}  // namespace
}  // namespace ornix
