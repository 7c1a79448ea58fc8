// The program's life from its start to its end: the command line, a second
// copy, the file association, and every way out.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <filesystem>
#include <system_error>

#include "editor/area_list_window.h"
#include "editor/editor_window.h"
#include "platform/clipboard.h"
#include "platform/single_instance.h"
#include "support/map_pages.h"
#include "support/settings_home.h"
#include "support/window_keys.h"
#include "workflow/editor_commands.h"
#include "workflow/image_loading.h"
#include "workflow/start_up.h"

namespace ornix {
namespace {

class FakeInstance final : public SingleInstance {
 public:
  bool claim() override { return alone; }
  bool alone = true;
};

// An association that cannot be written: the disk is full.
class FullDiskAssociation final : public FileAssociation {
 public:
  bool write(const std::string&) override { throw std::system_error(ENOSPC, std::generic_category(), "ornix.desktop"); }
  bool remove() override { return false; }
};

class StartUpTest : public testing::Test, protected test::SettingsHome {
 protected:
  bool start(const std::string& commandLine, ProgramSettings& with) {
    return startProgram({ui, instance, with, window, "/usr/bin/ornix"}, commandLine);
  }
  bool start(const std::string& commandLine) { return start(commandLine, settings); }
  bool associationWritten() const { return std::filesystem::exists(association.desktopEntryPath()); }

  FakeInstance instance;
  EditorWindow window{ui};
};

TEST_F(StartUpTest, APageOrNothingOnTheCommandLineOpensInTheEditor) {
  EXPECT_EQ(commandLineText({"ornix", "/home/me/My", "Maps/index.html"}), "/home/me/My Maps/index.html");
  EXPECT_TRUE(start(""));
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.map().picture);
  EXPECT_TRUE(associationWritten());
  // Each opens with its three areas; only a page can be saved back into.
  const std::vector<std::pair<std::string, bool>> cases = {
      {test::writeMapPage(dir, "shop.asp", "photo.bmp", "<% x %>\r\n", ""), true},
      {test::writeMapPage(dir, "My Map.ornx", "photo.bmp", "", ""), false},
      {test::writeMapPage(dir, "news.shtml", "photo.bmp", "", ""), true},  // its last four characters are "html"
      {'"' + test::writeMapPage(dir, "quoted page.html", "photo.bmp", "", "") + '"', true},  // as a shell passes it
  };
  for (const auto& [commandLine, page] : cases) {
    window.document().empty(false);
    EXPECT_TRUE(start(commandLine)) << commandLine;
    EXPECT_EQ(window.map().areas.size(), 3u) << commandLine;
    EXPECT_EQ(window.map().sourcePage != nullptr, page) << commandLine;
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StartUpTest, ASecondCopyARefusedFileOrAFailureEndTheProgramBeforeTheWindowShows) {
  instance.alone = false;
  EXPECT_FALSE(start(""));
  EXPECT_EQ(ui.messages,
            (std::vector<Message>{{"ALREADY OPEN", "Ornix is already in use...", MessageIcon::exclamation}}));
  EXPECT_FALSE(associationWritten());
  instance.alone = true;

  const std::string jpeg = dir.write("photo.jpeg", test::Bytes{0xFF, 0xD8});
  ui.dialogScripts = {[](QDialog& d) { test::clickButton(d, "okButton"); },
                      [&jpeg](QDialog& d) {
                        EXPECT_TRUE(d.findChild<QLabel*>("bodyLabel")->text().contains(QString::fromStdString(jpeg)));
                        test::clickButton(d, "okButton");
                      }};
  for (const std::string& commandLine : {dir.path.string(), jpeg, (dir.path / "gone.gif").string()}) {
    EXPECT_FALSE(start(commandLine)) << commandLine;
  }
  EXPECT_EQ(ui.dialogsShown, (std::vector<std::string>{"No directories, please...", "We have a problem..."}));
  EXPECT_EQ(ui.messages.size(), 1u);  // a missing file ends silently

  FullDiskAssociation full;
  ProgramSettings failing{store, full, ui, "Quillmere", "Ornix"};
  EXPECT_FALSE(start("", failing));
  EXPECT_EQ(ui.messages.back().title, "Ornix Error");
  EXPECT_EQ(ui.messages.back().text.rfind(
                "There has been an error in Ornix. Please notify the author.\r\n\r\n28: ornix.desktop", 0),
            0u)
      << ui.messages.back().text;

  EXPECT_FALSE(window.isVisible());
}

class RecordingClipboard final : public Clipboard {
 public:
  void setText(const std::string& bytes) override { texts.push_back(bytes); }
  std::vector<std::string> texts;
};

// The editor window with its commands connected, shown, on a picture with
// three areas.
class ShutdownTest : public testing::Test, protected test::SettingsHome {
 protected:
  void SetUp() override {
    connectEditorCommands(window, ui, clipboard, settings);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(loadImage(window.document(), ui, test::writePicture(dir, "photo.bmp", 300, 200)), PictureLoad::loaded);
    for (const int corner : {1, 20, 50})
      window.document().addReadArea({Shape::rectangle, {{corner, corner}, {corner + 9, corner + 9}}, 0, {}});
  }
  bool associationWritten() const { return std::filesystem::exists(association.desktopEntryPath()); }
  std::size_t questionsAsked() const {
    return static_cast<std::size_t>(std::count(ui.dialogsShown.begin(), ui.dialogsShown.end(), "Your last chance..."));
  }

