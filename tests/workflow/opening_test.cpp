// Opening files as a user does, by the Open command, a drop or the command
// line: pictures, and pages, map files and texts holding a map block.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>
#include <filesystem>

#include "document/map_document.h"
#include "editor/editor_window.h"
#include "support/fake_ui.h"
#include "support/map_pages.h"
#include "support/picture_mouse.h"
#include "support/printers.h"
#include "workflow/file_dialogs.h"
#include "workflow/image_loading.h"
#include "workflow/map_opening.h"
#include "workflow/opening.h"

namespace ornix {
namespace {

class OpeningTest : public testing::Test {
 protected:
  std::string picture(const std::string& name, const char* format = "jpeg") {
    return test::writePicture(dir, name, 90, 60, format);
  }
  void drop(const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
    data.setUrls(urls);
    openDropped(window, ui, data);
  }
  void loadFirst() { ASSERT_EQ(loadImage(window.document(), ui, picture("first.jpg")), PictureLoad::loaded); }
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
  const test::Bytes onePixelGif{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0,  0,
                                0,   ',', 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 'D',  1,    0,    ';'};
  drop({dir.write("dot.gif", onePixelGif)});
  EXPECT_EQ(shownPath(), test::nativePath(dir.path / "dot.gif"));
  EXPECT_EQ(window.document().pixels().size(), QSize(1, 1));
}

// "Your last chance..." before another file: YES keeps the map to be saved,
// NO goes on. A cancelled Open swallows the next release on the picture, as
// it does the release of the click that closed its dialog.
TEST_F(OpeningTest, TheOpenCommandAndADropAskAboutAnUnsavedMap) {
  ui.chosenFiles = {(dir.path / "gone.gif").string(), dir.path.string(), picture("flat.bmp", "bmp"), std::nullopt};
  for (int refused = 0; refused < 2; ++refused) openWithDialog(window, ui);  // a missing file, then a folder
  EXPECT_EQ(ui.messages,
            std::vector<Message>(2, {"OPEN ERROR...", "That file you chose isn't there.", MessageIcon::exclamation}));
  openWithDialog(window, ui);
  EXPECT_EQ(shownPath(), test::nativePath(dir.path / "flat.bmp"));
  EXPECT_EQ(ui.fileRequests.front().title, "Open File...");
  mouse.drag({10, 10}, {60, 50});
  const std::string next = picture("next.jpg");
  ui.answerWith("yesButton");
  drop({next});
  EXPECT_EQ(shownPath(), test::nativePath(dir.path / "flat.bmp"));
  ui.answerWith("noButton");
  openWithDialog(window, ui);  // then cancelled
  mouse.drag({10, 55}, {80, 58});
  EXPECT_EQ(window.map().areas.size(), 1u);
  ui.answerWith("noButton");
  drop({next});
  EXPECT_EQ(shownPath(), next);
  EXPECT_FALSE(window.map().unsaved());
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
  loadFirst();
  mouse.drag({10, 10}, {60, 50});
  const QImage pixels = mouse.pixels().copy();
  const ImageMap map = window.map();
  const QSize size = window.size();
  for (const bool byDialog : {true, false}) {
    for (const auto& [path, said] : cases) {
      ui.answerWith("noButton");  // "Your last chance...": go on
      ui.messages.clear();
      if (byDialog) ui.chosenFiles.push_back(path);
      byDialog ? openWithDialog(window, ui) : drop({path});
      ASSERT_EQ(ui.messages.size(), 1u) << path;
      EXPECT_EQ(ui.messages[0].title, said) << path;
      EXPECT_EQ(window.map(), map) << path;
      EXPECT_EQ(mouse.pixels(), pixels) << path;
      EXPECT_EQ(window.size(), size) << path;
    }
  }
  ui.dialogScripts.push_back([](QDialog& d) {
    d.findChild<QLineEdit*>("hrefEdit")->setText("kept.html");
    test::clickButton(d, "enterButton");
  });
  mouse.click({30, 30});
  EXPECT_EQ(window.map().areas.at(0).attributes.href, "kept.html");
}

// Opening pages that hold a map block needs no editor window: the map goes
// into a document, the questions over any window, and a click on any widget
// standing for the picture would cut the show short.
class MapOpeningTest : public testing::Test {
 protected:
  std::string page(const std::string& name, const std::string& src, const std::string& top = "",
                   const std::string& bottom = "") {
    return test::writeMapPage(dir, name, src, top, bottom);
  }
  bool open(const std::string& path) {
    return openMapFile({document, nullptr, picture}, ui, path, path.substr(path.size() - 4));
  }
  // A map before the file is opened: one area on its own picture.
  void mapOnScreen() {
    ASSERT_EQ(loadImage(document, ui, test::writePicture(dir, "old.bmp")), PictureLoad::loaded);
    document.addReadArea({Shape::rectangle, {{1, 1}, {5, 5}}, 0, {"old.htm", "", "", {}}});
  }
  const ImageMap& map() const { return document.map(); }
  std::string shownPath() const { return test::nativePath(map().picture->path); }

