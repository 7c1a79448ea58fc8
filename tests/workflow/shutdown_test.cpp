#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "editor/editor_window.h"
#include "platform/clipboard.h"
#include "platform/single_instance.h"
#include "platform/twips.h"
#include "support/map_pages.h"
#include "support/settings_home.h"
#include "workflow/editor_commands.h"
#include "workflow/image_loading.h"
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
class ShutdownTest : public testing::Test, protected test::SettingsHome {
 protected:
  void SetUp() override {
    connectEditorCommands(window, ui, clipboard, settings);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(loadImage(window, ui, test::writePicture(dir, "photo.bmp", 300, 200)), PictureLoad::loaded);
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

TEST_F(ShutdownTest, EveryWayOutAsksAboutAnUnsavedMapYesKeepsItNoFoldsTheWindowUp) {
  const QSize before = window.size();
  const std::vector<std::function<void()>> waysOut = {
      [this] { QTest::keyClick(&window, Qt::Key_Escape); },
      [this] { window.findChild<QToolButton*>("closeButton")->click(); },
      [this] { emit window.exitRequested(); },  // the File menu's Exit
      [this] { window.close(); },               // the close box
  };
  for (const auto& leave : waysOut) {
    ui.answerWith("yesButton");
    leave();
  }
  EXPECT_EQ(questionsAsked(), 4u);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.size(), before);
  EXPECT_EQ(window.map().areas.size(), 3u);
  EXPECT_TRUE(ui.pauses.empty());
  window.resize(200, 150);  // still laid out: smaller than its picture, it gets its scroll bars
  EXPECT_TRUE(window.findChild<QScrollBar*>("horizontalScroll")->isVisibleTo(&window));

  ui.answerWith("noButton");
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), "   ...later");
  EXPECT_EQ(window.frameGeometry().width(), pixels(2200));
  EXPECT_LE(window.height(), 1);
  EXPECT_EQ(ui.pauses, std::vector<int>{300});
  EXPECT_GT(ui.eventRuns, 20);  // a step per 200 twips of height down to 210, then of width down to 2200
}

TEST_F(ShutdownTest, QuitAfterASaveSaysGoodbyeAndClosesWithoutAsking) {
  ui.answers = {Answer::yes};  // "Confirm Clipboard:"
  ui.answerWith("quitButton");
  QTest::keyClick(&window, Qt::Key_F5);
  EXPECT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(ui.pauses, (std::vector<int>{500, 300}));  // "See You", then "   ...later"
  EXPECT_EQ(questionsAsked(), 0u);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(ShutdownTest, UninstallHelpEndsTheProgramWhateverTheAnswer) {
  ui.dialogScripts.push_back([](QDialog& d) { d.close(); });  // closed: the editor carries on
  emit window.uninstallHelpRequested();
  EXPECT_TRUE(window.isVisible());

  settings.writeFileAssociation("/usr/bin/ornix");
  const auto clear = [this](Answer answer) {
    ui.answers.push_back(answer);
    ui.answerWith("clearButton");
    window.closeWithoutAsking = false;
    window.show();
    emit window.uninstallHelpRequested();
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

}  // namespace
}  // namespace ornix
