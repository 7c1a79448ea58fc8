#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "document/map_document.h"
#include "model/attribute_entry.h"
#include "model/file_kinds.h"
#include "platform/clipboard.h"
#include "support/map_pages.h"
#include "support/settings_home.h"
#include "system/image_folder.h"
#include "workflow/image_loading.h"
#include "workflow/map_opening.h"
#include "workflow/opening.h"
#include "workflow/saving.h"

namespace ornix {
namespace {

using test::contents;

// Saving needs no editor window: the map is in a document, the questions sit
// over any window, and what Quit does is the caller's.
class SavingTest : public testing::Test, protected test::SettingsHome {
 protected:
  void SetUp() override { picture = test::writePicture(dir, "photo.bmp", 120, 80); }
  // A picture with one area whose link was entered.
  void drawOneArea() {
    ASSERT_EQ(loadImage(document, ui, picture), PictureLoad::loaded);
    document.addReadArea({Shape::rectangle, {{10, 20}, {110, 70}}, 0, {"index.html", "_top", "", {}}});
  }
  void answerAfterSave() { ui.answerWith("anotherButton"); }
  const ImageMap& map() const { return document.map(); }

  QtClipboard clipboard;
  MapDocument document;
  QWidget pictureWidget;
  const MapWorkspace workspace{document, nullptr, pictureWidget};
  int quits = 0;
  Saving saving{workspace, ui, clipboard, settings, [this](AfterSaveDialog&) { ++quits; }};
  std::string picture;
};

// What Ornix writes, it opens again without a word: with areas whose values
// hold quotes, attribute names and the end comment, and with none at all (F6
// to F8 save an empty map, and every save empties the map).
TEST_F(SavingTest, EveryFileSavedReopensIntoTheSameMapWithoutAMessage) {
  chooseImageFolder(ImageFolderChoice::none, settings, ui);  // the picture lies beside the saved file
  const Attributes tricky = *enteredAttributes({}, escapeAttributeValue(R"(page.html?ALT="1">)"), "x",
                                               escapeAttributeValue("<!-- end Ornix, ALT=&amp;"));
  for (const bool withAreas : {true, false}) {
    for (const auto& [kind, name] : {std::pair{OutputKind::mapFile, "map.ornx"},
                                     {OutputKind::htmlPage, "page.htm"},
                                     {OutputKind::textFile, "notes.txt"}}) {
      ASSERT_EQ(loadImage(document, ui, picture), PictureLoad::loaded);
      if (withAreas) {
        document.addReadArea({Shape::rectangle, {{10, 20}, {110, 70}}, 0, tricky});
        document.addReadArea({Shape::circle, {{60, 40}}, 9, {"h", "", "", {}}});
      }
      const std::vector<Area> saved = map().areas;
      ui.chosenFiles.push_back((dir.path / name).string());
      answerAfterSave();
      saving.saveToFile(kind);
      openMapFile(workspace, ui, (dir.path / name).string(), extensionOf(name));
      EXPECT_EQ(map().areas, saved) << name;
      EXPECT_EQ(map().picture->path, picture) << name;
    }
  }
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.dialogsShown, std::vector<std::string>(6, "Map saved"));
}

TEST_F(SavingTest, SavesWaitForAPictureAndTheClipboardForAMap) {
  QGuiApplication::clipboard()->setText("before");
  saving.saveToFile(OutputKind::mapFile);
  EXPECT_EQ(ui.messages.back().text, "You have to map something to save, first.");
  saving.saveToClipboard();
  EXPECT_EQ(ui.messages.back().text, "You have to map something to save, first.");
  ASSERT_EQ(loadImage(document, ui, picture), PictureLoad::loaded);
  saving.saveToClipboard();
  EXPECT_TRUE(
      ui.messages.back().text.starts_with("You have to map an area before you can save to the ClipBoard.\r\n\r\n"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

  drawOneArea();
  saving.saveToFile(OutputKind::sourcePage);  // no page to go back to: refused before any dialog
  EXPECT_TRUE(ui.messages.back().text.starts_with("This map did not come from an HTML page"));
  EXPECT_TRUE(ui.fileRequests.empty());
  const std::string block = writeMapBlock(map(), "images/");
  std::filesystem::rename(picture, picture + ".moved");  // not read again: the pixels held are shown anew
  const QSignalSpy shownAnew(&document, &MapDocument::reset);
  ui.answerWith("quitButton");
  saving.saveToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), block);
  EXPECT_EQ(shownAnew.count(), 1);
  EXPECT_EQ(document.pixels().size(), QSize(120, 80));
  EXPECT_FALSE(map().unsaved());
  EXPECT_EQ(quits, 1);
}

TEST_F(SavingTest, ASaveThatCannotBeWrittenChangesNothing) {
  std::filesystem::create_directory(dir.path / "folder.htm");
  for (const std::filesystem::path& target : {dir.path / "folder.htm", dir.path / "missing" / "page.htm"}) {
    drawOneArea();
    ui.chosenFiles.push_back(target.string());
    saving.saveToFile(OutputKind::htmlPage);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_NE(ui.messages.back().text.find(target.string()), std::string::npos);
    EXPECT_TRUE(map().unsaved());
  }
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
  ASSERT_EQ(loadImage(document, ui, picture), PictureLoad::loaded);
  for (int i = 0; i < 2000; ++i)
    document.addReadArea({Shape::rectangle, {{1, 1}, {9, 9}}, 0, {std::string(200, 'h'), "", "", {}}});
  ui.chosenFiles.push_back(page.string());
  saving.saveToFile(OutputKind::htmlPage);
  const std::string kept = contents(page);
  std::system(("umount '" + disk.string() + "'").c_str());
  EXPECT_EQ(kept, "the old page");
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back().text, "The map could not be saved to\r\n" + page.string() +
                                         "\r\n\r\nThere is not enough free space on the disk.");
  EXPECT_TRUE(map().unsaved());
}

}  // namespace
}  // namespace ornix
