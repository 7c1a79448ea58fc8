#include "help_rows.h"

#include <QPainter>

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

HelpList keysList(const std::vector<KeysPanelRow>& rows) {
  HelpList list{{}, {0, 0, 0, 0, 800, "Keys for editing the map and for the view of the picture."}};
  for (std::size_t index = 0; index < rows.size(); ++index) {
    const int top = static_cast<int>(index) * keysRowHeight;
    list.rows.push_back({33, 161, top, top + keysRowHeight, rows[index].heightTwips, rows[index].text});
  }
  return list;
}

// A light card with a blue edge; names in a plain face, keys in a smaller bold one.
QPixmap keysListPicture(const std::vector<KeysPanelRow>& rows, qreal devicePixelRatio) {
  QPixmap picture(keysListSize * devicePixelRatio);
  picture.setDevicePixelRatio(devicePixelRatio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QColor(0x99, 0x99, 0xff));
  painter.setBrush(QColor(0xe8, 0xe8, 0xf0));
  painter.drawRoundedRect(QRectF(30, 0.5, 134, 119), 2, 2);
  QFont name("Arial");
  name.setPixelSize(10);
  QFont keys = name;
  keys.setPixelSize(9);
  keys.setBold(true);
  for (std::size_t index = 0; index < rows.size(); ++index) {
    const int top = static_cast<int>(index) * keysRowHeight;
    if (rows[index].lineAbove) {
      painter.setPen(QColor(0x9a, 0x9a, 0xb0));
      painter.drawLine(QPointF(34, top + 0.5), QPointF(160, top + 0.5));
    }
    painter.setPen(QColor(0x10, 0x10, 0x30));
    painter.setFont(name);
    painter.drawText(QPointF(35, top + 10), rows[index].label);
    painter.setPen(QColor(0x30, 0x30, 0x70));
    painter.setFont(keys);
    painter.drawText(QRectF(35, top, 125, keysRowHeight), Qt::AlignRight | Qt::AlignVCenter, rows[index].keys);
  }
  return picture;
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
