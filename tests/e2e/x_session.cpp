#include "x_session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

namespace ornix::e2e {

std::string XSession::xdotool(const QStringList& arguments, int milliseconds) {
  QProcess tool;
  tool.start("xdotool", arguments);
  if (!tool.waitForFinished(milliseconds)) {
    tool.kill();
    tool.waitForFinished();
    return {};
  }
  return tool.readAllStandardOutput().trimmed().toStdString();
}

namespace {

QString exactly(const std::string& title) { return "^" + QRegularExpression::escape(QString::fromStdString(title)) + "$"; }

}  // namespace

std::string XSession::waitForWindow(const std::string& title, int milliseconds) {
  const std::string found = xdotool({"search", "--sync", "--onlyvisible", "--name", exactly(title)}, milliseconds);
  return found.substr(0, found.find('\n'));
}

bool XSession::waitForWindowGone(const std::string& title, int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) {
    if (xdotool({"search", "--onlyvisible", "--name", exactly(title)}).empty()) return true;
    QThread::msleep(50);
  }
  return false;
}

QPoint XSession::origin(const std::string& window) {
  const QString shell = QString::fromStdString(xdotool({"getwindowgeometry", "--shell", QString::fromStdString(window)}));
  QPoint corner;
  for (const QString& line : shell.split('\n')) {
    if (line.startsWith("X=")) corner.setX(line.mid(2).toInt());
    if (line.startsWith("Y=")) corner.setY(line.mid(2).toInt());
  }
  return corner;
}

void XSession::keys(const std::string& window, const QStringList& keys) {
  xdotool({"windowfocus", "--sync", QString::fromStdString(window)});
  for (const QString& key : keys) {
    xdotool({"key", "--clearmodifiers", key});
    settle(60);
  }
}

void XSession::type(const std::string& window, const std::string& text) {
  xdotool({"windowfocus", "--sync", QString::fromStdString(window)});
  xdotool({"type", "--delay", "15", QString::fromStdString(text)});
}

void XSession::click(QPoint at) {
  xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1"});
  settle(150);
}

void XSession::drag(QPoint from, QPoint to) {
  xdotool({"mousemove", "--sync", QString::number(from.x()), QString::number(from.y()), "mousedown", "1"});
  for (int step = 1; step <= 4; ++step) {
    const QPoint on = from + (to - from) * step / 4;
    xdotool({"mousemove", "--sync", QString::number(on.x()), QString::number(on.y())});
    settle(30);
  }
  xdotool({"mouseup", "1"});
  settle();
}

void XSession::screenshot(const std::string& path) {
  QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
  QProcess::execute("import", {"-window", "root", QString::fromStdString(path)});
}

void XSession::settle(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

OrnixProcess::OrnixProcess(const std::string& home, const QStringList& arguments) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  const QString root = QString::fromStdString(home);
  for (const char* folder : {"config", "data", "run"}) QDir().mkpath(root + "/" + folder);
  QFile::setPermissions(root + "/run", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  environment.insert("HOME", root);
  environment.insert("XDG_CONFIG_HOME", root + "/config");
  environment.insert("XDG_DATA_HOME", root + "/data");
  environment.insert("XDG_RUNTIME_DIR", root + "/run");
  environment.insert("QT_QPA_PLATFORM", "xcb");
  process.setProcessEnvironment(environment);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(ORNIX_BINARY, arguments);
  process.waitForStarted();
}

OrnixProcess::~OrnixProcess() {
  if (!running()) return;
  process.kill();
  process.waitForFinished();
}

bool OrnixProcess::endsCleanly(int milliseconds) {
  return process.waitForFinished(milliseconds) && process.exitStatus() == QProcess::NormalExit &&
         process.exitCode() == 0;
}

std::string OrnixProcess::output() { return process.readAll().toStdString(); }

}  // namespace ornix::e2e
