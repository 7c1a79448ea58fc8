// The program as a user meets it: the real binary on a real X server, driven
// only by mouse and keyboard input through xdotool. The typical job's saved
// page is kept in the build folder's e2e/ for the browser check.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <filesystem>

#include "model/split_page.h"
#include "support/image_bytes.h"

namespace ornix::e2e {
namespace {

namespace fs = std::filesystem;
using test::contents;

const std::string editorTitle = "Ornix";
const std::string attributesTitle = "Add a URL and/or TARGET, or DELETE area.";
const std::string saveTitle = "Save File As...";
const std::string savedTitle = "Map saved";
const QPoint pictureInWindow(37, 1);  // the tool strip, then the picture's one-pixel frame
const QPoint circleTool(18, 50);
const QPoint polygonTool(18, 83);

void settle(int milliseconds = 300) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

// Real input and window lookups on the display, through xdotool.
namespace XSession {

std::string xdotool(const QStringList& arguments, int milliseconds = 15000) {
  QProcess tool;
  tool.start("xdotool", arguments);
  if (!tool.waitForFinished(milliseconds)) tool.kill();
  tool.waitForFinished();
  return tool.readAllStandardOutput().trimmed().toStdString();
}

QStringList at(QPoint point) { return {QString::number(point.x()), QString::number(point.y())}; }

// The id of the first visible window with exactly this title; "" if there is
// none, or if xdotool failed because a window vanished while it looked.
std::string visibleWindow(const std::string& title) {
  const QString exactly = "^" + QRegularExpression::escape(QString::fromStdString(title)) + "$";
  const std::string found = xdotool({"search", "--onlyvisible", "--name", exactly});
  return found.substr(0, found.find('\n'));
}

// The window once it shows; "" if it did not in time. Asked again and again
// rather than with xdotool's --sync, which gives up at the first X error.
std::string waitForWindow(const std::string& title, int milliseconds = 15000) {
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    const std::string found = visibleWindow(title);
    if (!found.empty() || clock.elapsed() > milliseconds) return found;
    settle(50);
  }
}

// Gone means not found twice in a row, so that one failed search is not taken for it.
bool waitForWindowGone(const std::string& title) {
  QElapsedTimer clock;
  clock.start();
  for (int missing = 0; missing < 2; settle(50)) {
    if (clock.elapsed() > 15000) return false;
    missing = visibleWindow(title).empty() ? missing + 1 : 0;
  }
  return true;
}

QPoint origin(const std::string& window) {
  QPoint corner;
  for (const QString& line :
       QString::fromStdString(xdotool({"getwindowgeometry", "--shell", QString::fromStdString(window)})).split('\n')) {
    if (line.startsWith("X=")) corner.setX(line.mid(2).toInt());
    if (line.startsWith("Y=")) corner.setY(line.mid(2).toInt());
  }
  return corner;
}

// Focuses the window (keys go nowhere otherwise), types the text, then presses the keys.
void keys(const std::string& window, const QStringList& keys, const std::string& text = {}) {
  xdotool({"windowfocus", "--sync", QString::fromStdString(window)});
  if (!text.empty()) xdotool({"type", "--delay", "15", QString::fromStdString(text)});
  for (const QString& key : keys) {
    xdotool({"key", "--clearmodifiers", key});
    settle(60);
  }
}

// Waits for the window with this title, then types the text into it and
// presses the keys; false if it did not show.
bool answer(const std::string& title, const QStringList& pressed, const std::string& text = {}) {
  const std::string window = waitForWindow(title);
  if (!window.empty()) keys(window, pressed, text);
  return !window.empty();
}

void click(QPoint point) {
  xdotool(QStringList{"mousemove", "--sync"} + at(point) + QStringList{"click", "1"});
  settle(150);
}

// A press, a few moves on the way, and a release, as a hand drags; with Ctrl held if asked.
void drag(QPoint from, QPoint to, bool control = false) {
  if (control) xdotool({"keydown", "ctrl"});
  xdotool(QStringList{"mousemove", "--sync"} + at(from) + QStringList{"mousedown", "1"});
  for (int step = 1; step <= 4; ++step) {
    xdotool(QStringList{"mousemove", "--sync"} + at(from + (to - from) * step / 4));
    settle(30);
  }
  xdotool({"mouseup", "1"});
  if (control) xdotool({"keyup", "ctrl"});
  settle();
}

}  // namespace XSession

// The program, started with home, configuration and runtime folders of its own.
class OrnixProcess {
 public:
  OrnixProcess(const std::string& home, const QStringList& arguments) {
    const QString root = QString::fromStdString(home);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [variable, folder] : {std::pair{"HOME", ""},
                                           {"XDG_CONFIG_HOME", "/config"},
                                           {"XDG_DATA_HOME", "/data"},
                                           {"XDG_RUNTIME_DIR", "/run"}}) {
      QDir().mkpath(root + folder);
      environment.insert(variable, root + folder);
    }
    QFile::setPermissions(root + "/run", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ORNIX_BINARY, arguments);
    process.waitForStarted();
  }
  ~OrnixProcess() {
    process.kill();
    process.waitForFinished();
  }
  bool running() const { return process.state() != QProcess::NotRunning; }
  // Ended within the time, with exit code 0.
  bool endsCleanly() {
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  }
  // What it printed, read once it ended (or after a short wait), with how it ended.
  std::string output() {
    process.waitForFinished(500);
    const std::string printed = process.readAll().toStdString();
    if (running()) return printed;
    return printed + "(ended with exit code " + std::to_string(process.exitCode()) + ")";
  }

