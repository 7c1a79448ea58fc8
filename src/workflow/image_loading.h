#pragma once

#include <string>

namespace ornix {

class EditorWindow;
class Ui;

// How loading a picture ended. A refused picture (a PNG) has been explained
// to the user; an unreadable one has not.
enum class PictureLoad { loaded, refused, unreadable };

// Loads a picture to map: measures its header, reads it and shows it with an
// empty map. All or nothing: when it does not load, nothing has changed.
PictureLoad loadImage(EditorWindow& window, Ui& ui, const std::string& path);

}  // namespace ornix
