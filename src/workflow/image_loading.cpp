#include "image_loading.h"

#include <QFile>

#include "document/map_document.h"
#include "model/image_header.h"
#include "platform/picture_loader.h"
#include "platform/ui.h"

namespace ornix {

PictureLoad loadImage(MapDocument& document, Ui& ui, const std::string& path) {
  const Measurement measured = measureImage(path);
  if (measured.refusedPng) {
    ui.messageBox(noticeMessage(pngRefusal()));
    return PictureLoad::refused;
  }
  const std::optional<Picture> picture = describePicture(path, measured.info);
  if (!picture) return PictureLoad::unreadable;
  const std::optional<QImage> image = readPicture(QFile::decodeName(QByteArray::fromStdString(path)));
  if (!image) return PictureLoad::unreadable;
  document.showPicture(*picture, *image);
  return PictureLoad::loaded;
}

}  // namespace ornix