  RecordingClipboard clipboard;
  EditorWindow window{ui};
};

TEST_F(ShutdownTest, UninstallHelpEndsTheProgramWhateverTheAnswer) {
  ui.dialogScripts.push_back([](QDialog& d) { d.close(); });  // closed: the editor carries on
  window.commands().give(Command::uninstallHelp);
  EXPECT_TRUE(window.isVisible());

  settings.writeFileAssociation("/usr/bin/ornix");
  const auto clear = [this](Answer answer) {
    ui.answers.push_back(answer);
    ui.answerWith("clearButton");
    window.show();
    window.commands().give(Command::uninstallHelp);
    EXPECT_FALSE(window.isVisible());
  };
  clear(Answer::no);
  EXPECT_TRUE(associationWritten());
  EXPECT_EQ(questionsAsked(), 0u);  // the unsaved map is not asked about
  clear(Answer::yes);
  EXPECT_FALSE(associationWritten());
  EXPECT_EQ(ui.messages.back(), (Message{"SUCCESS",
                                         "Ornix Registry Entries have been Cleared\r\n\r\n             Good luck,\r\n"
                                         "                          and farewell.",
                                         MessageIcon::none, MessageButtons::ok}));
  clear(Answer::yes);  // nothing left to clear: no success
  EXPECT_EQ(ui.messages.back().title, "One Last Check...");

  // The next start writes the association again.
  test::FakeUi nextUi;
  EditorWindow next(nextUi);
  LockFileInstance instance(QString::fromStdString((dir.path / "ornix.lock").string()));
  EXPECT_TRUE(startProgram({nextUi, instance, settings, next, "/usr/bin/ornix"}, ""));
  EXPECT_TRUE(associationWritten());
}

// The area list closes with the editor, Esc included, and opens again in the
// next run where it was left.
TEST_F(ShutdownTest, TheAreaListClosesWithTheProgramAndReopensWhereItWasLeft) {
  test::pressKey(window, Qt::Key_F3);
  window.areaList().move(window.areaList().pos() + QPoint(40, 30));
  const QPoint place = window.areaList().pos();
  ui.answerWith("noButton");  // "Your last chance...": the map goes
  test::pressKey(window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(window.areaList().isVisible());
  EditorWindow next(ui);
  connectEditorCommands(next, ui, clipboard, settings);
  next.show();
  test::pressKey(next, Qt::Key_F3);
  EXPECT_EQ(next.areaList().pos(), place);
}

}  // namespace
}  // namespace ornix
