#include "picture_viewport.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include "picture_canvas.h"
#include "platform/twips.h"
#include "window_layout.h"
#include "zoom.h"

namespace ornix {
namespace {

constexpr int scrollPageStep = 30;

QScrollBar* scrollBar(QWidget* window, Qt::Orientation orientation, const char* name, const char* spokenName) {
  auto* bar = new QScrollBar(orientation, window);
  bar->setObjectName(name);
  bar->setAccessibleName(spokenName);
  bar->setRange(0, 0);
  bar->setPageStep(scrollPageStep);
  bar->setSingleStep(1);
  bar->setTracking(false);  // moves on release of a dragged thumb, not while dragging
  bar->hide();
  return bar;
}

}  // namespace

PictureViewport::PictureViewport(QWidget* window, PictureCanvas* canvas, QWidget* dropArea)
    : window(window),
      canvas(canvas),
      dropArea(dropArea),
      horizontal(scrollBar(window, Qt::Horizontal, "horizontalScroll", "Horizontal scroll")),
      vertical(scrollBar(window, Qt::Vertical, "verticalScroll", "Vertical scroll")) {
  QObject::connect(vertical, &QScrollBar::valueChanged, window,
                   [canvas](int value) { canvas->move(canvas->x(), -value); });
  QObject::connect(horizontal, &QScrollBar::valueChanged, window,
                   [canvas](int value) { canvas->move(layout::stripWidthPixels - value, canvas->y()); });
}

void PictureViewport::layOut(QSize clientTwips, QSize outerTwips) {
  client = clientTwips;
  outer = outerTwips;
  canvas->move(layout::stripWidthPixels, 0);
  const layout::Controls placed = layout::layOutControls(client, outer, canvas->size());
  horizontal->setGeometry(twipsRect(placed.hBar.x(), placed.hBar.y(), placed.hBar.width(), placed.hBar.height()));
  vertical->setGeometry(twipsRect(placed.vBar.x(), placed.vBar.y(), placed.vBar.width(), placed.vBar.height()));
  for (auto [bar, maximum] : {std::pair{horizontal, placed.hMax}, std::pair{vertical, placed.vMax}}) {
    // The picture shows its top-left corner after a layout, wherever the thumb
    // is; the bar's next change moves it to the thumb.
    const QSignalBlocker quiet(bar);
    bar->setRange(0, std::max(maximum, 0));
    bar->setVisible(maximum > 0);
  }
  dropArea->setGeometry(placed.dropArea);
}

void PictureViewport::zoom(double scale, QPointF anchor) {
  const double before = canvas->scale();
  if (scale == before) return;
  const int across = horizontal->value();
  const int down = vertical->value();
  canvas->setScale(scale);
  layOut(client, outer);
  for (auto [bar, value, offset] :
       {std::tuple{horizontal, across, anchor.x()}, std::tuple{vertical, down, anchor.y()}}) {
    const QSignalBlocker quiet(bar);
    bar->setValue(zoom::keptScroll(value, offset, before, scale));
  }
  moveCanvasToBars();
}

void PictureViewport::moveCanvasToBars() {
  canvas->move(layout::stripWidthPixels - horizontal->value(), -vertical->value());
}

QPointF PictureViewport::inView(QPointF canvasPoint) const {
  return canvasPoint + QPointF(canvas->pos()) - QPointF(layout::stripWidthPixels, 0);
}

void PictureViewport::bringIntoView(const QRect& canvasPart) {
  const QSize view = dropArea->size();
  for (auto [bar, start, length, shown] :
       {std::tuple{horizontal, canvasPart.left(), canvasPart.width(), view.width()},
        std::tuple{vertical, canvasPart.top(), canvasPart.height(), view.height()}}) {
    const int now = bar->value();
    if (start < now || length > shown) {
      bar->setValue(start);
    } else if (start + length > now + shown) {
      bar->setValue(start + length - shown);
    }
  }
}

void PictureViewport::scrollBy(double steps) {
  vertical->setValue(vertical->value() - static_cast<int>(steps * scrollPageStep));
}

}  // namespace ornix
