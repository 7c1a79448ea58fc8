#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ornix {

// One of the program's pictures, named by its SVG source (":/tools/poly.svg"),
// at `size` logical pixels, sharp at the screen's device pixel ratio: drawn
// from the SVG where Qt SVG is at hand, else from the PNGs rendered from it
// at build time.
QPixmap artPixmap(const QString& resource, QSize size, qreal devicePixelRatio);

// The same as an icon, drawn only when it is first shown.
QIcon artIcon(const QString& resource, QSize size, qreal devicePixelRatio);

// The same as a plain 32-bit RGB image of exactly `size` pixels.
QImage artImage(const QString& resource, QSize size);

}  // namespace ornix
