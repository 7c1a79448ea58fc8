// The program as a user meets it: the real binary on a real X server, driven
// only by mouse and keyboard input. The typical job's saved page is kept in
// the build folder's e2e/ for the browser check.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/map_block_format.h"
#include "x_session.h"

namespace ornix::e2e {
namespace {

namespace fs = std::filesystem;

const std::string editorTitle = "Ornix";
const std::string attributesTitle = "Add a URL and/or TARGET, or DELETE area.";
const std::string saveTitle = "Save File As...";
const std::string savedTitle = "Map saved";
const QPoint pictureInWindow(37, 1);  // the tool strip, then the picture's one-pixel frame
const QPoint circleTool(18, 50);
const QPoint polygonTool(18, 83);

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// The marker-to-marker block of a page.
std::string blockOf(const std::string& page) {
  const std::size_t start = page.find(startComment);
  const std::size_t end = page.find(endComment);
  if (start == std::string::npos || end == std::string::npos) return {};
  return page.substr(start, end + endComment.size() - start);
}

class EndToEnd : public testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(ORNIX_E2E_DIR) / testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder);
    fs::create_directories(folder / "images");
    fs::copy_file(ORNIX_SAMPLE, folder / "harbour.jpg");
    fs::copy_file(ORNIX_SAMPLE, folder / "images" / "harbour.jpg");  // where the written tag points
  }
  void TearDown() override {
    if (HasFailure()) XSession::screenshot((fs::path(ORNIX_E2E_DIR) / "screenshots" / (folderName() + ".png")).string());
  }
  std::string folderName() const { return folder.filename().string(); }
  std::string home() const { return (folder / "home").string(); }
  QStringList fileArgument(const std::string& name) const { return {QString::fromStdString((folder / name).string())}; }

  // The editor window, once shown, and where its picture's top-left pixel is on the screen.
  std::string editor() {
    const std::string window = XSession::waitForWindow(editorTitle);
    windowCorner = XSession::origin(window);
    picture = windowCorner + pictureInWindow;
    return window;
  }
  // A save key, the save dialog answered with a file name, and "Another".
  void saveWith(const std::string& window, const QString& key, const std::string& name) {
    XSession::keys(window, {key});
    const std::string dialog = XSession::waitForWindow(saveTitle);
    ASSERT_FALSE(dialog.empty()) << "no save dialog";
    XSession::type(dialog, (folder / name).string());
    XSession::keys(dialog, {"Return"});
    const std::string after = XSession::waitForWindow(savedTitle);
    ASSERT_FALSE(after.empty()) << "no after-save window";
    XSession::keys(after, {"Return"});  // "Another"
    ASSERT_TRUE(XSession::waitForWindowGone(savedTitle));
  }
  // Saves with a key, then quits: an emptied map closes without a question.
  void saveAndQuit(OrnixProcess& ornix, const std::string& window, const QString& key, const std::string& name) {
    saveWith(window, key, name);
    XSession::keys(window, {"Escape"});
    EXPECT_TRUE(ornix.endsCleanly()) << ornix.output();
  }
  // A new run of the program on a file of the folder, saved with a key.
  void openAndSave(const std::string& file, const QString& key, const std::string& name) {
    OrnixProcess ornix(home(), fileArgument(file));
    const std::string window = editor();
    ASSERT_FALSE(window.empty()) << ornix.output();
    saveAndQuit(ornix, window, key, name);
  }

  fs::path folder;
  QPoint picture;
  QPoint windowCorner;
};

