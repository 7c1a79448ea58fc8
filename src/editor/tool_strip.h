#pragma once

#include <QWidget>

class QAction;
class QToolButton;

namespace ornix {

class EditorCommands;

// The black strip down the editor's left side: the rectangle, circle and
// polygon tools (the chosen one shown pressed), the clipboard save, help and
// close, each the button of its command. Its buttons show pictures only;
// their tool tips name them.
class ToolStrip final : public QWidget {
 public:
  ToolStrip(const EditorCommands& commands, QWidget* editor);

 private:
  QToolButton* addButton(QAction* action, const char* name, const char* picture, int topTwips, int heightTwips,
                         QSize pictureSize, const char* tip);
};

}  // namespace ornix
