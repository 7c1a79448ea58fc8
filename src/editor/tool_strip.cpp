#include "tool_strip.h"

#include <QAction>
#include <QToolButton>

#include "art/artwork.h"
#include "commands.h"
#include "platform/twips.h"
#include "window_layout.h"

namespace ornix {

ToolStrip::ToolStrip(const EditorCommands& commands, QWidget* editor) : QWidget(editor) {
  setObjectName("toolStrip");
  setGeometry(twipsRect(-15, 0, layout::stripWidth, layout::stripHeight));
  setStyleSheet(
      "#toolStrip { background: black; }"
      "QToolButton { border: 1px solid #2b2b2b; border-radius: 3px; background: #1c1c1c; }"
      "QToolButton:hover { background: #333a42; border-color: #5b6b7d; }"
      "QToolButton:checked { background: #24415f; border-color: #3d7fd9; }"
      "QToolButton:disabled { background: #101010; }");
  setAttribute(Qt::WA_StyledBackground);
  const auto tool = [&commands](Command command) { return commands.action(command, Place::toolStrip); };
  const auto entry = [&commands](Command command) { return commands.action(command, Place::fileMenu); };
  addButton(tool(Command::rectangleTool), "rectangleTool", "square", 15, 480, {32, 32}, "SQUARE selection tool");
  addButton(tool(Command::circleTool), "circleTool", "circle", 510, 480, {32, 32}, "CIRCLE selection tool");
  addButton(tool(Command::polygonTool), "polygonTool", "poly", 1005, 480, {32, 32}, "POLYGON selection tol");
  addButton(entry(Command::saveToClipboard), "clipboardButton", "make", 1500, 585, {32, 32}, "Save to ClipBoard");
  addButton(entry(Command::help), "helpButton", "help", 2100, 480, {24, 24}, "Help File");
  addButton(entry(Command::exit), "closeButton", "close", 2595, 480, {32, 32}, "Close");
}

// A button that gives its command and shows the command's state (chosen,
// enabled): the button takes the action's picture and tip, which the File
// menu does not show.
QToolButton* ToolStrip::addButton(QAction* action, const char* name, const char* picture, int topTwips, int heightTwips,
                                  QSize pictureSize, const char* tip) {
  action->setIcon(artIcon(QString(":/tools/") + picture + ".svg", pictureSize, devicePixelRatioF()));
  action->setIconVisibleInMenu(false);
  action->setToolTip(tip);
  auto* button = new QToolButton(this);
  button->setDefaultAction(action);
  button->setObjectName(name);
  button->setGeometry(twipsRect(0, topTwips, 480, heightTwips).translated(1, 0));
  button->setIconSize(pictureSize);
  button->setAccessibleName(tip);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace ornix