TEST_F(EndToEnd, ATypicalJobDrawsSavesAndReopensTheMap) {
  {
    OrnixProcess ornix(home(), fileArgument("harbour.jpg"));
    const std::string window = editor();
    ASSERT_FALSE(window.empty()) << ornix.output();
    XSession::drag(picture + QPoint(60, 60), picture + QPoint(200, 150));
    XSession::click(windowCorner + circleTool);
    XSession::drag(picture + QPoint(460, 120), picture + QPoint(510, 120));
    XSession::click(windowCorner + polygonTool);
    for (const QPoint vertex : {QPoint(300, 250), QPoint(420, 240), QPoint(380, 330), QPoint(302, 252)}) {
      XSession::click(picture + vertex);
    }
    XSession::settle();
    XSession::click(picture + QPoint(130, 100));  // the rectangle
    const std::string attributes = XSession::waitForWindow(attributesTitle);
    ASSERT_FALSE(attributes.empty());
    XSession::type(attributes, "boats.html");
    XSession::keys(attributes, {"Tab"});
    XSession::type(attributes, "_blank");
    XSession::keys(attributes, {"Tab"});
    XSession::type(attributes, "Harbour boats");
    XSession::keys(attributes, {"Tab", "Return"});  // to Enter, and press it
    ASSERT_TRUE(XSession::waitForWindowGone(attributesTitle));
    saveAndQuit(ornix, window, "F7", "harbour.html");
  }
  const std::string page = contents(folder / "harbour.html");
  const std::string block = blockOf(page);
  for (const char* part : {R"(<AREA SHAPE="rect" COORDS="60, 60, 200, 150" HREF="boats.html" Target="_blank" ALT="Harbour boats">)",
                           R"(<AREA SHAPE="circle" COORDS="460, 120, 50")", R"(<AREA SHAPE="poly" COORDS="300, 250, 420, 240, 380, 330")",
                           R"(<img src="images/harbour.jpg" width=640 height=400)"}) {
    EXPECT_NE(block.find(part), std::string::npos) << part << "\n" << page;
  }

  // Reopened, the same map comes back: saved as text it is the same block,
  // except that an area left without a link (HREF="") is read back as "#".
  std::string reread = block;
  for (std::size_t at = reread.find(R"(HREF="")"); at != std::string::npos; at = reread.find(R"(HREF="")", at)) {
    reread.replace(at, 7, R"(HREF="#")");
  }
  openAndSave("harbour.html", "F8", "harbour.txt");
  EXPECT_EQ(contents(folder / "harbour.txt"), reread + "\r\n");

  // Saved back into a page of its own, everything around the block stays as it was.
  const std::string top = "<html>\r\n<body>\r\n<h1>Harbour \xE9t\xE9</h1>\n";
  const std::string bottom = "\r\n<p>Footer</p>\n</body>\r\n</html>";
  writeFile(folder / "site.html", top + block + bottom);
  openAndSave("site.html", "F9", "site-saved.html");
  EXPECT_EQ(contents(folder / "site-saved.html"), top + reread + bottom + "\r\n");
}

TEST_F(EndToEnd, ASecondCopyRefusesAndAnUnsavedMapIsAskedAbout) {
  OrnixProcess ornix(home(), fileArgument("harbour.jpg"));
  const std::string window = editor();
  ASSERT_FALSE(window.empty()) << ornix.output();
  {
    OrnixProcess second(home(), {});
    const std::string refusal = XSession::waitForWindow("ALREADY OPEN");
    ASSERT_FALSE(refusal.empty());
    XSession::keys(refusal, {"Return"});
    EXPECT_TRUE(second.endsCleanly());
  }
  XSession::drag(picture + QPoint(60, 60), picture + QPoint(200, 150));
  XSession::keys(window, {"Escape"});
  std::string question = XSession::waitForWindow("Your last chance...");
  ASSERT_FALSE(question.empty());
  XSession::keys(question, {"Return"});  // YES, to stay and save
  ASSERT_TRUE(XSession::waitForWindowGone("Your last chance..."));
  XSession::settle();
  EXPECT_TRUE(ornix.running());
  EXPECT_FALSE(XSession::waitForWindow(editorTitle, 2000).empty());

  XSession::keys(window, {"Escape"});
  question = XSession::waitForWindow("Your last chance...");
  ASSERT_FALSE(question.empty());
  XSession::keys(question, {"Escape"});  // NO: the map goes
  EXPECT_TRUE(ornix.endsCleanly());
}

}  // namespace
}  // namespace ornix::e2e

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
