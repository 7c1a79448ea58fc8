#include "image_loading.h"

#include <QFile>

#include "document/map_document.h"
#include "model/image_header.h"
#include "platform/picture_loader.h"
#include "platform/ui.h"

namespace ornix {

std::variant<ReadPicture, PictureLoad> readPictureFile(Ui& ui, const std::string& path) {
  const Measurement measured = measureImage(path);
  if (measured.refusedPng) {
    ui.messageBox(noticeMessage(pngRefusal()));
    return PictureLoad::refused;
  }
  const std::optional<Picture> picture = describePicture(path, measured.info);
  if (!picture) return PictureLoad::unreadable;
  std::optional<QImage> image = readPicture(QFile::decodeName(QByteArray::fromStdString(path)));
  if (!image) return PictureLoad::unreadable;
  return ReadPicture{*picture, std::move(*image)};
}

ReadPicture shownAt(ReadPicture read, std::int32_t width, std::int32_t height) {
  if (read.picture.width == width && read.picture.height == height) return read;
  read.picture.width = width;
  read.picture.height = height;
  read.pixels = read.pixels.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
  return read;
}

PictureLoad loadImage(MapDocument& document, Ui& ui, const std::string& path) {
  std::variant<ReadPicture, PictureLoad> read = readPictureFile(ui, path);
  if (const PictureLoad* failed = std::get_if<PictureLoad>(&read)) return *failed;
  ReadPicture& loaded = std::get<ReadPicture>(read);
  document.showPicture(loaded.picture, std::move(loaded.pixels));
  return PictureLoad::loaded;
}

}  // namespace ornix
