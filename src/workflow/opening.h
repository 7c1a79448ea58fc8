#pragma once

#include <functional>
#include <string>

#include "map_workspace.h"

class QMimeData;

namespace ornix {

class EditorWindow;
class Ui;

// The editor window as opening a map works on it: its document, itself for
// the questions, and its picture.
MapWorkspace workspaceOf(EditorWindow& window);

// Whether a file named on the command line or dropped may be opened: a map
// file, page, text file, GIF or JPG. Says why not, except for a missing path.
bool checkFileType(EditorWindow& window, Ui& ui, const std::string& path);

// "Your last chance...": true when the user wants to stay and save the map.
bool wantsToSaveFirst(EditorWindow& window, Ui& ui);

// Opens a path by its kind: a page kind as a map, anything else as a picture.
// A picture that does not load leaves the map as it was and says why. True
// when the file was opened whole.
bool openFile(EditorWindow& window, Ui& ui, const std::string& path);

// The steps of a command that opens a file the user picks: a normal window,
// the unsaved-map question, `askForPath` from the folder the dialogs start
// in, then `open` on the path chosen, after which the picture has the focus.
void openChosenFile(EditorWindow& window, Ui& ui, const std::function<std::string(const std::string&)>& askForPath,
                    const std::function<void(const std::string&)>& open);

// The Open command: asks about an unsaved map, then for a file, and opens it.
void openWithDialog(EditorWindow& window, Ui& ui);

// A drop on the picture or around it: exactly one file of a known kind is opened.
void openDropped(EditorWindow& window, Ui& ui, const QMimeData& data);

}  // namespace ornix