 private:
  QProcess process;
};

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
    if (!HasFailure()) return;
    const fs::path shots = fs::path(ORNIX_E2E_DIR) / "screenshots";
    fs::create_directories(shots);
    QProcess::execute("import",
                      {"-window", "root", QString::fromStdString((shots / (folderName() + ".png")).string())});
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
    ASSERT_TRUE(XSession::answer(saveTitle, {"Return"}, (folder / name).string())) << "no save dialog";
    ASSERT_TRUE(XSession::answer(savedTitle, {"Return"})) << "no after-save window";  // "Another"
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
    settle();
    XSession::click(picture + QPoint(130, 100));  // the rectangle
    const std::string attributes = XSession::waitForWindow(attributesTitle);
    ASSERT_FALSE(attributes.empty());
    XSession::keys(attributes, {"Tab"}, "boats.html");
    XSession::keys(attributes, {"Tab"}, "_blank");
    XSession::keys(attributes, {"Tab", "Return"}, "Harbour boats");  // then to Enter, and press it
    ASSERT_TRUE(XSession::waitForWindowGone(attributesTitle));
    saveAndQuit(ornix, window, "F7", "harbour.html");
  }
  const std::string page = contents(folder / "harbour.html");
  const std::string block = std::get<SplitPage>(splitPage(page, "harbour.html")).block;
  for (const char* part :
       {R"(<AREA SHAPE="rect" COORDS="60, 60, 200, 150" HREF="boats.html" Target="_blank" ALT="Harbour boats">)",
        R"(<AREA SHAPE="circle" COORDS="460, 120, 50")", R"(<AREA SHAPE="poly" COORDS="300, 250, 420, 240, 380, 330")",
        R"(<img src="images/harbour.jpg" width=640 height=400)"}) {
    EXPECT_NE(block.find(part), std::string::npos) << part << "\n" << page;
  }

  // Reopened, the same map comes back: saved as text it is the same block,
  // an area left without a link (HREF="") included.
  const std::string& reread = block;
  openAndSave("harbour.html", "F8", "harbour.txt");
  EXPECT_EQ(contents(folder / "harbour.txt"), reread + "\r\n");

  // Saved back into a page of its own, everything around the block stays as it was.
  const std::string top = "<html>\r\n<body>\r\n<h1>Harbour \xE9t\xE9</h1>\n";
  const std::string bottom = "\r\n<p>Footer</p>\n</body>\r\n</html>";
  std::ofstream(folder / "site.html", std::ios::binary) << top + block + bottom;
  openAndSave("site.html", "F9", "site-saved.html");
  EXPECT_EQ(contents(folder / "site-saved.html"), top + reread + bottom + "\r\n");
}

