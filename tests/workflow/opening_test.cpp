#include <gtest/gtest.h>

#include <QImageWriter>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>
#include <filesystem>

#include "editor/frm_map.h"
#include "model/map_block_writer.h"
#include "support/fake_ui.h"
#include "support/image_bytes.h"
#include "support/map_pages.h"
#include "support/picture_mouse.h"
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
    dropOnPicture(window, ui, data);
  }
  void drawSomething() {
    ASSERT_TRUE(doc.imgSpecs(picture("first.jpg")));
    doc.addArea("<AREA", 0, "1|1|9|9");
    doc.addAreaDefaults();
  }

  test::TempDir dir;
  test::FakeUi ui;
  frmMap window{ui};
  MapDocument& doc = window.document();
  test::PictureMouse mouse{window};
};

TEST_F(OpeningTest, ADroppedFileOfAKnownKindOpens) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {picture("upper.JPG"), true},
      {picture("photo.jpeg"), false},   // a four-letter extension is not recognised
      {picture("flat.bmp", "bmp"), false},  // pictures the Open dialog takes, but not a drop
  };
  for (const auto& [path, opens] : cases) {
    if (!opens) ui.answerWith("cmdOK");
    drop({path});
    EXPECT_EQ(doc.imagePath() == path, opens) << path;
  }
  EXPECT_EQ(ui.dialogsShown, std::vector<std::string>(2, "We have a problem..."));
}

TEST_F(OpeningTest, DropsThatAreNotOneFileOpenNothing) {
  QMimeData text;
  text.setText("just words");
  dropOnPicture(window, ui, text);
  EXPECT_EQ(ui.messages.back(), (Message{"Ornix Note:", "Unknown filetype.", MessageIcon::exclamation}));

  ui.answerWith("cmdOK");
  drop({picture("a.jpg"), picture("b.jpg")});
  ui.answerWith("cmdOK");
  drop({dir.path.string()});
  drop({(dir.path / "gone.jpg").string()});  // not there: nothing said
  EXPECT_EQ(ui.dialogsShown, (std::vector<std::string>{"We have a problem...", "No directories, please..."}));
  EXPECT_FALSE(doc.imageLoaded());
}

TEST_F(OpeningTest, AnUnsavedMapIsKeptWhenTheUserWantsToSaveIt) {
  drawSomething();
  const std::string next = picture("next.jpg");
  ui.answerWith("cmdYes");
  drop({next});
  EXPECT_TRUE(doc.isUnsaved());
  EXPECT_NE(doc.imagePath(), next);
  EXPECT_EQ(window.tag, "");

  ui.answerWith("cmdNo");
  drop({next});
  EXPECT_FALSE(doc.isUnsaved());
  EXPECT_EQ(doc.imagePath(), next);
  EXPECT_TRUE(doc.hrefList().empty());
}

TEST_F(OpeningTest, TheOpenCommandAsksForAFileAndOpensItByKind) {
  ui.chosenFiles = {std::nullopt, picture("flat.bmp", "bmp")};
  mnuFileOpen_Click(window, ui);  // cancelled
  EXPECT_TRUE(doc.editorState().ignoreNextRelease);
  EXPECT_FALSE(doc.imageLoaded());
  mnuFileOpen_Click(window, ui);
  EXPECT_EQ(doc.imagePath(), (dir.path / "flat.bmp").string());
  EXPECT_FALSE(doc.editorState().ignoreNextRelease);
  EXPECT_EQ(ui.fileRequests.front().title, "Open File...");
}

