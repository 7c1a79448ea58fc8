#pragma once

#include <QWidget>

#include "picture_gestures.h"

class QToolButton;

namespace ornix {

// The black strip down the editor's left side: the rectangle, circle and
// polygon tools (the chosen one shown pressed), the clipboard save, help and
// close. Its buttons show pictures only; their tool tips name them.
class ToolStrip final : public QWidget {
  Q_OBJECT

 public:
  explicit ToolStrip(QWidget* editor);

  void showChosen(ToolKind kind);
  // The clipboard save is on exactly while the map has an area.
  void setClipboardEnabled(bool enabled);

 signals:
  void toolChosen(ToolKind kind);
  void clipboardClicked();
  void helpClicked();
  void closeClicked();

 private:
  QToolButton* addButton(const char* name, const char* picture, int topTwips, int heightTwips, QSize pictureSize,
                         const char* tip);

  QToolButton* rectangleTool;
  QToolButton* circleTool;
  QToolButton* polygonTool;
  QToolButton* clipboardButton;
};

}  // namespace ornix
