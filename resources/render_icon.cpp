// Build tool: renders the program's SVG icon as a PNG of the given size, for
// the icon theme sizes that want pixels.  Usage: render_icon SVG SIZE PNG
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_icon SVG SIZE PNG\n");
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  const int size = QByteArray(argv[2]).toInt();
  if (!svg.isValid() || size <= 0) {
    std::fprintf(stderr, "render_icon: cannot render %s at %s\n", argv[1], argv[2]);
    return 1;
  }
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter);
  painter.end();
  return icon.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
