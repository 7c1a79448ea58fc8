#pragma once

#include <string>

namespace ornix {

class MapDocument;
class Ui;

// How loading a picture ended. A refused picture (a PNG) has been explained
// to the user; an unreadable one has not.
enum class PictureLoad { loaded, refused, unreadable };

// Loads a picture to map: measures its header, reads it and puts it in the
// document with an empty map. All or nothing: when it does not load, nothing
// has changed.
PictureLoad loadImage(MapDocument& document, Ui& ui, const std::string& path);

}  // namespace ornix
