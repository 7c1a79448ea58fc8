// Build tool: renders one of the program's SVG pictures to a PNG, for the icon
// theme's sizes (a square of SIZE pixels) and for a build without Qt SVG (the
// picture's own size times SCALE).  Usage: render_art SVG SIZE|@SCALE PNG
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

// The pixels for the second argument: SIZE, or @SCALE times the picture's own size.
QSize pixelsFor(const QSvgRenderer& svg, const QByteArray& argument) {
  if (argument.startsWith('@')) return svg.defaultSize() * argument.mid(1).toDouble();
  const int size = argument.toInt();
  return {size, size};
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_art SVG SIZE|@SCALE PNG\n");
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  const QSize pixels = svg.isValid() ? pixelsFor(svg, argv[2]) : QSize();
  if (pixels.isEmpty()) {
    std::fprintf(stderr, "render_art: cannot render %s at %s\n", argv[1], argv[2]);
    return 1;
  }
  QImage picture(pixels, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter);
  painter.end();
  return picture.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
