#pragma once

#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <string>

namespace ornix::e2e {

// Real input on the X display the tests run in, through xdotool, and
// screenshots through ImageMagick's import.
class XSession {
 public:
  // The id of the visible window whose title is exactly `title`, once it has
  // appeared; "" when it did not within the time.
  static std::string waitForWindow(const std::string& title, int milliseconds = 15000);
  // True once no visible window has that title.
  static bool waitForWindowGone(const std::string& title, int milliseconds = 15000);
  // The window's top-left corner on the screen.
  static QPoint origin(const std::string& window);
  // Gives the window the keyboard focus, then presses the keys in turn.
  static void keys(const std::string& window, const QStringList& keys);
  static void type(const std::string& window, const std::string& text);
  static void click(QPoint at);
  // A press, a few moves on the way, and a release, as a hand would drag.
  static void drag(QPoint from, QPoint to);
  static void screenshot(const std::string& path);
  // Lets the program take in what it was sent.
  static void settle(int milliseconds = 300);

 private:
  static std::string xdotool(const QStringList& arguments, int milliseconds = 15000);
};

// The program, started with its own home and configuration folders.
class OrnixProcess {
 public:
  OrnixProcess(const std::string& home, const QStringList& arguments);
  ~OrnixProcess();
  OrnixProcess(const OrnixProcess&) = delete;
  OrnixProcess& operator=(const OrnixProcess&) = delete;

  bool running() const { return process.state() != QProcess::NotRunning; }
  // True when the program ended within the time, with exit code 0.
  bool endsCleanly(int milliseconds = 10000);
  std::string output();

 private:
  QProcess process;
};

}  // namespace ornix::e2e