TEST_F(EndToEnd, AnAreaIsUndoneRedoneMovedAndDrawnZoomedIn) {
  OrnixProcess ornix(home(), fileArgument("harbour.jpg"));
  const std::string window = editor();
  ASSERT_FALSE(window.empty()) << ornix.output();
  XSession::drag(picture + QPoint(60, 60), picture + QPoint(200, 150));
  XSession::drag(picture + QPoint(400, 60), picture + QPoint(500, 150));
  XSession::keys(window, {"ctrl+z", "ctrl+z", "ctrl+y"});  // the second area stays undone
  XSession::drag(picture + QPoint(130, 100), picture + QPoint(230, 140), true);
  XSession::keys(window, {"ctrl+equal"});  // 200%: each picture pixel two screen pixels across
  settle();
  XSession::drag(picture + QPoint(20, 20), picture + QPoint(100, 80));
  XSession::keys(window, {"ctrl+0", "F3"});
  // The area drawn last, selected, goes first.
  ASSERT_TRUE(XSession::answer("Areas", {"ctrl+Up"})) << "F3 showed no area list";
  saveAndQuit(ornix, window, "F8", "edited.txt");
  const std::string block = contents(folder / "edited.txt");
  EXPECT_EQ(block.substr(block.find("<AREA"), block.find("</MAP>") - block.find("<AREA")),
            "<AREA SHAPE=\"rect\" COORDS=\"10, 10, 50, 40\" HREF=\"\">\r\n"
            "<AREA SHAPE=\"rect\" COORDS=\"160, 100, 300, 190\" HREF=\"\">\r\n");
}

// A page with two maps written by hand, one on the picture shown at half its
// size: Ctrl+I, the chooser, the second map, its second area's ALT typed
// over in the Areas window, F9. The page saved differs in that tag alone.
TEST_F(EndToEnd, AMapOfAnyPageIsImportedEditedAndSavedBackInPlace) {
  const std::string lightTag = R"(<area shape="circle" coords="230,60,25" href="light.html" alt="Light">)";
  const std::string original =
      "<!DOCTYPE html>\n<html><body>\n<img src=\"images/harbour.jpg\" usemap=\"#boats\">\n"
      "<img src=\"harbour.jpg\" usemap=\"#quay\" width=\"320\" height=\"200\">\n<map name=\"boats\">\n"
      "  <area shape=\"rect\" coords=\"60,60,200,150\" href=\"boats.html\" alt=\"Boats\">\n</map>\n"
      "<map name=\"quay\">\n  <area shape=\"rect\" coords=\"10,10,100,80\" href=\"quay.html\" title=\"The quay\">\n  " +
      lightTag + "\n</map>\n</body></html>\n";
  std::ofstream(folder / "site.html", std::ios::binary) << original;
  OrnixProcess ornix(home(), {});
  const std::string window = editor();
  ASSERT_FALSE(window.empty()) << ornix.output();
  XSession::keys(window, {"ctrl+i"});
  ASSERT_TRUE(XSession::answer("Import Map...", {"Return"}, (folder / "site.html").string())) << "no Import dialog";
  ASSERT_TRUE(XSession::answer("Choose a Map", {"Down", "Return"})) << "no chooser";
  ASSERT_TRUE(XSession::waitForWindowGone("Choose a Map"));
  settle(1000);  // the areas appear one by one
  XSession::keys(window, {"F3"});
  // In the Areas window: the second row, its last column, then the ALT to its left.
  ASSERT_TRUE(XSession::answer("Areas", {"Down", "Down", "End", "Left", "F2", "ctrl+a"}));
  XSession::keys(XSession::waitForWindow("Areas"), {"Return"}, "Harbour light");
  settle();
  saveAndQuit(ornix, window, "F9", "site-saved.html");
  std::string expected = original;
  expected.replace(expected.find(lightTag), lightTag.size(),
                   R"(<AREA SHAPE="circle" COORDS="230, 60, 25" HREF="light.html" ALT="Harbour light">)");
  EXPECT_EQ(contents(folder / "site-saved.html"), expected);
}

// The clipboard as another program reads it, through xclip; "" when it holds no text.
std::string clipboardText() {
  QProcess xclip;
  xclip.start("xclip", {"-o", "-selection", "clipboard"});
  xclip.waitForFinished(10000);
  return xclip.readAllStandardOutput().toStdString();
}

// How many copies of the program run, clipboard keepers among them.
int copiesRunning() {
  QProcess pgrep;
  pgrep.start("pgrep", {"-c", "-f", ORNIX_BINARY});
  pgrep.waitForFinished(10000);
  return pgrep.readAllStandardOutput().trimmed().toInt();
}

