#include "tool_strip.h"

#include <QToolButton>

#include "art/artwork.h"
#include "platform/twips.h"
#include "window_layout.h"

namespace ornix {

ToolStrip::ToolStrip(QWidget* editor) : QWidget(editor) {
  setObjectName("toolStrip");
  setGeometry(twipsRect(-15, 0, layout::stripWidth, layout::stripHeight));
  setStyleSheet(
      "#toolStrip { background: black; }"
      "QToolButton { border: 1px solid #2b2b2b; border-radius: 3px; background: #1c1c1c; }"
      "QToolButton:hover { background: #333a42; border-color: #5b6b7d; }"
      "QToolButton:checked { background: #24415f; border-color: #3d7fd9; }"
      "QToolButton:disabled { background: #101010; }");
  setAttribute(Qt::WA_StyledBackground);
  rectangleTool = addButton("rectangleTool", "square", 15, 480, {32, 32}, "SQUARE selection tool");
  circleTool = addButton("circleTool", "circle", 510, 480, {32, 32}, "CIRCLE selection tool");
  polygonTool = addButton("polygonTool", "poly", 1005, 480, {32, 32}, "POLYGON selection tol");
  clipboardButton = addButton("clipboardButton", "make", 1500, 585, {32, 32}, "Save to ClipBoard");
  QToolButton* help = addButton("helpButton", "help", 2100, 480, {24, 24}, "Help File");
  QToolButton* close = addButton("closeButton", "close", 2595, 480, {32, 32}, "Close");
  clipboardButton->setEnabled(false);
  for (QToolButton* tool : {rectangleTool, circleTool, polygonTool}) tool->setCheckable(true);
  rectangleTool->setChecked(true);
  connect(rectangleTool, &QToolButton::clicked, this, [this] { emit toolChosen(ToolKind::rectangle); });
  connect(circleTool, &QToolButton::clicked, this, [this] { emit toolChosen(ToolKind::circle); });
  connect(polygonTool, &QToolButton::clicked, this, [this] { emit toolChosen(ToolKind::polygon); });
  connect(clipboardButton, &QToolButton::clicked, this, &ToolStrip::clipboardClicked);
  connect(help, &QToolButton::clicked, this, &ToolStrip::helpClicked);
  connect(close, &QToolButton::clicked, this, &ToolStrip::closeClicked);
}

QToolButton* ToolStrip::addButton(const char* name, const char* picture, int topTwips, int heightTwips,
                                  QSize pictureSize, const char* tip) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setGeometry(twipsRect(0, topTwips, 480, heightTwips).translated(1, 0));
  button->setIcon(artIcon(QString(":/tools/") + picture + ".svg", pictureSize, devicePixelRatioF()));
  button->setIconSize(pictureSize);
  button->setToolTip(tip);
  button->setAccessibleName(tip);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

void ToolStrip::showChosen(ToolKind kind) {
  rectangleTool->setChecked(kind == ToolKind::rectangle);
  circleTool->setChecked(kind == ToolKind::circle);
  polygonTool->setChecked(kind == ToolKind::polygon);
}

void ToolStrip::setClipboardEnabled(bool enabled) { clipboardButton->setEnabled(enabled); }

}  // namespace ornix
