#include "window_layout.h"

#include <cmath>
#include <limits>

#include "platform/twips.h"

namespace ornix::layout {
namespace {

constexpr double wideRatio = 1.3;
constexpr int frameWidth = 885;   // the strip and the window's edges beside the picture
constexpr int frameHeight = 600;  // the caption, the horizontal bar and the edges
constexpr int screenMargin = 500;
constexpr int stripExtra = 500;

// A scroll maximum in pixels, rounded half to even and kept to 16 bits.
std::int16_t scrollMaximum(double pixels) {
  const double rounded = std::nearbyint(pixels);
  if (rounded > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
  if (rounded < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
  return static_cast<std::int16_t>(rounded);
}

}  // namespace

WindowFit fitWindowToImage(QSize picture, QSize screen) {
  const bool wide = static_cast<double>(picture.width()) / picture.height() > wideRatio;
  const bool fits = wide ? screen.width() - frameWidth > picture.width()
                         : screen.height() - frameHeight > picture.height();
  WindowFit fit;
  if (fits) {
    fit = {picture.width() + frameWidth, picture.height() + frameHeight, false};
  } else {
    fit = {screen.width() - screenMargin, screen.height() - screenMargin, true};
  }
  if (stripHeight > fit.height) fit.height = stripHeight + stripExtra;
  return fit;
}

ResizeLayout formResize(QSize client, QSize outer, QSize picture) {
  ResizeLayout result;
  const int hBarTop = client.height() - barThickness;
  const int vBarLeft = client.width() - barThickness;
  result.hBar = QRect(hBarLeft, hBarTop, client.width() - stripWidth, barThickness);
  result.vBar = QRect(vBarLeft, 0, barThickness, hBarTop);
  const double visibleWidth = vBarLeft / 15.0 - stripWidthPixels;
  result.hMax = scrollMaximum(picture.width() - visibleWidth - pictureBorder);
  result.vMax = scrollMaximum(picture.height() - hBarTop / 15.0);
  // The drop area reaches past the client area to the right and below.
  result.dropArea = QRect(stripWidthPixels, 0, outer.width() - 13, outer.height() - 13);
  return result;
}

QPoint attributesDialogPlace(QRect editorFrame, QRect screen, int dialogWidth) {
  // The rule counts from the screen's own top-left corner, which on a second
  // screen is not the desktop's.
  const QRect editor = editorFrame.translated(-screen.topLeft());
  const int editorBottom = (editor.top() + editor.height()) * twipsPerPixel;
  const int screenHeight = screen.height() * twipsPerPixel;
  const int screenWidth = screen.width() * twipsPerPixel;
  const int width = dialogWidth * twipsPerPixel;
  int left = editor.left() * twipsPerPixel;
  const int top = editorBottom + 1900 < screenHeight ? editorBottom : screenHeight - 1875;
  if (left + width > screenWidth) left = screenWidth - width;
  return screen.topLeft() + QPoint(pixels(left), pixels(top));
}

bool canLayOut(QSize client) {
  return client.width() > stripWidth + barThickness && client.height() > barThickness;
}

}  // namespace ornix::layout
