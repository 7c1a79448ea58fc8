#include <gtest/gtest.h>

#include <QImageWriter>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>

#include "editor/editor_window.h"
#include "support/fake_ui.h"
#include "support/map_pages.h"
#include "support/picture_mouse.h"
#include "workflow/image_loading.h"
#include "workflow/opening.h"

namespace ornix {
namespace {

class OpeningTest : public testing::Test {
 protected:
  std::string picture(const std::string& name, const char* format = "jpeg") {
    QImage image(90, 60, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    const std::string path = (dir.path / name).string();
    EXPECT_TRUE(QImageWriter(QString::fromStdString(path), format).write(image));
    return path;
  }
  void drop(const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
    data.setUrls(urls);
    openDropped(window, ui, data);
  }
  void loadFirst() { ASSERT_EQ(loadImage(window, ui, picture("first.jpg")), PictureLoad::loaded); }
  std::string shownPath() const { return window.map().picture ? test::nativePath(window.map().picture->path) : ""; }
  void useTool(const char* name) { window.findChild<QToolButton*>(name)->click(); }

  test::TempDir dir;
  test::FakeUi ui;
  EditorWindow window{ui};
  test::PictureMouse mouse{window};
};

// Only one dropped GIF or JPEG file opens; anything else says why, or, for a
// file that is not there, nothing.
TEST_F(OpeningTest, OnlyADroppedPictureOfAKnownKindOpens) {
  const std::vector<std::pair<std::vector<std::string>, const char*>> cases = {
      {{picture("photo.jpeg")}, "We have a problem..."},       // a four-letter extension is not recognised
      {{picture("flat.bmp", "bmp")}, "We have a problem..."},  // a picture the Open dialog takes, but not a drop
      {{picture("a.jpg"), picture("b.jpg")}, "We have a problem..."},
      {{dir.path.string()}, "No directories, please..."},
      {{(dir.path / "gone.jpg").string()}, nullptr},
  };
  for (const auto& [paths, said] : cases) {
    ui.dialogsShown.clear();
    if (said != nullptr) ui.answerWith("okButton");
    drop(paths);
    EXPECT_EQ(ui.dialogsShown, said == nullptr ? std::vector<std::string>{} : std::vector<std::string>{said})
        << paths.front();
  }
  EXPECT_FALSE(window.map().picture);
  QMimeData text;
  text.setText("just words");
  openDropped(window, ui, text);
  EXPECT_EQ(ui.messages.back(), (Message{"Ornix Note:", "Unknown filetype.", MessageIcon::exclamation}));
  drop({picture("upper.JPG")});
  EXPECT_EQ(shownPath(), test::nativePath(dir.path / "upper.JPG"));
}

TEST_F(OpeningTest, AnUnsavedMapIsKeptWhenTheUserWantsToSaveIt) {
  loadFirst();
  mouse.drag({10, 10}, {60, 50});
  const std::string next = picture("next.jpg");
  ui.answerWith("yesButton");
  drop({next});
  EXPECT_TRUE(window.map().unsaved());
  ui.answerWith("noButton");
  drop({next});
  EXPECT_FALSE(window.map().unsaved());
  EXPECT_EQ(shownPath(), next);
}

// A cancelled Open swallows the next release on the picture, as it does the
// release of the click that closed its dialog; a finished one does not.
TEST_F(OpeningTest, TheOpenCommandAsksForAFileAndOpensItByKind) {
  ui.chosenFiles = {picture("flat.bmp", "bmp"), std::nullopt};
  openWithDialog(window, ui);
  EXPECT_EQ(shownPath(), test::nativePath(dir.path / "flat.bmp"));
  EXPECT_EQ(ui.fileRequests.front().title, "Open File...");
  mouse.drag({10, 10}, {60, 50});
  ui.answerWith("noButton");   // "Your last chance...": go on
  openWithDialog(window, ui);  // then cancelled
  mouse.drag({10, 55}, {80, 58});
  EXPECT_EQ(window.map().areas.size(), 1u);
}

// However a picture that does not load comes in, the map, its links, the
// picture and the window stay as they were, and the drawn area can still be
// edited: the user is told why, once.
TEST_F(OpeningTest, APictureThatDoesNotLoadLeavesTheMapAsItWas) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      // the file and the title of the one note
      {dir.write("shot.gif", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}), "SORRY..."},
      {dir.write("cut.gif", test::gifHeader(40, 30)), "Ornix Note:"},   // a GIF cut short after its header
      {dir.write("noise.jpg", test::Bytes(300, 0x5A)), "Ornix Note:"},  // bytes no loader reads
  };
  const std::vector<std::function<void(const std::string&)>> waysIn = {
      [this](const std::string& path) {
        ui.chosenFiles.push_back(path);
        openWithDialog(window, ui);
      },
      [this](const std::string& path) { drop({path}); },
  };
  loadFirst();
  for (const bool withArea : {false, true}) {
    if (withArea) mouse.drag({10, 10}, {60, 50});
    for (const auto& open : waysIn) {
      for (const auto& [path, said] : cases) {
        const QImage pixels = mouse.pixels().copy();
        const ImageMap map = window.map();
        const QSize size = window.size();
        if (withArea) ui.answerWith("noButton");  // "Your last chance...": go on
        ui.messages.clear();
        open(path);
        ASSERT_EQ(ui.messages.size(), 1u) << path;
        EXPECT_EQ(ui.messages[0].title, said) << path;
        EXPECT_EQ(window.map(), map) << path;
        EXPECT_EQ(mouse.pixels(), pixels) << path;
        EXPECT_EQ(window.size(), size) << path;
      }
    }
  }
  ui.dialogScripts.push_back([](QDialog& d) {
    d.findChild<QLineEdit*>("hrefEdit")->setText("kept.html");
    test::clickButton(d, "enterButton");
  });
  mouse.click({30, 30});
  EXPECT_EQ(window.map().areas.at(0).attributes.href, "kept.html");
}

