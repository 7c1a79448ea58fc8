#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace ornix {

// Renders one of the program's SVG pictures at `size` logical pixels, sharp
// at the screen's device pixel ratio.
QPixmap svgPixmap(const QString& resource, QSize size, qreal devicePixelRatio);

// The same as a plain 32-bit RGB image of exactly `size` pixels.
QImage svgImage(const QString& resource, QSize size);

}  // namespace ornix
