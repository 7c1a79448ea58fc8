#include "frm_map.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include "closing_animation.h"
#include "dialogs/message_dialogs.h"
#include "frm_href.h"
#include "hotspots.h"
#include "map_surface.h"
#include "platform/picture_loader.h"
#include "platform/svg_art.h"
#include "platform/twips.h"
#include "platform/ui.h"
#include "window_layout.h"

namespace ornix {
namespace {

constexpr QSize startPictureSize(500, 300);
constexpr QSize firstClientTwips(8295, 4740);
constexpr int scrollPageStep = 30;

std::string homeFolder() { return QFile::encodeName(QDir::homePath() + "/").toStdString(); }

QSize timesTwips(QSize pixelSize) { return pixelSize * twipsPerPixel; }

}  // namespace

frmMap::frmMap(Ui& ui) : ui(ui), notifier(ui), doc(*this, notifier, homeFolder()) {
  setObjectName("frmMap");
  setWindowTitle("Ornix");
  setAccessibleName(windowTitle());
  setWindowIcon(QIcon(svgPixmap(":/ornix.svg", {64, 64}, 1.0)));
  resize(pixels(firstClientTwips.width()), pixels(firstClientTwips.height()));
  setMinimumSize(pixels(layout::stripWidth + layout::barThickness) + 40, pixels(layout::stripHeight));
  buildSurface();
  buildToolStrip();
  buildFileMenu();
}

frmMap::~frmMap() = default;

void frmMap::buildToolStrip() {
  Picture1 = new QWidget(this);
  Picture1->setObjectName("Picture1");
  Picture1->setGeometry(twipsRect(-15, 0, layout::stripWidth, layout::stripHeight));
  Picture1->setStyleSheet(
      "#Picture1 { background: black; }"
      "QToolButton { border: 1px solid #2b2b2b; border-radius: 3px; background: #1c1c1c; }"
      "QToolButton:hover { background: #333a42; border-color: #5b6b7d; }"
      "QToolButton:checked { background: #24415f; border-color: #3d7fd9; }"
      "QToolButton:disabled { background: #101010; }");
  auto* cmdSquare = addToolButton("cmdSquare", "square", 15, 480, {32, 32}, "SQUARE selection tool");
  auto* cmdCircle = addToolButton("cmdCircle", "circle", 510, 480, {32, 32}, "CIRCLE selection tool");
  auto* cmdPoly = addToolButton("cmdPoly", "poly", 1005, 480, {32, 32}, "POLYGON selection tol");
  cmdMake = addToolButton("cmdMake", "make", 1500, 585, {32, 32}, "Save to ClipBoard");
  auto* cmdHelp = addToolButton("cmdHelp", "help", 2100, 480, {24, 24}, "Help File");
  auto* cmdClose = addToolButton("cmdClose", "close", 2595, 480, {32, 32}, "Close");
  cmdMake->setEnabled(false);

  // The three tools show which one is chosen.
  for (auto* button : {cmdSquare, cmdCircle, cmdPoly}) button->setCheckable(true);
  cmdSquare->setChecked(true);
  connect(cmdSquare, &QToolButton::clicked, this, [this] { chooseTool(Tool::rectangle); });
  connect(cmdCircle, &QToolButton::clicked, this, [this] { chooseTool(Tool::circle); });
  connect(cmdPoly, &QToolButton::clicked, this, [this] { chooseTool(Tool::polygon); });
  connect(cmdMake, &QToolButton::clicked, this, &frmMap::saveToClipboardRequested);
  connect(cmdHelp, &QToolButton::clicked, this, &frmMap::helpRequested);
  connect(cmdClose, &QToolButton::clicked, this, &frmMap::exitRequested);
}

QToolButton* frmMap::addToolButton(const char* name, const char* picture, int topTwips,
                                   int heightTwips, QSize pictureSize, const char* tip) {
  auto* button = new QToolButton(Picture1);
  button->setObjectName(name);
  button->setGeometry(twipsRect(0, topTwips, 480, heightTwips).translated(1, 0));
  button->setIcon(QIcon(svgPixmap(QString(":/tools/") + picture + ".svg", pictureSize, devicePixelRatioF())));
  button->setIconSize(pictureSize);
  button->setToolTip(tip);
  button->setAccessibleName(tip);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

void frmMap::chooseTool(Tool tool) {
  doc.editorState().currentTool = tool;
  for (auto [name, shown] : {std::pair{"cmdSquare", Tool::rectangle}, std::pair{"cmdCircle", Tool::circle},
                             std::pair{"cmdPoly", Tool::polygon}}) {
    findChild<QToolButton*>(name)->setChecked(tool == shown);
  }
}

void frmMap::buildSurface() {
  Image1 = new DropArea(this);
  mapee = new MapSurface(this);
  mapee->setPicture(svgImage(":/start_picture.svg", startPictureSize));
  mapee->move(layout::stripWidthPixels, 0);
  hotspots = std::make_unique<Hotspots>(doc, areaRegions, *mapee);
  tools = std::make_unique<DrawingTools>(doc, areaRegions, *mapee, *hotspots, *this, ui);
  HScroll1 = new QScrollBar(Qt::Horizontal, this);
  VScroll1 = new QScrollBar(Qt::Vertical, this);
  HScroll1->setObjectName("HScroll1");
  VScroll1->setObjectName("VScroll1");
  HScroll1->setAccessibleName("Horizontal scroll");
  VScroll1->setAccessibleName("Vertical scroll");
  for (QScrollBar* bar : {HScroll1, VScroll1}) {
    bar->setRange(0, 0);
    bar->setPageStep(scrollPageStep);
    bar->setSingleStep(1);
    bar->setTracking(false);  // moves on release of a dragged thumb, not while dragging
    bar->hide();
  }
  Image1->lower();
  connect(mapee, &MapSurface::pressed, this, [this](Qt::MouseButton button, QPointF at) { tools->mapee_MouseDown(button, at); });
  connect(mapee, &MapSurface::moved, this, [this](Qt::MouseButtons held, QPointF at) { tools->mapee_MouseMove(held, at); });
  connect(mapee, &MapSurface::released, this, [this](Qt::MouseButton button, QPointF at) { tools->mapee_MouseUp(button, at); });
  connect(mapee, &MapSurface::dropped, this, &frmMap::dropReceived);
  // A drag passing over the picture: the release that ends it draws nothing.
  connect(mapee, &MapSurface::dragEntered, this, [this] { doc.editorState().ignoreNextRelease = true; });
  connect(Image1, &DropArea::released, this, &frmMap::Image1_MouseUp);
  connect(Image1, &DropArea::dropped, this, &frmMap::dropReceived);
  connect(VScroll1, &QScrollBar::valueChanged, this, &frmMap::VScroll1_Change);
  connect(HScroll1, &QScrollBar::valueChanged, this, &frmMap::HScroll1_Change);
}

QAction* frmMap::addMenuEntry(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

// The shortcut keys are shown after a tab, not bound to the entries: the
// window's own key handling runs each key's command, exactly once.
void frmMap::buildFileMenu() {
  mnuFile = new QMenu("File", this);
  mnuFile->setObjectName("mnuFile");
  connect(addMenuEntry(mnuFile, "mnuFileOpen", "Open\tF4"), &QAction::triggered, this, &frmMap::openRequested);
  mnuFile->addSeparator();
  mnuFileSave1 = addMenuEntry(mnuFile, "mnuFileSave1", "Save To ClipBoard\tF5");
  connect(mnuFileSave1, &QAction::triggered, this, &frmMap::saveToClipboardRequested);
  const std::array<QString, 4> saves = {"Save As an ORNX\tF6", "Save As HTML\tF7", "Save As Text\tF8",
                                        "Save in Original Page\tF9"};
  for (int entry = 0; entry < 4; ++entry) {
    QAction* action = addMenuEntry(mnuFile, "mnuFileSave2File", saves[static_cast<std::size_t>(entry)]);
    action->setData(entry);
    connect(action, &QAction::triggered, this, [this, entry] { emit saveToFileRequested(entry); });
    mnuFileSave2File[static_cast<std::size_t>(entry)] = action;
  }
  mnuFileSave2File[3]->setEnabled(false);
  mnuFile->addSeparator();
  QMenu* mnuFileImg = mnuFile->addMenu("Image Source Option");
  mnuFileImg->setObjectName("mnuFileImg");
  const std::array<QString, 3> sources = {"Set default subfolder to \"images/\"",
                                          "Eliminate use of subfolder", "Enter custom folder location"};
  for (int entry = 0; entry < 3; ++entry) {
    QAction* action = addMenuEntry(mnuFileImg, "mnuFileImgDefault", sources[static_cast<std::size_t>(entry)]);
    action->setData(entry);
    connect(action, &QAction::triggered, this, [this, entry] { emit imageSourceRequested(entry); });
  }
  mnuFile->addSeparator();
  connect(addMenuEntry(mnuFile, "mnuFileHelp", "Help\tF1"), &QAction::triggered, this, &frmMap::helpRequested);
  connect(addMenuEntry(mnuFile, "mnuFileDelete", "Uninstall help"), &QAction::triggered, this,
          &frmMap::uninstallHelpRequested);
  mnuFile->addSeparator();
  const QString exitCaption = "Exit" + QString(29, ' ') + "Esc";
  connect(addMenuEntry(mnuFile, "mnuFileClose", exitCaption), &QAction::triggered, this, &frmMap::exitRequested);
  connect(mnuFile, &QMenu::aboutToShow, this, &frmMap::mnuFile_Click);
}

void frmMap::mnuFile_Click() { doc.editorState().popupPending = false; }

// Applied just before the menu pops up; between popups the entries keep their state.
void frmMap::applyFileMenuRule() {
  const bool hasAreas = !doc.areaList().empty();
  mnuFileSave1->setEnabled(hasAreas);
  for (std::size_t entry = 0; entry < 3; ++entry) mnuFileSave2File[entry]->setEnabled(hasAreas);
  if (hasAreas) mnuFileSave2File[3]->setEnabled(doc.hasSourcePage());
}

void frmMap::disableOriginalPageSave() { mnuFileSave2File[3]->setEnabled(false); }

void frmMap::focusPicture() { mapee->setFocus(); }

void frmMap::endDrawing() { tools->endDrawing(); }

void frmMap::closeEvent(QCloseEvent* event) {
  if (skipSavePrompt) {
    event->accept();
    return;
  }
  if (closeQuestion && closeQuestion()) {
    event->ignore();
    return;
  }
  if (isMinimized()) showNormal();
  closingWindow = true;
  if (isVisible()) playClosingAnimation(*this, ui);
  event->accept();
}

void frmMap::keyPressEvent(QKeyEvent* event) { Form_KeyDown(event->key()); }

void frmMap::Form_KeyDown(int key) {
  EditorState& state = doc.editorState();
  const bool loaded = doc.imageLoaded();
  const auto run = [&state](auto command) {
    state.popupPending = false;
    command();
  };
  switch (key) {
    case Qt::Key_F1: run([this] { emit helpRequested(); }); break;
    case Qt::Key_F2:
    case Qt::Key_F4: run([this] { emit openRequested(); }); break;
    case Qt::Key_F5:
      if (loaded && confirmClipboard()) run([this] { emit saveToClipboardRequested(); });
      break;
    case Qt::Key_F6:
    case Qt::Key_F7:
    case Qt::Key_F8:
      if (loaded) run([this, key] { emit saveToFileRequested(key - Qt::Key_F6); });
      break;
    case Qt::Key_F9:
      if (loaded && doc.hasSourcePage()) run([this] { emit saveToFileRequested(3); });
      break;
    case Qt::Key_Escape: close(); break;
    default: break;
  }
}

bool frmMap::confirmClipboard() {
  const Message question{"Confirm Clipboard:", "Saving present map to the clipboard.\r\n\r\nContinue?",
                         MessageIcon::none, MessageButtons::yesNo};
  return ui.messageBox(question) == Answer::yes;
}

void frmMap::showFileMenu() {
  doc.editorState().popupPending = true;
  applyFileMenuRule();
  ui.popupMenu(*mnuFile, QCursor::pos());
  ui.processEvents();
}

std::optional<std::size_t> frmMap::areaAt(QPointF position) const { return hotspots->areaAt(position); }

void frmMap::selectAreaAt(QPointF position) {
  const std::optional<std::size_t> index = areaAt(position);
  if (index) {
    editArea(*index);
  } else if (doc.editorState().pressInHotspot) {
    showMsgSm(ui, this, "Cannot Map Selection",
              "You can't begin a new hotspot on imagemap from inside of another selected area.");
  }
}

void frmMap::editArea(std::size_t index) {
  const bool hasAttributes = !doc.hrefList().empty();
  attributes.curHREF = hasAttributes ? doc.hrefList().at(index) : std::string();
  attributes.curTarget = hasAttributes ? doc.targetList().at(index) : std::string();
  attributes.curAlt = hasAttributes ? doc.altList().at(index) : std::string();
  frmHREF dialog(attributes, this);
  ui.showModal(dialog);
  if (attributes.hrefResult == deleteMarker) {
    hotspots->deleteArea(index);
    areasChanged();
    return;
  }
  if (attributes.hrefResult.empty()) {
    doc.editorState().radius = 0.0f;
  } else {
    // Everything after the quote that opens the HREF value is replaced.
    const std::string& text = doc.areaList().at(index);
    const std::size_t href = text.find("HREF=");
    const std::string prefix = href == std::string::npos ? text : text.substr(0, href + 6);
    doc.rewriteArea(index, prefix + attributes.hrefResult, attributes.curHREF, attributes.curTarget,
                    attributes.curAlt);
  }
  mapee->setFocus();
}

void frmMap::areasChanged() { cmdMake->setEnabled(!doc.areaList().empty()); }

void frmMap::letEventsRun() { ui.processEvents(); }

void frmMap::setBusy(bool busy) { ui.setBusy(busy); }

// The area's region, highlight and outline, then a pause so the areas appear one by one.
std::int32_t frmMap::rebuildArea(const ReadShape& shape) {
  std::vector<QPoint> points;
  for (const Point32& point : shape.points) points.emplace_back(point.x, point.y);
  EditorState& state = doc.editorState();
  std::int32_t region = 0;
  switch (shape.kind) {
    case ShapeKind::rect:
    case ShapeKind::circle:
      state.anchorX = static_cast<std::int16_t>(points.front().x());
      state.anchorY = static_cast<std::int16_t>(points.front().y());
      state.radius = shape.radius;
      region = shape.kind == ShapeKind::rect ? areaRegions.createRect(points.at(0), points.at(1))
                                             : areaRegions.createCircle(points.front(), shape.radius);
      break;
    case ShapeKind::poly:
      state.polyPoints = shape.points;
      region = areaRegions.createPolygon(QPolygon(QList<QPoint>(points.begin(), points.end())));
      break;
  }
  hotspots->ReDraw(region);
  hotspots->drawOutline(shape.kind, points, shape.radius);
  ui.pause(200);
  return region;
}

void frmMap::Image1_MouseUp(Qt::MouseButton button, QPointF) {
  if (button == Qt::RightButton) showFileMenu();
}

void frmMap::VScroll1_Change(int value) { mapee->move(mapee->x(), -value); }

void frmMap::HScroll1_Change(int value) { mapee->move(layout::stripWidthPixels - value, mapee->y()); }

bool frmMap::loadPicture(const std::string& path) {
  const std::optional<QImage> picture = readPicture(QFile::decodeName(QByteArray::fromStdString(path)));
  if (!picture) return false;
  tools->endDrawing();  // what was being drawn belongs to the old picture
  mapee->setPicture(*picture);
  return true;
}

void frmMap::fitWindowToImage() {
  const layout::WindowFit fit =
      layout::fitWindowToImage(timesTwips(mapee->size()), timesTwips(screen()->geometry().size()));
  if (fit.toCorner) move(screen()->geometry().topLeft());
  setOuterSizeTwips(fit.width, fit.height);
  Form_Resize();
}

void frmMap::enableMake(bool enabled) { cmdMake->setEnabled(enabled); }

void frmMap::releaseRegion(std::int32_t handle) { areaRegions.release(handle); }

void frmMap::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void frmMap::Form_Resize() {
  if (closingWindow) return;
  const QSize client = timesTwips(size());
  if (!layout::canLayOut(client)) return;
  mapee->move(layout::stripWidthPixels, 0);
  const layout::ResizeLayout placed = layout::formResize(client, outerSizeTwips(), mapee->size());
  HScroll1->setGeometry(twipsRect(placed.hBar.x(), placed.hBar.y(), placed.hBar.width(), placed.hBar.height()));
  VScroll1->setGeometry(twipsRect(placed.vBar.x(), placed.vBar.y(), placed.vBar.width(), placed.vBar.height()));
  for (auto [bar, maximum] : {std::pair{HScroll1, placed.hMax}, std::pair{VScroll1, placed.vMax}}) {
    // The picture shows its top-left corner after a layout, wherever the thumb
    // is; the bar's next change moves it to the thumb.
    const QSignalBlocker quiet(bar);
    bar->setRange(0, std::max<int>(maximum, 0));
    bar->setVisible(maximum > 0);
  }
  Image1->setGeometry(placed.dropArea);
}

// The window's outer size includes whatever frame the window manager adds.
QSize frmMap::outerSizeTwips() const { return timesTwips(frameGeometry().size()); }

void frmMap::setOuterSizeTwips(int width, int height) {
  // Width first, then height: each change lays the window out again.
  const QSize frame = frameGeometry().size() - size();
  resize(pixels(width) - frame.width(), this->height());
  resize(this->width(), pixels(height) - frame.height());
}

}  // namespace ornix
