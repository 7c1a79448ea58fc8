#pragma once

#include "model/map_writer.h"

namespace ornix {

class Clipboard;
class EditorWindow;
class ProgramSettings;
class Ui;

// The five ways a map leaves the program: the clipboard, an ORNX map file, an
// HTML page, a text file, or back into the page it came from. Every save that
// succeeds empties the map on the same picture and asks "Another" or "Quit".
class Saving {
 public:
  Saving(EditorWindow& window, Ui& ui, Clipboard& clipboard, ProgramSettings& settings);

  void saveToClipboard();
  // A save that cannot be written says which file and why, and leaves the
  // map, its page and the window as they were.
  void saveToFile(OutputKind kind);

 private:
  bool refusedWithoutPicture();
  bool refusedWithoutPage(OutputKind kind);
  void restartMap();
  void commonEnding();

  EditorWindow& window;
  Ui& ui;
  Clipboard& clipboard;
  ProgramSettings& settings;
};

}  // namespace ornix
