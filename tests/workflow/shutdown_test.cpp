#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "platform/file_association.h"
#include "platform/file_store.h"
#include "platform/settings_store.h"
#include "platform/single_instance.h"
#include "platform/twips.h"
#include "support/fake_ui.h"
#include "support/image_bytes.h"
#include "support/map_pages.h"
#include "system/c_registry.h"
#include "workflow/editor_commands.h"
#include "workflow/start_up.h"

namespace ornix {
namespace {

class RecordingClipboard final : public Clipboard {
 public:
  void setText(const std::string& bytes) override { texts.push_back(bytes); }
  std::vector<std::string> texts;
};

// The editor window with its commands connected, shown, on a picture with
// three areas.
class ShutdownTest : public testing::Test {
 protected:
  void SetUp() override {
    connectEditorCommands(window, ui, clipboard, registry);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(doc.imgSpecs(test::writePicture(dir, "photo.bmp", 300, 200)));
    for (const char* coords : {"1|1|9|9", "20|20|40|40", "50|50|90|90"}) doc.addArea("<AREA", 0, coords);
    doc.addAreaDefaults();
  }
  void answer(const char* button) {
    ui.dialogScripts.push_back([button](QDialog& d) { test::clickButton(d, button); });
  }
  bool associationWritten() const { return std::filesystem::exists(association.desktopEntryPath()); }
  std::size_t questionsAsked() const {
    return static_cast<std::size_t>(std::count(ui.dialogsShown.begin(), ui.dialogsShown.end(), "Your last chance..."));
  }

  test::TempDir dir;
  test::XdgHomes homes{dir};
  test::FakeUi ui;
  RecordingClipboard clipboard;
  IniSettingsStore store;
  FreedesktopAssociation association;
  cRegistry registry{store, association, ui, "Quillmere", "Ornix"};
  frmMap window{ui};
  MapDocument& doc = window.document();
};

TEST_F(ShutdownTest, EveryWayOutAsksAboutAnUnsavedMapAndYesKeepsEverything) {
  const QSize before = window.size();
  const std::vector<std::function<void()>> waysOut = {
      [this] { QTest::keyClick(&window, Qt::Key_Escape); },
      [this] { window.findChild<QToolButton*>("cmdClose")->click(); },
      [this] { emit window.exitRequested(); },  // the File menu's Exit
      [this] { window.close(); },                // the close box
  };
  for (const auto& leave : waysOut) {
    answer("cmdYes");
    leave();
  }
  EXPECT_EQ(questionsAsked(), 4u);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.size(), before);
  EXPECT_EQ(doc.areaList().size(), 3u);
  EXPECT_FALSE(window.closingWindow);
  EXPECT_TRUE(ui.pauses.empty());
  // Still laid out: a window smaller than its picture gets its scroll bars.
  window.resize(200, 150);
  EXPECT_TRUE(window.findChild<QScrollBar*>("HScroll1")->isVisibleTo(&window));
}

TEST_F(ShutdownTest, NoFoldsTheWindowUpAndCloses) {
  answer("cmdNo");
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(window.closingWindow);
  EXPECT_EQ(window.windowTitle(), "   ...later");
  EXPECT_EQ(window.frameGeometry().width(), pixels(2200));
  EXPECT_LE(window.height(), 1);
  EXPECT_EQ(ui.pauses, std::vector<int>{300});
  // One step per 200 twips of height down to 210, then of width down to 2200.
  EXPECT_GT(ui.eventRuns, 20);
}

TEST_F(ShutdownTest, QuitAfterASaveSaysGoodbyeAndClosesWithoutAsking) {
  ui.answers = {Answer::yes};  // "Confirm Clipboard:"
  ui.dialogScripts.push_back([](QDialog& after) { test::clickButton(after, "cmdQuit"); });
  QTest::keyClick(&window, Qt::Key_F5);
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(ui.messages.front().title, "Confirm Clipboard:");
  EXPECT_EQ(ui.pauses, (std::vector<int>{500, 300}));  // "See You", then "   ...later"
  EXPECT_EQ(questionsAsked(), 0u);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(ShutdownTest, UninstallHelpEndsTheProgramWhateverTheAnswer) {
  registry.setFileAssociation("/usr/bin/ornix");
  const auto clear = [this](Answer answer) {
    ui.answers.push_back(answer);
    ui.dialogScripts.push_back([](QDialog& d) { test::clickButton(d, "cmdClearReg"); });
    window.skipSavePrompt = false;
    window.show();
    emit window.uninstallHelpRequested();
  };
  clear(Answer::no);
  EXPECT_TRUE(associationWritten());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(questionsAsked(), 0u);  // the unsaved map is not asked about

  clear(Answer::yes);
  EXPECT_FALSE(associationWritten());
  EXPECT_EQ(ui.messages.back(), (Message{"SUCCESS",
                                         "Ornix Registry Entries have been Cleared\r\n\r\n             Good luck,\r\n"
                                         "                          and farewell.",
                                         MessageIcon::none, MessageButtons::ok}));
  const std::size_t shown = ui.messages.size();
  clear(Answer::yes);  // nothing left to clear: no success
  EXPECT_EQ(ui.messages.size(), shown + 1);
  EXPECT_EQ(ui.messages.back().title, "One Last Check...");
  EXPECT_FALSE(window.isVisible());

  // The next start writes the association again.
  test::FakeUi nextUi;
  frmMap next(nextUi);
  LockFileInstance instance((dir.path / "ornix.lock").c_str());
  EXPECT_TRUE(Main({nextUi, instance, registry, next, "/usr/bin/ornix"}, ""));
  EXPECT_TRUE(associationWritten());
}

TEST_F(ShutdownTest, ClosingTheUninstallHelpLeavesTheEditorRunning) {
  ui.dialogScripts.push_back([](QDialog& d) { d.close(); });
  emit window.uninstallHelpRequested();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(doc.areaList().size(), 3u);
  EXPECT_EQ(ui.dialogsShown, std::vector<std::string>{"Delete Ornix"});
}

}  // namespace
}  // namespace ornix