// However a picture that does not load comes in, the map, its links, the
// picture and the window stay as they were, and the drawn area can still be
// edited: the user is told why, once.
TEST_F(OpeningTest, APictureThatDoesNotLoadLeavesTheMapAsItWas) {
  struct Case {
    const char* name;
    std::string path;
    std::string said;  // the title of the one note shown
  };
  const std::vector<Case> cases = {
      {"a PNG", dir.write("shot.gif", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}), "SORRY..."},
      {"a GIF cut short after its header", dir.write("cut.gif", test::gifHeader(40, 30)), "Ornix Note:"},
      {"bytes no loader reads", dir.write("noise.jpg", test::Bytes(300, 0x5A)), "Ornix Note:"},
  };
  const std::vector<std::pair<const char*, std::function<void(const std::string&)>>> waysIn = {
      {"Open", [this](const std::string& path) {
         ui.chosenFiles.push_back(path);
         mnuFileOpen_Click(window, ui);
       }},
      {"drop", [this](const std::string& path) { drop({path}); }},
  };
  ASSERT_TRUE(doc.imgSpecs(picture("first.jpg")));
  for (const bool withArea : {false, true}) {
    if (withArea) mouse.drag({10, 10}, {60, 50});
    for (const auto& [way, open] : waysIn) {
      for (const Case& c : cases) {
        const QImage pixels = mouse.surface->canvas().copy();
        const std::vector<std::string> areas = doc.areaList();
        const QSize size = window.size();
        if (withArea) ui.answerWith("cmdNo");  // "Your last chance...": go on
        ui.messages.clear();
        open(c.path);
        const std::string name = std::string(way) + ", " + c.name;
        ASSERT_EQ(ui.messages.size(), 1u) << name;
        EXPECT_EQ(ui.messages[0].title, c.said) << name;
        EXPECT_EQ(doc.imagePath(), (dir.path / "first.jpg").string()) << name;
        EXPECT_EQ(doc.areaList(), areas) << name;
        EXPECT_EQ(doc.hrefList().size(), areas.size()) << name;
        EXPECT_EQ(mouse.surface->canvas(), pixels) << name;
        EXPECT_EQ(window.size(), size) << name;
      }
    }
  }
  ui.dialogScripts.push_back([](QDialog& d) {
    d.findChild<QLineEdit*>("txtHREF")->setText("kept.html");
    test::clickButton(d, "picEnter");
  });
  mouse.click({30, 30});
  EXPECT_EQ(doc.hrefList(), std::vector<std::string>{"kept.html"});
  EXPECT_NE(buildMapBlock(doc, "").find(R"(COORDS="10, 10, 60, 50" HREF="kept.html">)"), std::string::npos);
}

// An Open command that comes during a drag swallows the drag's release: the
// drag ends there and its rubber band comes off the picture.
TEST_F(OpeningTest, AnOpenDuringADragEndsTheDragAndItsRubberBand) {
  ASSERT_TRUE(doc.imgSpecs(picture("first.jpg")));
  const QImage before = mouse.surface->canvas().copy();
  for (const char* tool : {"cmdSquare", "cmdCircle"}) {
    window.findChild<QToolButton*>(tool)->click();
    mouse.press({20, 20});
    mouse.move({60, 50});
    ui.chosenFiles.push_back(std::nullopt);  // the Open dialog cancelled
    mnuFileOpen_Click(window, ui);
    mouse.release({60, 50});
    mouse.move({70, 55}, Qt::NoButton);
    EXPECT_EQ(mouse.surface->canvas(), before) << tool;
    EXPECT_TRUE(doc.areaList().empty()) << tool;
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
    ASSERT_TRUE(doc.imgSpecs(picture("first.jpg")));
    window.findChild<QToolButton*>("cmdPoly")->click();
    for (const QPointF vertex : oldVertices) mouse.click(vertex);
    drop({file});
    const QImage fresh = QImage(QString::fromStdString(shown)).convertToFormat(QImage::Format_RGB32);
    for (const QPointF vertex : oldVertices) {
      EXPECT_EQ(mouse.surface->canvas().pixel(vertex.toPoint()), fresh.pixel(vertex.toPoint())) << file;
    }
    for (const QPointF vertex : {QPointF(20, 80), QPointF(60, 80), QPointF(60, 110), QPointF(21, 81)}) mouse.click(vertex);
    ASSERT_FALSE(doc.coordList().empty()) << file;
    EXPECT_EQ(doc.coordList().back(), "20|80|60|80|60|110") << file;
  }
}

}  // namespace
}  // namespace ornix
