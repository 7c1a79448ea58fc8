#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "editor/editor_window.h"
#include "editor/picture_canvas.h"
#include "editor/window_layout.h"
#include "support/fake_ui.h"
#include "support/window_keys.h"

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

// F5 asks first, then saves to the clipboard; its menu entry and the strip's
// button save at once.
TEST_F(EditorWindowTest, TheClipboardKeyAsksFirst) {
  int saves = 0;
  window.commands().whenGiven(Command::saveToClipboard, [&saves] { ++saves; });
  showPicture(60, 40);
  addArea();
  ui.answers = {Answer::no, Answer::yes};
  test::pressKey(window, Qt::Key_F5);
  test::pressKey(window, Qt::Key_F5);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(ui.messages.front(), (Message{"Confirm Clipboard:", "Saving present map to the clipboard.\r\n\r\nContinue?",
                                          MessageIcon::none, MessageButtons::yesNo}));
  child<QToolButton>("clipboardButton")->click();
  EXPECT_EQ(saves, 2);
}

// Every key of the table gives its command once, and only while the
// command's rule allows it: before a picture, no save key does; the menu
// shows the table's entries in its order, each giving its command.
TEST_F(EditorWindowTest, EveryKeyAndEntryOfTheTableGivesItsCommandWhenItsRuleAllows) {
  std::vector<Command> given;
  for (const CommandLine& line : EditorCommands::table()) {
    window.commands().whenGiven(line.command, [&given, command = line.command] { given.push_back(command); });
  }
  const auto pressEveryKey = [&](bool withPicture) {
    for (const CommandLine& line : EditorCommands::table()) {
      const QAction* action = window.commands().action(line.command, line.place);
      for (const QKeySequence& keys : action->shortcuts()) {
        given.clear();
        test::pressKey(window, keys[0]);
        const bool allowed = line.rule == Rule::always || (withPicture && line.rule != Rule::canRedo);
        EXPECT_EQ(given, allowed ? std::vector<Command>{line.command} : std::vector<Command>{})
            << keys.toString().toStdString() << (withPicture ? " with a picture" : " before a picture");
      }
    }
  };
  pressEveryKey(false);
  showPicture(60, 40);
  window.document().draw({Shape::rectangle, {{1, 1}, {9, 9}}, 0, {}});
  window.document().holdSourcePage(std::make_shared<SplitPage>());
  window.zoomIn();  // zoomed, and able to zoom in and out
  pressEveryKey(true);

  std::vector<std::string> entries;
  for (QAction* entry : window.findChild<QMenu*>("fileMenu")->actions()) {
    if (!entry->isSeparator() && entry->menu() == nullptr) entries.push_back(entry->objectName().toStdString());
  }
  std::vector<std::string> menuLines;
  for (const CommandLine& line : EditorCommands::table()) {
    if (line.place == Place::fileMenu) menuLines.emplace_back(line.name);
  }
  EXPECT_EQ(entries, menuLines);
  given.clear();
  ui.menuScripts = {[](QMenu& menu) {
    for (QAction* entry : menu.actions()) {
      if (entry->objectName() == "saveHtmlEntry") entry->trigger();
    }
  }};
  window.showFileMenu();
  child<QToolButton>("closeButton")->click();
  EXPECT_EQ(given, (std::vector<Command>{Command::saveHtmlPage, Command::exit}));
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
