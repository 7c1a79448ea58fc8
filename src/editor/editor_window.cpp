#include "editor_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QScreen>
#include <cmath>

#include "art/artwork.h"
#include "closing_animation.h"
#include "dialogs/area_attributes_dialog.h"
#include "dialogs/message_dialogs.h"
#include "file_menu.h"
#include "model/attribute_entry.h"
#include "picture_canvas.h"
#include "picture_viewport.h"
#include "platform/twips.h"
#include "platform/ui.h"
#include "tool_strip.h"
#include "window_layout.h"
#include "zoom.h"

namespace ornix {
namespace {

constexpr QSize startPictureSize(500, 300);
constexpr QSize firstClientTwips(8295, 4740);
constexpr int pauseAfterArea = 200;      // milliseconds, so the areas appear one by one
constexpr double handleReachPixels = 4;  // on the screen

QSize timesTwips(QSize pixelSize) { return pixelSize * twipsPerPixel; }

}  // namespace

EditorWindow::EditorWindow(Ui& ui)
    : ui(ui), dropArea(new DropArea(this)), canvas(new PictureCanvas(this)), edited(*canvas) {
  setObjectName("editorWindow");
  setWindowTitle("Ornix");
  setAccessibleName(windowTitle());
  setWindowIcon(QIcon(artPixmap(":/ornix.svg", {64, 64}, 1.0)));
  resize(pixels(firstClientTwips.width()), pixels(firstClientTwips.height()));
  setMinimumSize(pixels(layout::stripWidth + layout::barThickness) + 40, pixels(layout::stripHeight));
  buildPicture();
  toolStrip = new ToolStrip(this);
  connectToolStrip();
  fileMenu = new FileMenu(this);
  connectFileMenu();
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::buildPicture() {
  dropArea->lower();
  canvas->setPicture(artImage(":/start_picture.svg", startPictureSize));
  canvas->move(layout::stripWidthPixels, 0);
  viewport = std::make_unique<PictureViewport>(this, canvas, dropArea);
  gestures = std::make_unique<PictureGestures>(*canvas, static_cast<GestureHost&>(*this));
  connectCanvas();
}

void EditorWindow::connectCanvas() {
  connect(
      canvas, &PictureCanvas::pressed, this,
      [this](Qt::MouseButton button, QPointF at, Qt::KeyboardModifiers keys) { gestures->press(button, at, keys); });
  connect(canvas, &PictureCanvas::moved, this,
          [this](Qt::MouseButtons held, QPointF at, Qt::KeyboardModifiers keys) { gestures->move(held, at, keys); });
  connect(canvas, &PictureCanvas::released, this,
          [this](Qt::MouseButton button, QPointF at) { gestures->release(button, at); });
  connect(canvas, &PictureCanvas::wheelTurned, this, &EditorWindow::wheelTurned);
  connect(canvas, &PictureCanvas::dropped, this, &EditorWindow::dropReceived);
  // A drag passing over the picture: the release that ends it draws nothing.
  connect(canvas, &PictureCanvas::dragEntered, this, [this] { gestures->setIgnoreNextRelease(true); });
  connect(dropArea, &DropArea::dropped, this, &EditorWindow::dropReceived);
  connect(dropArea, &DropArea::released, this, [this](Qt::MouseButton button) {
    if (button == Qt::RightButton) showFileMenu();
  });
}

void EditorWindow::connectToolStrip() {
  connect(toolStrip, &ToolStrip::toolChosen, this, &EditorWindow::chooseTool);
  connect(toolStrip, &ToolStrip::clipboardClicked, this, &EditorWindow::saveToClipboardRequested);
  connect(toolStrip, &ToolStrip::helpClicked, this, &EditorWindow::helpRequested);
  connect(toolStrip, &ToolStrip::closeClicked, this, &EditorWindow::exitRequested);
}

void EditorWindow::connectFileMenu() {
  connect(fileMenu, &FileMenu::openChosen, this, &EditorWindow::openRequested);
  connect(fileMenu, &FileMenu::clipboardChosen, this, &EditorWindow::saveToClipboardRequested);
  connect(fileMenu, &FileMenu::saveChosen, this, &EditorWindow::saveToFileRequested);
  connect(fileMenu, &FileMenu::imageFolderChosen, this, &EditorWindow::imageFolderRequested);
  connect(fileMenu, &FileMenu::helpChosen, this, &EditorWindow::helpRequested);
  connect(fileMenu, &FileMenu::uninstallChosen, this, &EditorWindow::uninstallHelpRequested);
  connect(fileMenu, &FileMenu::exitChosen, this, &EditorWindow::exitRequested);
  connect(fileMenu, &FileMenu::undoChosen, this, &EditorWindow::undo);
  connect(fileMenu, &FileMenu::redoChosen, this, &EditorWindow::redo);
  connect(fileMenu, &FileMenu::zoomInChosen, this, &EditorWindow::zoomIn);
  connect(fileMenu, &FileMenu::zoomOutChosen, this, &EditorWindow::zoomOut);
  connect(fileMenu, &FileMenu::actualSizeChosen, this, &EditorWindow::showActualSize);
  connect(fileMenu, &QMenu::aboutToShow, this, [this] { gestures->setMenuPending(false); });
}

void EditorWindow::chooseTool(ToolKind kind) {
  gestures->chooseTool(kind);
  toolStrip->showChosen(kind);
}

std::string EditorWindow::imagePath() const {
  if (map().picture) return map().picture->path;
  return QFile::encodeName(QDir::homePath() + "/").toStdString();
}

void EditorWindow::showPicture(const Picture& picture, const QImage& image) {
  gestures->endDrawing();  // what was being drawn belongs to the old picture
  canvas->setPicture(image);
  edited.showPicture(picture);
  lastMoved.reset();
  areasChanged();
  fitToPicture();
}

void EditorWindow::addReadArea(Area area) {
  edited.addReadArea(std::move(area));
  areasChanged();
}

bool EditorWindow::pauseInShow(int milliseconds) { return ui.pauseUnlessSkipped(milliseconds, *canvas); }

void EditorWindow::addDrawnArea(Area area, bool pauseAfter) {
  changeMap({map().areas.size(), {}, {std::move(area)}, map().sourcePage, map().sourcePage}, true);
  if (pauseAfter) ui.pause(pauseAfterArea);
}

void EditorWindow::replaceArea(MovedArea moved) {
  changeMap({moved.index, {map().areas.at(moved.index)}, {std::move(moved.area)}, map().sourcePage, map().sourcePage});
  lastMoved = moved.index;
}

void EditorWindow::clearAreas(bool dropPage) {
  const std::shared_ptr<const SplitPage> page = dropPage ? nullptr : map().sourcePage;
  if (!map().areas.empty() || page != map().sourcePage) changeMap({0, map().areas, {}, map().sourcePage, page});
  if (dropPage) fileMenu->disableOriginalPageSave();
}

void EditorWindow::changeMap(MapChange change, bool outlineDrawn) {
  if (change.removed.size() != change.inserted.size()) lastMoved.reset();
  edited.change(std::move(change), outlineDrawn);
  areasChanged();
}

void EditorWindow::undo() {
  gestures->endDrawing();
  if (edited.undo()) areasChanged();
}

void EditorWindow::redo() {
  gestures->endDrawing();
  if (edited.redo()) areasChanged();
}

void EditorWindow::areasChanged() {
  toolStrip->setClipboardEnabled(!map().areas.empty());
  if (lastMoved && *lastMoved >= map().areas.size()) lastMoved.reset();
}

void EditorWindow::endDrawing() { gestures->endDrawing(); }

void EditorWindow::ignoreNextRelease(bool ignore) { gestures->setIgnoreNextRelease(ignore); }

void EditorWindow::focusPicture() { canvas->setFocus(); }

std::int32_t EditorWindow::handleReach() const {
  return static_cast<std::int32_t>(std::ceil(handleReachPixels / canvas->scale()));
}

void EditorWindow::editAreaAt(QPointF position, bool pressedInArea) {
  if (const std::optional<std::size_t> index = edited.areaAt(position)) {
    editArea(*index);
  } else if (pressedInArea) {
    showNote(ui, this, "Cannot Map Selection",
             "You can't begin a new hotspot on imagemap from inside of another selected area.");
  }
}

// The attributes dialog's outcome edits the area in place, deletes it, or
// leaves it as it was.
void EditorWindow::editArea(std::size_t index) {
  const Area& area = map().areas.at(index);
  AreaAttributesDialog dialog(area.attributes, this);
  ui.showModal(dialog);
  if (dialog.choice() == AttributesChoice::remove) {
    changeMap({index, {area}, {}, map().sourcePage, map().sourcePage});
    return;
  }
  if (dialog.choice() == AttributesChoice::enter) {
    if (std::optional<Attributes> entered =
            enteredAttributes(area.attributes, dialog.typedHref(), dialog.typedTarget(), dialog.typedAlt())) {
      Area edit = area;
      edit.attributes = std::move(*entered);
      if (edit != area) changeMap({index, {area}, {std::move(edit)}, map().sourcePage, map().sourcePage});
    }
  }
  canvas->setFocus();
}

void EditorWindow::showFileMenu() {
  gestures->setMenuPending(true);
  const double scale = canvas->scale();
  const bool picture = map().picture.has_value();
  fileMenu->enableFor(!map().areas.empty(), map().sourcePage != nullptr,
                      {edited.canUndo(), edited.canRedo(), picture && zoom::in(scale) != scale,
                       picture && zoom::out(scale) != scale, scale != 1.0});
  ui.popupMenu(*fileMenu, QCursor::pos());
  ui.processEvents();
}

void EditorWindow::keyPressEvent(QKeyEvent* event) {
  handleKey(event->key(), event->modifiers());
  if (event->key() == Qt::Key_Control) gestures->showPointer(canvas->mapFromGlobal(QCursor::pos()), event->modifiers());
}

void EditorWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Control) gestures->showPointer(canvas->mapFromGlobal(QCursor::pos()), event->modifiers());
}

