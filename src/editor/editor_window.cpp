#include "editor_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <utility>

#include "area_list_window.h"
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
constexpr double handleReachPixels = 4;  // on the screen

QSize timesTwips(QSize pixelSize) { return pixelSize * twipsPerPixel; }

}  // namespace

EditorWindow::EditorWindow(Ui& ui)
    : ui(ui), dropArea(new DropArea(this)), canvas(new PictureCanvas(this)), overlay(*canvas, mapDocument.map().areas) {
  setObjectName("editorWindow");
  setWindowTitle("Ornix");
  setAccessibleName(windowTitle());
  // The icon is drawn once the window is up: the window need not wait for it.
  QTimer::singleShot(0, this, [this] { setWindowIcon(QIcon(artPixmap(":/ornix.svg", {64, 64}, 1.0))); });
  resize(pixels(firstClientTwips.width()), pixels(firstClientTwips.height()));
  setMinimumSize(pixels(layout::stripWidth + layout::barThickness) + 40, pixels(layout::stripHeight));
  buildPicture();
  toolStrip = new ToolStrip(this);
  connectToolStrip();
  fileMenu = new FileMenu(this);
  connectFileMenu();
  followDocument();
}

// The area list goes first: it reads the document, which goes with the
// window's members, before Qt deletes the window's children.
EditorWindow::~EditorWindow() { delete areaListWindow; }

AreaListWindow& EditorWindow::areaList() {
  if (areaListWindow == nullptr) {
    areaListWindow = new AreaListWindow(mapDocument, this);
    connect(areaListWindow, &AreaListWindow::attributesRequested, this, &EditorWindow::editArea);
    emit areaListMade(areaListWindow);
  }
  return *areaListWindow;
}

void EditorWindow::toggleAreaList() {
  if (areaListWindow != nullptr && areaListWindow->isVisible()) {
    areaListWindow->hide();
  } else {
    areaList().showBeside(*this);
  }
}

