#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/skippable_pause.h"

namespace ornix {
namespace {

// A widget that writes down the input it receives.
class InputLog final : public QWidget {
 public:
  InputLog(QWidget* parent, std::string& log, const char* name) : QWidget(parent), log(log) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
  }

 protected:
  void mousePressEvent(QMouseEvent*) override { write("press"); }
  void mouseReleaseEvent(QMouseEvent*) override { write("release"); }
  void keyPressEvent(QKeyEvent* event) override { write("key " + event->text().toStdString()); }

 private:
  void write(const std::string& input) { log += objectName().toStdString() + " " + input + ";"; }

  std::string& log;
};

// A window with the picture on the left and another widget, holding the
// keyboard focus, on the right; input arrives through the window system.
class SkippablePauseTest : public testing::Test {
 protected:
  void SetUp() override {
    window.resize(200, 100);
    picture->setGeometry(0, 0, 100, 100);
    other->setGeometry(100, 0, 100, 100);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
  }

  // Waits with `input` arriving shortly after the wait began. What reached
  // the widgets during the wait is in `logDuringWait`, and all they received
  // in `log` once the waiting events have run.
  bool waitWith(int milliseconds, const std::function<void(QWindow*)>& input) {
    QTimer::singleShot(10, &window, [this, input] { input(window.windowHandle()); });
    const bool skipped = waitUnlessSkipped(milliseconds, *picture);
    logDuringWait = log;
    QCoreApplication::processEvents();
    return skipped;
  }

  std::string log;
  std::string logDuringWait;
  QWidget window;
  InputLog* picture = new InputLog(&window, log, "picture");
  InputLog* other = new InputLog(&window, log, "other");
};

void click(QWindow* window, QPoint at) {
  QTest::mousePress(window, Qt::LeftButton, {}, at);
  QTest::mouseRelease(window, Qt::LeftButton, {}, at);
}

// A skip ends a long wait at once and its input, the skipping click's release
// included, reaches no widget; the program's next click is its own. Other
// input waits for the end of the pause and then arrives as it was given.
TEST_F(SkippablePauseTest, ALeftClickOnThePictureOrSpaceSkipsAndOtherInputWaits) {
  const int endless = 600000;
  EXPECT_TRUE(waitWith(endless, [](QWindow* w) { QTest::keyClick(w, Qt::Key_Space); }));
  EXPECT_TRUE(waitWith(endless, [](QWindow* w) { QTest::mousePress(w, Qt::LeftButton, {}, {50, 50}); }));
  QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, {50, 50});
  EXPECT_EQ(log, "");
  click(window.windowHandle(), {50, 50});
  EXPECT_EQ(log, "picture press;picture release;");

  log.clear();
  EXPECT_FALSE(waitWith(50, [](QWindow* w) {
    QTest::mouseClick(w, Qt::RightButton, {}, {50, 50});
    click(w, {150, 50});
    QTest::keyClick(w, Qt::Key_A);
  }));
  EXPECT_EQ(logDuringWait, "");
  EXPECT_EQ(log, "picture press;picture release;other press;other release;other key a;");
}

}  // namespace
}  // namespace ornix
