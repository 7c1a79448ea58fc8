// The second reference for the start-up measurement: the smallest window with
// a child widget, a main window titled "Ornix" whose one child shows the
// picture named on its command line. Qt starts its accessibility bridge (a
// session-bus connection) before it maps a window with children, and after it
// maps a bare label; this window shows what every editor window pays for that.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Ornix");
  auto* picture = new QLabel(&window);
  if (argc > 1) picture->setPixmap(QPixmap(QString::fromLocal8Bit(argv[1])));
  window.setCentralWidget(picture);
  window.show();
  return QApplication::exec();
}
