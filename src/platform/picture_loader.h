#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace ornix {

// Reads a picture for the drawing surface. Only GIF, JPEG and BMP are taken,
// told by the first bytes of the file, not by its name: the map writer needs a
// picture whose header it can measure, and a PNG it cannot. The picture comes
// back as 32-bit RGB, the one format that exclusive-or drawing works on.
// Nothing for any other kind or for a file that cannot be read.
std::optional<QImage> readPicture(const QString& path);

}  // namespace ornix
