#include "closing_animation.h"

#include <QWidget>
#include <cmath>

#include "platform/twips.h"
#include "platform/ui.h"

namespace ornix {
namespace {

constexpr int stepTwips = 200;
constexpr int lowestHeight = 210;
constexpr int stripWidth = 2200;

enum class Side { height, width };

// The window's outer size in twips, frame included, as its geometry reads.
int outerTwips(const QWidget& window, Side side) {
  const QSize outer = window.frameGeometry().size();
  return (side == Side::height ? outer.height() : outer.width()) * twipsPerPixel;
}

void setOuterTwips(QWidget& window, Side side, int twips) {
  const QSize frame = window.frameGeometry().size() - window.size();
  if (side == Side::height) {
    window.resize(window.width(), std::max(1, pixels(twips) - frame.height()));
  } else {
    window.resize(std::max(1, pixels(twips) - frame.width()), window.height());
  }
}

// Up to half the side's length in steps (halves to even), each after letting
// the screen catch up. True once the side reads `target` or less.
bool shrink(QWidget& window, Ui& ui, Side side, int target) {
  const int steps = static_cast<int>(std::nearbyint(outerTwips(window, side) / 2.0));
  for (int step = 0; step < steps; ++step) {
    ui.processEvents();
    const int before = outerTwips(window, side);
    setOuterTwips(window, side, before - stepTwips);
    const int after = outerTwips(window, side);
    if (after <= target) return true;
    if (after >= before) return false;  // the system's own minimum
  }
  return false;
}

}  // namespace

void playClosingAnimation(QWidget& window, Ui& ui) {
  window.setMinimumSize(0, 0);
  shrink(window, ui, Side::height, lowestHeight);
  setOuterTwips(window, Side::height, 2);
  if (!shrink(window, ui, Side::width, stripWidth)) return;
  setOuterTwips(window, Side::width, stripWidth);
  window.setWindowTitle("   ...later");
  ui.pause(300);
}

}  // namespace ornix
