#include "editor_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>

#include "art/svg_art.h"
#include "closing_animation.h"
#include "dialogs/area_attributes_dialog.h"
#include "dialogs/message_dialogs.h"
#include "file_menu.h"
#include "model/attribute_entry.h"
#include "picture_canvas.h"
#include "platform/twips.h"
#include "platform/ui.h"
#include "tool_strip.h"
#include "window_layout.h"

namespace ornix {
namespace {

constexpr QSize startPictureSize(500, 300);
constexpr QSize firstClientTwips(8295, 4740);
constexpr int scrollPageStep = 30;
constexpr int pauseAfterArea = 200;  // milliseconds, so the areas appear one by one

QSize timesTwips(QSize pixelSize) { return pixelSize * twipsPerPixel; }

}  // namespace

EditorWindow::EditorWindow(Ui& ui) : ui(ui) {
  setObjectName("editorWindow");
  setWindowTitle("Ornix");
  setAccessibleName(windowTitle());
  setWindowIcon(QIcon(svgPixmap(":/ornix.svg", {64, 64}, 1.0)));
  resize(pixels(firstClientTwips.width()), pixels(firstClientTwips.height()));
  setMinimumSize(pixels(layout::stripWidth + layout::barThickness) + 40, pixels(layout::stripHeight));
  buildPicture();
  buildScrollBars();
  toolStrip = new ToolStrip(this);
  connectToolStrip();
  fileMenu = new FileMenu(this);
  connectFileMenu();
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::buildPicture() {
  dropArea = new DropArea(this);
  dropArea->lower();
  canvas = new PictureCanvas(this);
  canvas->setPicture(svgImage(":/start_picture.svg", startPictureSize));
  canvas->move(layout::stripWidthPixels, 0);
  overlay = std::make_unique<AreaOverlay>(*canvas);
  gestures = std::make_unique<PictureGestures>(*canvas, static_cast<GestureHost&>(*this));
  connect(canvas, &PictureCanvas::pressed, this,
          [this](Qt::MouseButton button, QPointF at) { gestures->press(button, at); });
  connect(canvas, &PictureCanvas::moved, this, [this](Qt::MouseButtons held, QPointF at) { gestures->move(held, at); });
  connect(canvas, &PictureCanvas::released, this,
          [this](Qt::MouseButton button, QPointF at) { gestures->release(button, at); });
  connect(canvas, &PictureCanvas::dropped, this, &EditorWindow::dropReceived);
  // A drag passing over the picture: the release that ends it draws nothing.
  connect(canvas, &PictureCanvas::dragEntered, this, [this] { gestures->setIgnoreNextRelease(true); });
  connect(dropArea, &DropArea::dropped, this, &EditorWindow::dropReceived);
  connect(dropArea, &DropArea::released, this, [this](Qt::MouseButton button) {
    if (button == Qt::RightButton) showFileMenu();
  });
}

void EditorWindow::buildScrollBars() {
  horizontalScroll = new QScrollBar(Qt::Horizontal, this);
  verticalScroll = new QScrollBar(Qt::Vertical, this);
  horizontalScroll->setObjectName("horizontalScroll");
  verticalScroll->setObjectName("verticalScroll");
  horizontalScroll->setAccessibleName("Horizontal scroll");
  verticalScroll->setAccessibleName("Vertical scroll");
  for (QScrollBar* bar : {horizontalScroll, verticalScroll}) {
    bar->setRange(0, 0);
    bar->setPageStep(scrollPageStep);
    bar->setSingleStep(1);
    bar->setTracking(false);  // moves on release of a dragged thumb, not while dragging
    bar->hide();
  }
  connect(verticalScroll, &QScrollBar::valueChanged, this, [this](int value) { canvas->move(canvas->x(), -value); });
  connect(horizontalScroll, &QScrollBar::valueChanged, this,
          [this](int value) { canvas->move(layout::stripWidthPixels - value, canvas->y()); });
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
  connect(fileMenu, &QMenu::aboutToShow, this, [this] { gestures->setMenuPending(false); });
}

void EditorWindow::chooseTool(ToolKind kind) {
  gestures->chooseTool(kind);
  toolStrip->showChosen(kind);
}

std::string EditorWindow::imagePath() const {
  if (currentMap.picture) return currentMap.picture->path;
  return QFile::encodeName(QDir::homePath() + "/").toStdString();
}

void EditorWindow::showPicture(const Picture& picture, const QImage& image) {
  gestures->endDrawing();  // what was being drawn belongs to the old picture
  canvas->setPicture(image);
  overlay->forgetAll();
  currentMap = {picture, {}, currentMap.sourcePage};
  areasChanged();
  fitToPicture();
}

void EditorWindow::holdSourcePage(std::shared_ptr<const SplitPage> page) { currentMap.sourcePage = std::move(page); }

void EditorWindow::dropSourcePage() {
  currentMap.sourcePage = nullptr;
  fileMenu->disableOriginalPageSave();
}

void EditorWindow::addReadArea(Area area) {
  overlay->append(area);
  currentMap.areas.push_back(std::move(area));
  areasChanged();
}

void EditorWindow::addDrawnArea(Area area, bool pauseAfter) {
  overlay->append(area, true);
  currentMap.areas.push_back(std::move(area));
  if (pauseAfter) ui.pause(pauseAfterArea);
  areasChanged();
}

void EditorWindow::clearAreas() {
  while (!currentMap.areas.empty()) removeArea(currentMap.areas.size() - 1);
}

void EditorWindow::removeArea(std::size_t index) {
  overlay->remove(index, currentMap.areas.at(index));
  currentMap.areas.erase(currentMap.areas.begin() + static_cast<std::ptrdiff_t>(index));
  areasChanged();
}

void EditorWindow::areasChanged() { toolStrip->setClipboardEnabled(!currentMap.areas.empty()); }

void EditorWindow::endDrawing() { gestures->endDrawing(); }

void EditorWindow::ignoreNextRelease(bool ignore) { gestures->setIgnoreNextRelease(ignore); }

void EditorWindow::focusPicture() { canvas->setFocus(); }

void EditorWindow::editAreaAt(QPointF position, bool pressedInArea) {
  if (const std::optional<std::size_t> index = overlay->areaAt(position)) {
    editArea(*index);
  } else if (pressedInArea) {
    showNote(ui, this, "Cannot Map Selection",
             "You can't begin a new hotspot on imagemap from inside of another selected area.");
  }
}

// The attributes dialog's outcome edits the area in place, deletes it, or
// leaves it as it was.
void EditorWindow::editArea(std::size_t index) {
  AreaAttributesDialog dialog(currentMap.areas.at(index).attributes, this);
  ui.showModal(dialog);
  switch (dialog.choice()) {
    case AttributesChoice::remove: removeArea(index); return;
    case AttributesChoice::enter: {
      Attributes& attributes = currentMap.areas.at(index).attributes;
      if (std::optional<Attributes> entered =
              enteredAttributes(attributes, dialog.typedHref(), dialog.typedTarget(), dialog.typedAlt())) {
        attributes = std::move(*entered);
      }
      break;
    }
    case AttributesChoice::cancel: break;
  }
  canvas->setFocus();
}

void EditorWindow::showFileMenu() {
  gestures->setMenuPending(true);
  fileMenu->enableFor(hasAreas(), currentMap.sourcePage != nullptr);
  ui.popupMenu(*fileMenu, QCursor::pos());
  ui.processEvents();
}

void EditorWindow::keyPressEvent(QKeyEvent* event) { handleKey(event->key()); }

void EditorWindow::handleKey(int key) {
  const bool loaded = hasPicture();
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
      if (loaded && currentMap.sourcePage) run([this] { emit saveToFileRequested(OutputKind::sourcePage); });
      break;
    case Qt::Key_Escape: close(); break;
    default: break;
  }
}

bool EditorWindow::confirmClipboard() {
  const Message question{"Confirm Clipboard:", "Saving present map to the clipboard.\r\n\r\nContinue?",
                         MessageIcon::none, MessageButtons::yesNo};
  return ui.messageBox(question) == Answer::yes;
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

void EditorWindow::fitToPicture() {
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
  canvas->move(layout::stripWidthPixels, 0);
  const layout::Controls placed = layout::layOutControls(client, outerSizeTwips(), canvas->size());
  horizontalScroll->setGeometry(twipsRect(placed.hBar.x(), placed.hBar.y(), placed.hBar.width(), placed.hBar.height()));
  verticalScroll->setGeometry(twipsRect(placed.vBar.x(), placed.vBar.y(), placed.vBar.width(), placed.vBar.height()));
  for (auto [bar, maximum] : {std::pair{horizontalScroll, placed.hMax}, std::pair{verticalScroll, placed.vMax}}) {
    // The picture shows its top-left corner after a layout, wherever the thumb
    // is; the bar's next change moves it to the thumb.
    const QSignalBlocker quiet(bar);
    bar->setRange(0, std::max<int>(maximum, 0));
    bar->setVisible(maximum > 0);
  }
  dropArea->setGeometry(placed.dropArea);
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
