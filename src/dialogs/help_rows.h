#pragma once

#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

namespace ornix {

// What the bottom panel shows beside a row's text.
enum class HelpIllustration { none, href, target, enterButton, cancelButton, deleteButton };

// One row of a help list picture: its rectangle in the picture's pixels (the
// left and top edges in, the right and bottom edges out), and what hovering
// over it shows.
struct HelpRow {
  int x1 = 0;
  int x2 = 0;
  int y1 = 0;
  int y2 = 0;
  int heightTwips = 800;  // the text box's height while the row is shown
  const char* text = "";
  HelpIllustration illustration = HelpIllustration::none;
};

struct HelpList {
  std::vector<HelpRow> rows;
  HelpRow none;  // where no row matches
};

// A row of the keys panel: what a command or gesture is called, its keys as
// the panel shows them, what pointing at it tells, with the height of the
// text box for that, and whether a line sets it apart from the rows above.
struct KeysPanelRow {
  QString label;
  QString keys;
  const char* text = "";
  int heightTwips = 800;
  bool lineAbove = false;
};

// The right button's choices (the editor's File menu) and the parts of the
// attributes dialog that the left button opens.
const HelpList& rightButtonList();
const HelpList& leftButtonList();
// The keys panel's rows as a list, one row of its picture each.
HelpList keysList(const std::vector<KeysPanelRow>& rows);

// The keys panel's list picture, of `keysListSize`: each row's name on the
// left and its keys on the right.
inline constexpr QSize keysListSize(169, 120);
inline constexpr int keysRowHeight = 12;
QPixmap keysListPicture(const std::vector<KeysPanelRow>& rows, qreal devicePixelRatio);

// The row under a point given in twips from the picture's top-left corner,
// with the screen's twips per pixel; rows are tried in order, the first wins.
const HelpRow& helpRowAt(const HelpList& list, QPoint twips, int twipsPerPixelX, int twipsPerPixelY);

}  // namespace ornix