void EditorWindow::buildPicture() {
  dropArea->lower();
  canvas->setPictureToMake(startPictureSize, [] { return artImage(":/start_picture.svg", startPictureSize); });
  canvas->move(layout::stripWidthPixels, 0);
  viewport = std::make_unique<PictureViewport>(this, canvas, dropArea);
  gestures = std::make_unique<PictureGestures>(*canvas, static_cast<GestureHost&>(*this));
  canvas->setSelectionSource([this]() -> const Area* {
    const std::optional<std::size_t> selected = mapDocument.selected();
    return selected ? &map().areas.at(*selected) : nullptr;
  });
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

// The areas' regions follow each change of the map as it is made, and the
// picture repaints where the change shows; the selection is marked after it.
void EditorWindow::followDocument() {
  connect(&mapDocument, &MapDocument::changing, this, [this](const MapChange& change) { overlay.show(change); });
  connect(&mapDocument, &MapDocument::changed, this, &EditorWindow::areasChanged);
  // A new picture: what was being drawn belongs to the old one.
  connect(&mapDocument, &MapDocument::aboutToReset, this, [this] { gestures->endDrawing(); });
  connect(&mapDocument, &MapDocument::reset, this, [this] {
    canvas->setPicture(mapDocument.pixels());
    overlay.forgetAll();
    areasChanged({});
    fitToPicture();
  });
  connect(&mapDocument, &MapDocument::selectionChanged, this, &EditorWindow::showSelection);
}

void EditorWindow::showSelection(std::optional<std::size_t> index) {
  canvas->selectionChanged();
  if (index) viewport->bringIntoView(canvas->toCanvas(regionOf(map().areas.at(*index)).boundingRect()));
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
  connect(fileMenu, &FileMenu::areaListChosen, this, &EditorWindow::toggleAreaList);
  connect(fileMenu, &FileMenu::importChosen, this, &EditorWindow::importRequested);
  connect(fileMenu, &QMenu::aboutToShow, this, [this] { gestures->setMenuPending(false); });
}

void EditorWindow::chooseTool(ToolKind kind) {
  gestures->chooseTool(kind);
  toolStrip->showChosen(kind);
}

const QWidget& EditorWindow::pictureWidget() const { return *canvas; }

void EditorWindow::addDrawnArea(Area area, DrawnBy drawn) {
  mapDocument.draw(std::move(area));
  if (drawn == DrawnBy::drag) ui.pause(pauseAfterArea);
}

void EditorWindow::replaceArea(MovedArea moved) {
  mapDocument.replace(moved.index, std::move(moved.area), StepKind::move);
  mapDocument.select(moved.index);
}

void EditorWindow::undo() {
  gestures->endDrawing();
  mapDocument.history().undo();
}

void EditorWindow::redo() {
  gestures->endDrawing();
  mapDocument.history().redo();
}

// Every save leaves the page behind: the menu's entry for it goes off.
void EditorWindow::areasChanged(const MapChange& change) {
  toolStrip->setClipboardEnabled(!map().areas.empty());
  if (change.pageBefore && !change.pageAfter) fileMenu->disableOriginalPageSave();
  canvas->selectionChanged();
}

void EditorWindow::ignoreNextReleaseOnPicture() { gestures->setIgnoreNextRelease(true); }

void EditorWindow::acceptReleasesOnPicture() { gestures->setIgnoreNextRelease(false); }

void EditorWindow::focusPicture() { canvas->setFocus(); }

std::int32_t EditorWindow::handleReach() const {
  return static_cast<std::int32_t>(std::ceil(handleReachPixels / canvas->scale()));
}

void EditorWindow::editAreaAt(QPointF position, bool pressedInArea) {
  if (const std::optional<std::size_t> index = overlay.areaAt(position)) {
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
  AreaAttributesDialog dialog(area.attributes, this, map().charset());
  ui.showModal(dialog);
  if (dialog.choice() == AttributesChoice::remove) {
    mapDocument.remove(index);
    return;
  }
  if (dialog.choice() == AttributesChoice::enter) {
    mapDocument.enterAttributes(index, dialog.typedHref(), dialog.typedTarget(), dialog.typedAlt());
  }
  canvas->setFocus();
}

void EditorWindow::showFileMenu() {
  gestures->setMenuPending(true);
  const double scale = canvas->scale();
  const bool picture = map().picture.has_value();
  fileMenu->enableFor(!map().areas.empty(), map().sourcePage != nullptr,
                      {mapDocument.history().canUndo(), mapDocument.history().canRedo(),
                       picture && zoom::in(scale) != scale, picture && zoom::out(scale) != scale, scale != 1.0});
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
    case Qt::Key_F3: run([this] { toggleAreaList(); }); break;
    case Qt::Key_F2:
    case Qt::Key_F4: run([this] { emit openRequested(); }); break;
    case Qt::Key_F5:
      if (loaded && confirmClipboard()) run([this] { emit saveToClipboardRequested(); });
      break;
    case Qt::Key_F6:
      if (loaded) run([this] { emit saveToFileRequested(OutputKind::mapFile); });
      break;
    case Qt::Key_F7:
      if (loaded) {
        const OutputKind page =
            modifiers.testFlag(Qt::ShiftModifier) ? OutputKind::responsivePage : OutputKind::htmlPage;
        run([this, page] { emit saveToFileRequested(page); });
      }
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
// Ctrl+0 zoom; Ctrl+I imports a map; an arrow nudges the selected area by a
// pixel, with Shift by ten.
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
  } else if (control && key == Qt::Key_I) {
    gestures->setMenuPending(false);
    emit importRequested();
  } else if (!control && (key == Qt::Key_Left || key == Qt::Key_Right)) {
    nudgeSelected(key == Qt::Key_Left ? -step : step, 0);
  } else if (!control && (key == Qt::Key_Up || key == Qt::Key_Down)) {
    nudgeSelected(0, key == Qt::Key_Up ? -step : step);
  } else {
    return false;
  }
  return true;
}

void EditorWindow::nudgeSelected(int dx, int dy) {
  const std::optional<std::size_t> selected = mapDocument.selected();
  if (!selected || !map().picture) return;
  const Area& area = map().areas.at(*selected);
  mapDocument.replace(*selected, moved(area, {dx, dy}, {map().picture->width, map().picture->height}), StepKind::nudge);
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
  if (std::exchange(askBeforeClosing, true)) {
    if (closeQuestion && closeQuestion()) {
      event->ignore();
      return;
    }
    if (isMinimized()) showNormal();
    closing = true;
    if (isVisible()) playClosingAnimation(*this, ui);
  }
  // The area list closes with the editor, which keeps the place it was left
  // at for the next run; deleted while still shown, it would not say where.
  if (areaListWindow != nullptr) areaListWindow->close();
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
