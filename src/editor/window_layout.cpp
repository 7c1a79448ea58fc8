#include "window_layout.h"

#include <cmath>
#include <limits>

namespace ornix::layout {
namespace {

constexpr double wideRatio = 1.3;
constexpr int frameWidth = 885;   // the strip and the window's edges beside the picture
constexpr int frameHeight = 600;  // the caption, the horizontal bar and the edges
constexpr int screenMargin = 500;
constexpr int stripExtra = 500;

// A scroll maximum in pixels, rounded half to even.
int scrollMaximum(double pixels) { return static_cast<int>(std::nearbyint(pixels)); }

}  // namespace

WindowFit fitToPicture(QSize picture, QSize screen) {
  const bool wide = static_cast<double>(picture.width()) / picture.height() > wideRatio;
  const bool fits =
      wide ? screen.width() - frameWidth > picture.width() : screen.height() - frameHeight > picture.height();
  WindowFit fit;
  if (fits) {
    fit = {picture.width() + frameWidth, picture.height() + frameHeight, false};
  } else {
    fit = {screen.width() - screenMargin, screen.height() - screenMargin, true};
  }
  if (stripHeight > fit.height) fit.height = stripHeight + stripExtra;
  return fit;
}

Controls layOutControls(QSize client, QSize outer, QSize picture) {
  Controls result;
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

bool canLayOut(QSize client) { return client.width() > stripWidth + barThickness && client.height() > barThickness; }

}  // namespace ornix::layout
