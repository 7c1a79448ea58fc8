#pragma once

#include <QImage>
#include <string>
#include <variant>

#include "model/image_map.h"

namespace ornix {

class MapDocument;
class Ui;

// How loading a picture ended. A refused picture (a PNG) has been explained
// to the user; an unreadable one has not.
enum class PictureLoad { loaded, refused, unreadable };

// A picture read from its file: its facts and its pixels.
struct ReadPicture {
  Picture picture;
  QImage pixels;
};

// Measures a picture's header and reads its pixels, showing them nowhere.
std::variant<ReadPicture, PictureLoad> readPictureFile(Ui& ui, const std::string& path);

// The picture as a page shows it at `width` x `height`: its pixels scaled to
// that size, where the map's coordinates lie.
ReadPicture shownAt(ReadPicture read, std::int32_t width, std::int32_t height);

// Loads a picture to map: measures its header, reads it and puts it in the
// document with an empty map. All or nothing: when it does not load, nothing
// has changed.
PictureLoad loadImage(MapDocument& document, Ui& ui, const std::string& path);

}  // namespace ornix
