#pragma once

#include <QApplication>
#include <QKeySequence>
#include <QTest>
#include <QWidget>

namespace ornix::test {

// A key pressed on a window as the keyboard presses it, the window active:
// the key of a command gives that command.
inline void pressKey(QWidget& window, QKeyCombination key) {
  if (QApplication::activeWindow() != &window) QApplication::setActiveWindow(&window);
  QTest::keyClick(&window, key.key(), key.keyboardModifiers());
}

inline void pressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  pressKey(window, QKeyCombination(modifiers, key));
}

}  // namespace ornix::test
