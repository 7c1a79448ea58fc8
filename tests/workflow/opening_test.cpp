#include <gtest/gtest.h>

#include <QImageWriter>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "editor/frm_map.h"
#include "support/fake_ui.h"
#include "support/image_bytes.h"
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

}  // namespace
}  // namespace ornix
