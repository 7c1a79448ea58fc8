#include "help_rows.h"

namespace ornix {

const HelpList& rightButtonList() {
  static const HelpList list{
      {
          {83, 129, 1, 23, 1200,
           "If you would rather use a dialog box to open an image file, rather than use drag and drop."},
          {33, 145, 20, 36, 1200, "Saves your current mapping to the Windows Clipboard. Paste into whatever you wish."},
          {33, 125, 38, 57, 1900,
           "When starting a fresh page -- Saves your current mapping to an HTML file. Standard Windows dialog "
           "opens, letting you browse for file name and location."},
          {33, 117, 64, 80, 1900,
           "Useful for when you are drawing up several maps and wish to keep them in separate text files. "
           "As with \"Save As HTML\", dialog opens for file name and location."},
          {33, 154, 80, 100, 1900,
           "Save a map gleaned from an HTML page, preserving the rest of the original page. Save as whatever "
           "filename, to whatever location you wish."},
          {86, 120, 100, 118, 1900,
           "  To close Ornix.\n\nIf your current map is as yet unsaved, prompt to save will pop up before "
           "Ornix closes."},
      },
      {0, 0, 0, 0, 800, "Choices available when you click on the right mouse button."},
  };
  return list;
}

const HelpList& leftButtonList() {
  static const HelpList list{
      {
          {78, 126, 1, 22, 800, "Space to enter the URL link for the area of the map clicked upon.",
           HelpIllustration::href},
          {79, 126, 23, 47, 800, "Space to enter a TARGET for above URL. Can be left blank.", HelpIllustration::target},
          {29, 73, 47, 71, 800, "Saves the values entered into HREF (and TARGET, if any.)",
           HelpIllustration::enterButton},
          {30, 72, 72, 97, 800, "Cancels anything entered in HREF and TARGET spaces. Returns you to the map.",
           HelpIllustration::cancelButton},
          {78, 131, 98, 119, 800, "DELETES THE SELECTED AREA OF THE MAP.", HelpIllustration::deleteButton},
      },
      {0, 0, 0, 0, 800, "Choices available when you click on the left mouse button."},
  };
  return list;
}

const HelpList& keysList() {
  static const HelpList list{
      {
          {33, 161, 0, 12, 1900,
           "Undoes the last change: an area drawn, edited, deleted, moved or reshaped, or the map emptied by a "
           "save. Also at the end of the File menu."},
          {33, 161, 12, 24, 1900, "Does again what Undo took back. Ctrl+Shift+Z does the same."},
          {33, 161, 24, 36, 1900,
           "Shows the picture larger or smaller, from 25% to 800%. Ctrl and the mouse wheel zoom about the pointer."},
          {33, 161, 36, 48, 800, "Shows the picture at its own size, 100%, again."},
          {33, 161, 48, 60, 1900,
           "Hold Ctrl and drag: from inside an area it moves; from a corner, a vertex or a circle's rim it is "
           "reshaped."},
          {33, 161, 60, 72, 1900,
           "The arrow keys nudge the selected area (chosen in the Areas window, F3, or last drawn, moved or "
           "reshaped) by one pixel; with Shift, by ten."},
          {33, 161, 72, 84, 1900,
           "Shows or hides the Areas window: every area, to edit in place or move with Ctrl+Up and Ctrl+Down, "
           "and the changes made so far."},
          {33, 161, 84, 96, 1900,
           "While the areas of an opened map appear one by one, Space or a click shows the rest at once."},
          {33, 161, 96, 108, 1900,
           "Saves the map in a page of its own that fits any screen: the picture shrinks to the page's width and "
           "its areas with it. At the end of the File menu."},
          {33, 161, 108, 120, 1900,
           "Imports an image map from any web page, written by hand or by another tool, to edit; saved back into "
           "its page, only the changed tags are written anew. On the File menu, after Area List."},
      },
      {0, 0, 0, 0, 800, "Keys for editing the map and for the view of the picture."},
  };
  return list;
}

const HelpRow& helpRowAt(const HelpList& list, QPoint twips, int twipsPerPixelX, int twipsPerPixelY) {
  for (const HelpRow& row : list.rows) {
    const bool across = row.x1 * twipsPerPixelX <= twips.x() && twips.x() < row.x2 * twipsPerPixelX;
    const bool down = row.y1 * twipsPerPixelY <= twips.y() && twips.y() < row.y2 * twipsPerPixelY;
    if (across && down) return row;
  }
  return list.none;
}

}  // namespace ornix
