#pragma once

#include <string>

class QMimeData;

namespace ornix {

class Ui;
class frmMap;

// The last four characters of a path in lower case, which tell its kind.
std::string extOf(const std::string& path);

// Whether a file named on the command line or dropped may be opened: a map
// file, page, text file, GIF or JPG. Says why not, except for a missing path.
bool checkFileType(frmMap& window, Ui& ui, const std::string& path);

// "Your last chance...": true when the user wants to stay and save the map.
bool lastChance(frmMap& window, Ui& ui);

// Opens a path by its kind: a page kind as a map, anything else as a picture.
void openByKind(frmMap& window, Ui& ui, const std::string& path);

// The Open command: asks about an unsaved map, then for a file, and opens it.
void mnuFileOpen_Click(frmMap& window, Ui& ui);

// A drop on the picture or around it: exactly one file of a known kind is opened.
void dropOnPicture(frmMap& window, Ui& ui, const QMimeData& data);

}  // namespace ornix