// How many copies run once those on their way out have ended, waiting up to
// ten seconds for at most this many: a keeper that lets go ends in moments,
// but the sanitizers' leak check at its end can take seconds on a busy machine.
int copiesRunningOnceEnded(int atMost) {
  QElapsedTimer clock;
  clock.start();
  int running = copiesRunning();
  for (; running > atMost && clock.elapsed() < 10000; running = copiesRunning()) settle(100);
  return running;
}

// Saves to the clipboard (confirmed), chooses "Another" or "Quit" after it.
void saveToClipboard(const std::string& window, bool quit) {
  XSession::keys(window, {"F5"});
  XSession::answer("Confirm Clipboard:", {"Return"});
  ASSERT_TRUE(XSession::answer(savedTitle, quit ? QStringList{"Tab", "Return"} : QStringList{"Return"}))
      << "no after-save window";
}

// Five clipboard saves of the same map, undone each time, some in a hurry and
// some with time between them, leave one keeper at most, which ends as soon
// as another program takes the clipboard.
TEST_F(EndToEnd, AClipboardSaveOutlivesTheProgramUntilAnotherProgramTakesTheClipboard) {
  OrnixProcess ornix(home(), {});
  const std::string window = editor();
  ASSERT_FALSE(window.empty()) << ornix.output();
  XSession::keys(window, {"F4"});  // as the File menu shows, beside F2
  ASSERT_TRUE(XSession::answer("Open File...", {"Return"}, (folder / "harbour.jpg").string()))
      << "F4 showed no Open dialog";
  ASSERT_TRUE(XSession::waitForWindowGone("Open File..."));
  settle();
  XSession::drag(picture + QPoint(60, 60), picture + QPoint(200, 150));
  saveWith(window, "F8", "clipboard.txt");  // the same map as a file, to compare with
  XSession::keys(window, {"ctrl+z"});
  for (int save = 0; save < 5; ++save) {
    saveToClipboard(window, false);
    ASSERT_TRUE(XSession::waitForWindowGone(savedTitle));
    XSession::keys(window, {"ctrl+z"});
    if (save % 2 == 1) settle(1000);
  }
  settle(1000);
  EXPECT_LE(copiesRunningOnceEnded(2), 2) << "more than one keeper beside the program";
  saveToClipboard(window, true);
  EXPECT_TRUE(ornix.endsCleanly()) << ornix.output();

  std::string saved = contents(folder / "clipboard.txt");
  ASSERT_TRUE(saved.ends_with("\r\n"));
  saved.resize(saved.size() - 2);
  EXPECT_EQ(clipboardText(), saved);
  EXPECT_EQ(copiesRunningOnceEnded(1), 1) << "one keeper, and only one, keeps the saved map";

  QProcess other;  // another program copies a text: the keeper has nothing left to keep
  other.start("xclip", {"-selection", "clipboard", "-i"});
  other.write("something else");
  other.closeWriteChannel();
  other.waitForFinished(10000);
  EXPECT_EQ(copiesRunningOnceEnded(0), 0) << "a clipboard keeper was left behind";
  EXPECT_EQ(clipboardText(), "something else");
  QProcess::execute("pkill", {"-x", "xclip"});
  QProcess::execute("pkill", {"-f", ORNIX_BINARY});
}

TEST_F(EndToEnd, ASecondCopyRefusesAndAnUnsavedMapIsAskedAbout) {
  OrnixProcess ornix(home(), fileArgument("harbour.jpg"));
  const std::string window = editor();
  ASSERT_FALSE(window.empty()) << ornix.output();
  {
    OrnixProcess second(home(), {});
    ASSERT_TRUE(XSession::answer("ALREADY OPEN", {"Return"}));
    EXPECT_TRUE(second.endsCleanly());
  }
  XSession::drag(picture + QPoint(60, 60), picture + QPoint(200, 150));
  XSession::keys(window, {"Escape"});
  ASSERT_TRUE(XSession::answer("Your last chance...", {"Return"}));  // YES, to stay and save
  ASSERT_TRUE(XSession::waitForWindowGone("Your last chance..."));
  settle();
  EXPECT_TRUE(ornix.running());
  EXPECT_FALSE(XSession::waitForWindow(editorTitle, 2000).empty());

  XSession::keys(window, {"Escape"});
  ASSERT_TRUE(XSession::answer("Your last chance...", {"Escape"}));  // NO: the map goes
  EXPECT_TRUE(ornix.endsCleanly());
}

}  // namespace
}  // namespace ornix::e2e

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
