#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "editor/editor_window.h"
#include "editor/picture_canvas.h"
#include "editor/window_layout.h"
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
    window.document().showPicture({"/pictures/p.jpg", width, height}, image);
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

// A picture of w x h pixels sits in a control two pixels larger, in twips.
QSize controlTwips(int width, int height) { return {(width + 2) * 15, (height + 2) * 15}; }

const QSize screen1024(1024 * 15, 768 * 15);

TEST(WindowLayout, SizesTheWindowAroundThePicture) {
  struct Case {
    const char* name;
    QSize picture;
    layout::WindowFit expected;
    QSize screen = screen1024;
  };
  const std::vector<Case> cases = {
      {"wide picture", controlTwips(300, 200), {5415, 3630, false}},
      {"short window grows to the strip", controlTwips(150, 100), {3165, 3650, false}},
      {"wide picture wider than the screen", controlTwips(1000, 300), {15360 - 500, 11520 - 500, true}},
      {"tall picture fitting the screen height is not tested against its width",
       controlTwips(1100, 900),
       {16530 + 885, 13530 + 600, false},
       QSize(1024 * 15, 1024 * 15)},
      {"tall picture taller than the screen", controlTwips(600, 800), {15360 - 500, 11520 - 500, true}},
  };
  for (const Case& c : cases) EXPECT_EQ(layout::fitToPicture(c.picture, c.screen), c.expected) << c.name;
}

}  // namespace
}  // namespace ornix