void EditorWindow::handleKey(int key, Qt::KeyboardModifiers modifiers) {
  if (handleEditingKey(key, modifiers)) return;
  const bool loaded = map().picture.has_value();
  const auto run = [this](auto command) {
    gestures->setMenuPending(false);
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
      if (loaded) run([this] { emit saveToFileRequested(OutputKind::mapFile); });
      break;
    case Qt::Key_F7:
      if (loaded) run([this] { emit saveToFileRequested(OutputKind::htmlPage); });
      break;
    case Qt::Key_F8:
      if (loaded) run([this] { emit saveToFileRequested(OutputKind::textFile); });
      break;
    case Qt::Key_F9:
      if (loaded && map().sourcePage) run([this] { emit saveToFileRequested(OutputKind::sourcePage); });
      break;
    case Qt::Key_Escape: close(); break;
    default: break;
  }
}

// Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo; Ctrl+= (or +), Ctrl+- and
// Ctrl+0 zoom; an arrow moves the area last moved by a pixel, with Shift by ten.
bool EditorWindow::handleEditingKey(int key, Qt::KeyboardModifiers modifiers) {
  const bool control = modifiers.testFlag(Qt::ControlModifier);
  const bool shift = modifiers.testFlag(Qt::ShiftModifier);
  const int step = shift ? 10 : 1;
  if (control && key == Qt::Key_Z) {
    shift ? redo() : undo();
  } else if (control && key == Qt::Key_Y) {
    redo();
  } else if (control && (key == Qt::Key_Equal || key == Qt::Key_Plus)) {
    zoomIn();
  } else if (control && key == Qt::Key_Minus) {
    zoomOut();
  } else if (control && key == Qt::Key_0) {
    showActualSize();
  } else if (!control && (key == Qt::Key_Left || key == Qt::Key_Right)) {
    moveLastMoved(key == Qt::Key_Left ? -step : step, 0);
  } else if (!control && (key == Qt::Key_Up || key == Qt::Key_Down)) {
    moveLastMoved(0, key == Qt::Key_Up ? -step : step);
  } else {
    return false;
  }
  return true;
}