// An Open command that comes during a drag swallows the drag's release: the
// drag ends there and its rubber band comes off the picture.
TEST_F(OpeningTest, AnOpenDuringADragEndsTheDragAndItsRubberBand) {
  loadFirst();
  const QImage before = mouse.pixels().copy();
  for (const char* tool : {"rectangleTool", "circleTool"}) {
    useTool(tool);
    mouse.press({20, 20});
    mouse.move({60, 50});
    ui.chosenFiles.push_back(std::nullopt);  // the Open dialog cancelled
    openWithDialog(window, ui);
    mouse.release({60, 50});
    mouse.move({70, 55}, Qt::NoButton);
    EXPECT_EQ(mouse.pixels(), before) << tool;
    EXPECT_FALSE(window.map().unsaved()) << tool;
  }
}

// An unfinished polygon belongs to its picture: once another picture or a map
// is open, its dots are gone and the next clicks draw a polygon of their own.
TEST_F(OpeningTest, AnUnfinishedPolygonEndsWhenAnotherFileOpens) {
  const std::vector<std::pair<std::string, std::string>> files = {
      {picture("second.jpg"), (dir.path / "second.jpg").string()},
      {test::writeMapPage(dir, "index.html", "img/photo.bmp", "", ""), (dir.path / "site/img/photo.bmp").string()}};
  const std::vector<QPointF> oldVertices = {{5, 5}, {80, 5}, {80, 58}};
  for (const auto& [file, shown] : files) {
    loadFirst();
    useTool("polygonTool");
    for (const QPointF vertex : oldVertices) mouse.click(vertex);
    drop({file});
    const QImage fresh = QImage(QString::fromStdString(shown)).convertToFormat(QImage::Format_RGB32);
    for (const QPointF vertex : oldVertices) {
      EXPECT_EQ(mouse.pixels().pixel(vertex.toPoint()), fresh.pixel(vertex.toPoint())) << file;
    }
    for (const QPointF vertex : {QPointF(20, 80), QPointF(60, 80), QPointF(60, 110), QPointF(21, 81)})
      mouse.click(vertex);
    EXPECT_EQ(window.map().areas.back().points, (std::vector<Point>{{20, 80}, {60, 80}, {60, 110}})) << file;
  }
}

}  // namespace
}  // namespace ornix
