#pragma once

#include <string>

namespace ornix {

class Clipboard;
class Ui;
class cRegistry;
class frmMap;

// The five ways a map leaves the program: the clipboard, an ORNX map file, an
// HTML page, a text file, or back into the page it came from. Every save that
// succeeds empties the map on the same picture and asks "Another" or "Quit".
class Saving {
 public:
  Saving(frmMap& window, Ui& ui, Clipboard& clipboard, cRegistry& registry);

  void cmdMake_Click();
  // Entry 0 map file, 1 HTML page, 2 text file, 3 the original page.
  void mnuFileSave2File_Click(int entry);

 private:
  bool refusedWithoutPicture();
  void commonEnding();

  frmMap& window;
  Ui& ui;
  Clipboard& clipboard;
  cRegistry& registry;
};

}  // namespace ornix
