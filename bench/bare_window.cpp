// The reference for the start-up measurement: a bare Qt window titled
// "Ornix" that shows the picture named on its command line, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel window;
  window.setWindowTitle("Ornix");
  if (argc > 1) window.setPixmap(QPixmap(QString::fromLocal8Bit(argv[1])));
  window.show();
  return QApplication::exec();
}
