#include <gtest/gtest.h>

#include <QClipboard>
#include <array>
#include <QImageWriter>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "editor/frm_map.h"
#include "model/area_text.h"
#include "model/map_block_writer.h"
#include "platform/clipboard.h"
#include "support/picture_mouse.h"
#include "support/registry_home.h"
#include "workflow/saving.h"

namespace ornix {
namespace {

using test::contents;

class SavingTest : public testing::Test, protected test::RegistryHome {
 protected:
  void SetUp() override {
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::gray);
    picture = (dir.path / "photo.bmp").string();
    ASSERT_TRUE(QImageWriter(QString::fromStdString(picture), "bmp").write(image));
  }
  // A picture with one area, as drawn.
  void drawOneArea() {
    ASSERT_TRUE(doc.imgSpecs(picture));
    const ShapeTexts shape = rectShape(10, 20, 110, 70);
    doc.addArea(shape.areaText + attributePart("index.html", "_top", ""), 0, shape.coordText);
    doc.addAreaDefaults();
  }
  void answerAfterSave() {
    ui.dialogScripts.push_back([](QDialog& d) { test::clickButton(d, "cmdIgnore"); });
  }

  QtClipboard clipboard;
  frmMap window{ui};
  MapDocument& doc = window.document();
  Saving saving{window, ui, clipboard, registry};
  std::string picture;
  test::PictureMouse mouse{window};
};

TEST_F(SavingTest, EveryFileSaveWritesItsOutputAndEmptiesTheMap) {
  for (const int entry : {0, 1, 2, 3}) {
    drawOneArea();
    auto page = std::make_unique<ChtmlPage>();
    page->setHtmlTop("<html>\n<p>caf\xE9</p>\r\n");
    page->setHtmlBot("\n</html>");
    doc.holdSourcePage(std::move(page), true);
    const std::string expected = *buildOutput(doc, static_cast<OutputKind>(entry), "images/");
    const std::filesystem::path file = dir.path / ("out" + std::to_string(entry));
    ui.chosenFiles.push_back(file.string());
    answerAfterSave();
    saving.mnuFileSave2File_Click(entry);
    EXPECT_EQ(ui.fileRequests.back().defaultSuffix, (std::array{"ornx", "htm", "txt", "htm"})[static_cast<std::size_t>(entry)]);
    EXPECT_EQ(contents(file), expected) << entry;
    EXPECT_FALSE(doc.isUnsaved());
    EXPECT_FALSE(doc.hasSourcePage());
    EXPECT_EQ(doc.imagePath(), picture);
    EXPECT_EQ(ui.dialogsShown.back(), "Map saved");
  }
  EXPECT_EQ(contents(dir.path / "out0"), contents(dir.path / "out2"));
  const std::string original = contents(dir.path / "out3");
  EXPECT_TRUE(original.starts_with("<html>\n<p>caf\xE9</p>\r\n<!-- Ornix start"));
  EXPECT_TRUE(original.ends_with("-->\n</html>\r\n"));
}

// A save ends an unfinished polygon, also when its picture cannot be loaded
// again and stays on screen: its dots come off, and the next clicks start anew.
TEST_F(SavingTest, ASaveEndsAnUnfinishedPolygon) {
  for (const bool pictureStays : {false, true}) {
    drawOneArea();
    const QImage before = mouse.surface->canvas().copy();
    window.findChild<QToolButton*>("cmdPoly")->click();
    for (const QPointF vertex : {QPointF(30, 75), QPointF(100, 75), QPointF(100, 30)}) mouse.click(vertex);
    if (pictureStays) std::filesystem::rename(picture, picture + ".moved");
    answerAfterSave();
    saving.cmdMake_Click();
    if (pictureStays) {
      EXPECT_EQ(mouse.surface->canvas(), before);
      std::filesystem::rename(picture + ".moved", picture);
    }
    for (const QPointF vertex : {QPointF(5, 5), QPointF(60, 5), QPointF(60, 15), QPointF(6, 6)}) mouse.click(vertex);
    ASSERT_EQ(doc.coordList().size(), 1u) << pictureStays;
    EXPECT_EQ(doc.coordList()[0], "5|5|60|5|60|15") << pictureStays;
  }
}

TEST_F(SavingTest, SavesWaitForAPictureAndTheClipboardForAMap) {
  QGuiApplication::clipboard()->setText("before");
  saving.mnuFileSave2File_Click(0);
  EXPECT_EQ(ui.messages.back().text, "You have to map something to save, first.");
  EXPECT_TRUE(ui.fileRequests.empty());
  saving.cmdMake_Click();
  EXPECT_EQ(ui.messages.back().text, "You have to map something to save, first.");
  ASSERT_TRUE(doc.imgSpecs(picture));
  saving.cmdMake_Click();
  EXPECT_TRUE(ui.messages.back().text.starts_with("You have to map an area before you can save to the ClipBoard.\r\n\r\n"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

  drawOneArea();
  saving.mnuFileSave2File_Click(3);  // no page to go back to: refused before any dialog
  EXPECT_TRUE(ui.messages.back().text.starts_with("This map did not come from an HTML page"));
  EXPECT_TRUE(ui.fileRequests.empty());
  const std::string block = buildMapBlock(doc, "images/");
  answerAfterSave();
  saving.cmdMake_Click();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), block);
  EXPECT_FALSE(doc.isUnsaved());
}

TEST_F(SavingTest, ASaveThatCannotBeWrittenChangesNothing) {
  const std::filesystem::path kept = dir.path / "kept.htm";
  std::ofstream(kept) << "old page";
  std::filesystem::create_directory(dir.path / "folder.htm");
  for (const std::filesystem::path& target : {dir.path / "folder.htm", dir.path / "missing" / "page.htm"}) {
    drawOneArea();
    ui.chosenFiles.push_back(target.string());
    saving.mnuFileSave2File_Click(1);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_NE(ui.messages.back().text.find(target.string()), std::string::npos);
    EXPECT_TRUE(doc.isUnsaved());
    EXPECT_TRUE(ui.dialogsShown.empty());
  }
  EXPECT_EQ(contents(kept), "old page");
}

// A real full disk: a 256 KB tmpfs, which only root can mount.
TEST_F(SavingTest, ASaveThatFillsTheDiskLeavesTheOldFileWhole) {
  const std::filesystem::path disk = dir.path / "small-disk";
  std::filesystem::create_directory(disk);
  if (std::system(("mount -t tmpfs -o size=256k tmpfs '" + disk.string() + "' 2>/dev/null").c_str()) != 0) {
    GTEST_SKIP() << "mounting a small tmpfs needs root";
  }
  const std::filesystem::path page = disk / "page.htm";
  std::ofstream(page) << "the old page";
  ASSERT_TRUE(doc.imgSpecs(picture));
  const std::string href(200, 'h');
  for (int i = 0; i < 2000; ++i) doc.addArea(rectShape(1, 1, 9, 9).areaText + href, 0, "1|1|9|9");
  ui.chosenFiles.push_back(page.string());
  saving.mnuFileSave2File_Click(1);
  const std::string kept = contents(page);
  std::system(("umount '" + disk.string() + "'").c_str());
  EXPECT_EQ(kept, "the old page");
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back().text,
            "The map could not be saved to\r\n" + page.string() + "\r\n\r\nThere is not enough free space on the disk.");
  EXPECT_TRUE(doc.isUnsaved());
}

}  // namespace
}  // namespace ornix
