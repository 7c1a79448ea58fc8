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
constexpr int farNudge = 10;             // pixels a Shift and an arrow nudge the selected area by

QSize timesTwips(QSize pixelSize) { return pixelSize * twipsPerPixel; }

}  // namespace

EditorWindow::EditorWindow(Ui& ui)
    : ui(ui),
      editorCommands(new EditorCommands(this)),
      dropArea(new DropArea(this)),
      canvas(new PictureCanvas(this)),
      overlay(*canvas, mapDocument.map().areas) {
  setObjectName("editorWindow");
  setWindowTitle("Ornix");
  setAccessibleName(windowTitle());
  // The icon is drawn once the window is up: the window need not wait for it.
  QTimer::singleShot(0, this, [this] { setWindowIcon(QIcon(artPixmap(":/ornix.svg", {64, 64}, 1.0))); });
  resize(pixels(firstClientTwips.width()), pixels(firstClientTwips.height()));
  setMinimumSize(pixels(layout::stripWidth + layout::barThickness) + 40, pixels(layout::stripHeight));
  buildPicture();
  new ToolStrip(*editorCommands, this);
  fileMenu = new FileMenu(*editorCommands, this);
  doOwnCommands();
  followDocument();
  followState();
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
  gestures = std::make_unique<PictureGestures>(*canvas, static_cast<GestureHost&>(*this),
                                               [this] { return editorCommands->chosenTool(); });
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
    fitToPicture();
    areasChanged({});
  });
  connect(&mapDocument, &MapDocument::selectionChanged, this, &EditorWindow::showSelection);
  connect(&mapDocument, &MapDocument::sourcePageHeld, this, &EditorWindow::followState);
  connect(&mapDocument.history(), &QUndoStack::canUndoChanged, this, &EditorWindow::followState);
  connect(&mapDocument.history(), &QUndoStack::canRedoChanged, this, &EditorWindow::followState);
}

// The commands whose work lies in the window. Any command given ends a File
// menu's wait for its release.
void EditorWindow::doOwnCommands() {
  EditorCommands& given = *editorCommands;
  connect(&given, &EditorCommands::aboutToGive, this, [this] { gestures->setMenuPending(false); });
  given.whenGiven(Command::undo, [this] { undo(); });
  given.whenGiven(Command::redo, [this] { redo(); });
  given.whenGiven(Command::zoomIn, [this] { zoomIn(); });
  given.whenGiven(Command::zoomOut, [this] { zoomOut(); });
  given.whenGiven(Command::actualSize, [this] { showActualSize(); });
  given.whenGiven(Command::areaList, [this] { toggleAreaList(); });
  given.whenGiven(Command::closeWindow, [this] { close(); });
  given.whenGiven(Command::saveToClipboardAskingFirst, [this] {
    if (confirmClipboard()) editorCommands->give(Command::saveToClipboard);
  });
  const std::pair<Command, QPoint> nudges[] = {{Command::nudgeLeft, {-1, 0}},
                                               {Command::nudgeRight, {1, 0}},
                                               {Command::nudgeUp, {0, -1}},
                                               {Command::nudgeDown, {0, 1}},
                                               {Command::nudgeLeftByTen, {-farNudge, 0}},
                                               {Command::nudgeRightByTen, {farNudge, 0}},
                                               {Command::nudgeUpByTen, {0, -farNudge}},
                                               {Command::nudgeDownByTen, {0, farNudge}}};
  for (const auto& [command, by] : nudges) given.whenGiven(command, [this, by = by] { nudgeSelected(by.x(), by.y()); });
}

// Which commands can be given, from the document and the view as they stand.
void EditorWindow::followState() {
  const double scale = canvas->scale();
  const bool picture = map().picture.has_value();
  editorCommands->follow({picture, !map().areas.empty(), map().sourcePage != nullptr, mapDocument.history().canUndo(),
                          mapDocument.history().canRedo(), picture && zoom::in(scale) != scale,
                          picture && zoom::out(scale) != scale, scale != 1.0});
}

void EditorWindow::showSelection(std::optional<std::size_t> index) {
  canvas->selectionChanged();
  if (index) viewport->bringIntoView(canvas->toCanvas(regionOf(map().areas.at(*index)).boundingRect()));
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

void EditorWindow::areasChanged(const MapChange&) {
  followState();
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
  ui.popupMenu(*fileMenu, QCursor::pos());
  ui.processEvents();
}

// A command's key comes here only when it was not taken as a shortcut on
// the way (it was held back during a pause): it gives its command all the
// same. Ctrl held or let go changes the pointer over an area.
void EditorWindow::keyPressEvent(QKeyEvent* event) {
  if (QAction* given = editorCommands->actionForKey(event->keyCombination())) return given->trigger();
  if (event->key() == Qt::Key_Control) gestures->showPointer(canvas->mapFromGlobal(QCursor::pos()), event->modifiers());
}

void EditorWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Control) gestures->showPointer(canvas->mapFromGlobal(QCursor::pos()), event->modifiers());
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
  followState();
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