  test::TempDir dir;
  test::FakeUi ui;
  MapDocument document;
  QWidget picture;
};

TEST_F(MapOpeningTest, APageOpensWithEveryAreaAndKeepsItsTextByteForByte) {
  const std::string top = "<html><body>\r\n<p>caf\xE9</p>\n";
  const std::string bottom = "\n<p>\xC3\xA9t\xC3\xA9</p>\r\n</body></html>";
  EXPECT_TRUE(open(page("index.html", "img/photo.bmp", top, bottom)));
  EXPECT_EQ(shownPath(), test::nativePath(dir.path / "site/img/photo.bmp"));
  EXPECT_EQ(map().areas, test::threeAreas());
  ASSERT_TRUE(map().sourcePage);
  EXPECT_EQ(map().sourcePage->before, top);
  EXPECT_EQ(map().sourcePage->after, bottom);
  EXPECT_EQ(ui.pauses, std::vector<int>(3, 200));
  EXPECT_EQ(ui.busyStates, (std::vector<bool>{true, false}));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(document.pixels().size(), QSize(200, 120));
}

// Names with ":" and "\" are names like any other off Windows: the picture is
// found beside the page without a question.
TEST_F(MapOpeningTest, AnyNameFindsItsPictureAndOnlyPagesCanBeSavedBack) {
  std::vector<std::string> names = {"page.htm", "map.ornx", "shop.asp", "notes.txt", "x.shtml"};
  if (std::filesystem::path::preferred_separator == '/') names.insert(names.end(), {"a:b.htm", "x\\y.htm"});
  for (const std::string& name : names) {
    ASSERT_TRUE(open(page(name, "img/photo.bmp")));
    EXPECT_EQ(shownPath(), test::nativePath(dir.path / "site/img/photo.bmp")) << name;
    const bool savable = name.ends_with("htm") || name.ends_with("asp") || name.ends_with("html");
    EXPECT_EQ(map().sourcePage != nullptr, savable) << name;
  }
  EXPECT_TRUE(ui.dialogsShown.empty());
}

TEST_F(MapOpeningTest, APictureMissingBesideThePageMayBeLocated) {
  const std::string file = page("index.html", "img/sub/photo.bmp");
  std::filesystem::rename(dir.path / "site/img/sub/photo.bmp", dir.path / "elsewhere.bmp");
  mapOnScreen();
  const ImageMap before = map();
  const std::string expectedPath = (dir.path / "site/img/sub/photo.bmp").string();
  ui.dialogScripts.push_back([&](QDialog& d) {
    // Both "/" of the path stay separators.
    EXPECT_NE(d.findChild<QLabel*>("situationLabel")->text().toStdString().find(expectedPath), std::string::npos);
    test::clickButton(d, "noButton");
  });
  EXPECT_FALSE(open(file));
  EXPECT_EQ(ui.dialogsShown.back(), "Image path problem...");
  EXPECT_EQ(map(), before);  // the map on screen is untouched

  ui.answerWith("yesButton");
  ui.chosenFiles.push_back((dir.path / "elsewhere.bmp").string());
  ui.answerWith("okButton");
  EXPECT_TRUE(open(file));
  EXPECT_EQ(ui.dialogsShown.back(), "Keep in mind...");
  EXPECT_EQ(ui.fileRequests.back().filters, (std::vector<FileFilter>{{"Image", "*.jpg;*.gif"}}));
  EXPECT_EQ(shownPath(), test::nativePath(dir.path / "elsewhere.bmp"));
  EXPECT_EQ(map().areas.size(), 3u);
}

// A file without a whole block, or whose picture will not load, leaves the
// map on screen as it was, and is not opened; the user is told why.
TEST_F(MapOpeningTest, AFileThatCannotBeOpenedLeavesTheMapOnScreen) {
  const std::string unloadable = page("index.html", "img/photo.bmp");
  std::filesystem::resize_file(dir.path / "site/img/photo.bmp", 10);
  mapOnScreen();
  const ImageMap before = map();
  EXPECT_FALSE(open(unloadable));
  EXPECT_EQ(ui.messages.at(0).title, "Ornix Note:");
  ui.dialogScripts.push_back([](QDialog& d) {
    const std::string body = d.findChild<QLabel*>("bodyLabel")->text().toStdString();
    EXPECT_NE(body.find("> Copyright tag missing or altered.\n> Area tags missing or altered.\n> Image tag missing"),
              std::string::npos);
    test::clickButton(d, "okButton");
  });
  EXPECT_FALSE(open(dir.write("site/plain.txt", test::Bytes{'<', 'p', '>'})));
  EXPECT_EQ(ui.dialogsShown, std::vector<std::string>{"We have a problem..."});
  EXPECT_EQ(map(), before);
}

// A damaged block is read as far as it can be, and the one note says how far
// that was: no area, the areas before the damaged tag, or nothing at all.
TEST_F(MapOpeningTest, ADamagedBlockSaysHowFarTheReadingGot) {
  struct Case {
    std::string from, to;  // the damage done to the page's text
    Message said;
    std::size_t areasLeft;
  };
  const auto note = [](const char* text) { return Message{"Ornix Note:", text, MessageIcon::exclamation}; };
  const std::vector<Case> cases = {
      {"10, 10, 60, 50",
       "10, 10, 60",  // a rectangle of three numbers
       {"COORDINATE ERROR",
        "There appears to be a Coordinate error.\r\nCheck coordinates for area 1 and see if something is missing.",
        MessageIcon::stop},
       0},
      {"100, 60, 12", "100, 60, 99999",
       note("AREA tag 2 of the map could not be read.\r\nIt and the areas after it were not loaded."), 1},
      {R"(HREF="#">)", R"(HREF="#>)",  // a quote left open to the end of the block
       note("AREA tag 3 of the map could not be read.\r\nIt and the areas after it were not loaded."), 2},
      {"line. -->", "line.", note("ORNX end comment is cut short,\r\nso nothing was loaded."), 1},
  };
  const std::string text = test::contents(page("index.html", "img/photo.bmp"));
  for (const Case& c : cases) {
    mapOnScreen();
    std::string damaged = text;
    damaged.replace(damaged.find(c.from), c.from.size(), c.to);
    ui.messages.clear();
    EXPECT_FALSE(open(dir.write("site/damaged.html", test::Bytes(damaged.begin(), damaged.end())))) << c.to;
    EXPECT_EQ(ui.messages, std::vector<Message>{c.said}) << c.to;
    EXPECT_EQ(map().areas.size(), c.areasLeft) << c.to;
  }
}

}  // namespace
}  // namespace ornix
