#include "skippable_pause.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <utility>
#include <vector>

namespace ornix {
namespace {

bool isUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease: return true;
    default: return false;
  }
}

bool isLeftPress(const QEvent& event) {
  return event.type() == QEvent::MouseButtonPress && static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton;
}

// Eats the release of the left press that skipped a show, so that it neither
// draws nor selects, then removes itself.
class SkipReleaseEater final : public QObject {
 public:
  SkipReleaseEater() : QObject(qApp) { qApp->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (qobject_cast<QWindow*>(receiver) == nullptr || event->type() != QEvent::MouseButtonRelease) return false;
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
    qApp->removeEventFilter(this);
    deleteLater();
    return true;
  }
};

// Watches the input to the program's windows while a show pauses: a skip
// ends the pause; everything else is copied aside and swallowed.
class PauseWatcher final : public QObject {
 public:
  PauseWatcher(const QWidget& target, QEventLoop& loop) : target(target), loop(loop) { qApp->installEventFilter(this); }
  ~PauseWatcher() override { qApp->removeEventFilter(this); }
  PauseWatcher(const PauseWatcher&) = delete;
  PauseWatcher& operator=(const PauseWatcher&) = delete;

  bool skipped() const { return skippedByKey || skippedByClick; }
  bool skippedWithMouse() const { return skippedByClick; }

  // The input held back, delivered in the order it came.
  void deliverHeldBack() {
    for (auto& [receiver, event] : heldBack) {
      if (receiver) QCoreApplication::postEvent(receiver, event.release());
    }
    heldBack.clear();
  }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    // A key is held back as a key, not taken for a shortcut meanwhile: it
    // reaches the window after the pause, which knows the commands' keys.
    if (event->type() == QEvent::ShortcutOverride) {
      event->accept();
      return true;
    }
    auto* window = qobject_cast<QWindow*>(receiver);
    if (window == nullptr || !isUserInput(event->type())) return false;
    if (!skipped() && isSpacePress(*event)) {
      skippedByKey = true;
    } else if (!skipped() && isLeftPress(*event) && pressesTarget(*window, static_cast<QMouseEvent&>(*event))) {
      skippedByClick = true;
    } else {
      heldBack.emplace_back(receiver, std::unique_ptr<QEvent>(event->clone()));
      return true;
    }
    loop.quit();
    return true;
  }

 private:
  static bool isSpacePress(const QEvent& event) {
    return event.type() == QEvent::KeyPress && static_cast<const QKeyEvent&>(event).key() == Qt::Key_Space;
  }

  bool pressesTarget(const QWindow& window, const QMouseEvent& press) const {
    const QWidget* top = target.window();
    if (top->windowHandle() != &window || !target.isVisible()) return false;
    const QWidget* hit = top->childAt(top->mapFromGlobal(press.globalPosition().toPoint()));
    return hit == &target || target.isAncestorOf(hit);
  }

  const QWidget& target;
  QEventLoop& loop;
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> heldBack;
  bool skippedByKey = false;
  bool skippedByClick = false;
};

}  // namespace

bool waitUnlessSkipped(int milliseconds, const QWidget& skipTarget) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  PauseWatcher watcher(skipTarget, loop);
  loop.exec();
  if (watcher.skippedWithMouse()) new SkipReleaseEater;  // owned by the application until the release
  watcher.deliverHeldBack();
  return watcher.skipped();
}

}  // namespace ornix