void EditorWindow::moveLastMoved(int dx, int dy) {
  if (!lastMoved || !map().picture) return;
  const Area& area = map().areas.at(*lastMoved);
  Area shifted = moved(area, {dx, dy}, {map().picture->width, map().picture->height});
  if (shifted != area) replaceArea({*lastMoved, std::move(shifted)});
}

bool EditorWindow::confirmClipboard() {
  const Message question{"Confirm Clipboard:", "Saving present map to the clipboard.\r\n\r\nContinue?",
                         MessageIcon::none, MessageButtons::yesNo};
  return ui.messageBox(question) == Answer::yes;
}

void EditorWindow::zoomIn() { zoomTo(zoom::in(canvas->scale()), {}); }

void EditorWindow::zoomOut() { zoomTo(zoom::out(canvas->scale()), {}); }

void EditorWindow::showActualSize() { zoomTo(1.0, {}); }

void EditorWindow::zoomTo(double scale, QPointF anchor) {
  if (!map().picture) return;
  viewport->zoom(scale, anchor);
}

// Ctrl and the wheel zoom about the pointer; the wheel alone scrolls.
void EditorWindow::wheelTurned(double steps, QPointF position, Qt::KeyboardModifiers modifiers) {
  if (!modifiers.testFlag(Qt::ControlModifier)) {
    viewport->scrollBy(steps);
    return;
  }
  const double scale = steps > 0 ? zoom::in(canvas->scale()) : zoom::out(canvas->scale());
  zoomTo(scale, viewport->inView(position));
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  if (closeWithoutAsking) {
    event->accept();
    return;
  }
  if (closeQuestion && closeQuestion()) {
    event->ignore();
    return;
  }
  if (isMinimized()) showNormal();
  closing = true;
  if (isVisible()) playClosingAnimation(*this, ui);
  event->accept();
}

// A new picture is shown at 100%, and the window takes its size.
void EditorWindow::fitToPicture() {
  canvas->setScale(1.0);
  const layout::WindowFit fit =
      layout::fitToPicture(timesTwips(canvas->size()), timesTwips(screen()->geometry().size()));
  if (fit.toCorner) move(screen()->geometry().topLeft());
  setOuterSizeTwips(fit.width, fit.height);
  layOut();
}

void EditorWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layOut();
}

void EditorWindow::layOut() {
  if (closing) return;
  const QSize client = timesTwips(size());
  if (!layout::canLayOut(client)) return;
  viewport->layOut(client, outerSizeTwips());
}

// The window's outer size includes whatever frame the window manager adds.
QSize EditorWindow::outerSizeTwips() const { return timesTwips(frameGeometry().size()); }

void EditorWindow::setOuterSizeTwips(int width, int height) {
  // Width first, then height: each change lays the window out again.
  const QSize frame = frameGeometry().size() - size();
  resize(pixels(width) - frame.width(), this->height());
  resize(this->width(), pixels(height) - frame.height());
}

}  // namespace ornix
