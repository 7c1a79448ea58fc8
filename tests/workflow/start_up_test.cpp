#include <gtest/gtest.h>

#include <QLabel>
#include <filesystem>
#include <system_error>

#include "platform/file_association.h"
#include "platform/settings_store.h"
#include "platform/single_instance.h"
#include "support/fake_ui.h"
#include "support/image_bytes.h"
#include "support/map_pages.h"
#include "system/c_registry.h"
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

class StartUpTest : public testing::Test {
 protected:
  bool start(const std::string& commandLine) { return Main({ui, instance, registry, window, "/usr/bin/ornix"}, commandLine); }
  bool associationWritten() const { return std::filesystem::exists(association.desktopEntryPath()); }

  test::TempDir dir;
  test::XdgHomes homes{dir};
  test::FakeUi ui;
  FakeInstance instance;
  IniSettingsStore store;
  FreedesktopAssociation association;
  cRegistry registry{store, association, ui, "Quillmere", "Ornix"};
  frmMap window{ui};
  MapDocument& doc = window.document();
};

TEST_F(StartUpTest, TheCommandLineIsTheArgumentsJoinedByBlanks) {
  EXPECT_EQ(commandLineText({"ornix"}), "");
  EXPECT_EQ(commandLineText({"ornix", "/home/me/My", "Maps/index.html"}), "/home/me/My Maps/index.html");
}

TEST_F(StartUpTest, WithoutAFileTheEditorShowsItsStartPicture) {
  EXPECT_TRUE(start(""));
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(doc.imageLoaded());
  EXPECT_TRUE(associationWritten());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StartUpTest, APageOrPictureOnTheCommandLineOpensInTheEditor) {
  // Each opens with its three areas; only a page can be saved back into.
  const std::vector<std::pair<std::string, bool>> cases = {
      {test::writeMapPage(dir, "shop.asp", "photo.bmp", "<% x %>\r\n", ""), true},
      {test::writeMapPage(dir, "My Map.ornx", "photo.bmp", "", ""), false},
      {test::writeMapPage(dir, "news.shtml", "photo.bmp", "", ""), true},  // its last four characters are "html"
      {"\"" + test::writeMapPage(dir, "quoted page.html", "photo.bmp", "", "") + "\"", true},
  };
  for (const auto& [commandLine, page] : cases) {
    doc.restartMap();
    EXPECT_TRUE(start(commandLine)) << commandLine;
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(doc.areaList().size(), 3u) << commandLine;
    EXPECT_EQ(doc.hasSourcePage(), page) << commandLine;
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StartUpTest, ARefusedFileEndsTheProgramBeforeTheWindowShows) {
  const std::string folder = dir.path.string();
  const std::string jpeg = dir.write("photo.jpeg", test::Bytes{0xFF, 0xD8});
  ui.dialogScripts = {[](QDialog& d) { test::clickButton(d, "cmdOK"); },
                      [&jpeg](QDialog& d) {
                        const QString body = d.findChild<QLabel*>("Label2")->text();
                        EXPECT_TRUE(body.contains(QString::fromStdString(jpeg))) << body.toStdString();
                        test::clickButton(d, "cmdOK");
                      }};
  for (const std::string& commandLine : {folder, jpeg, (dir.path / "gone.gif").string()}) {
    EXPECT_FALSE(start(commandLine)) << commandLine;
  }
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(ui.dialogsShown, (std::vector<std::string>{"No directories, please...", "We have a problem..."}));
}

TEST_F(StartUpTest, ASecondCopySaysSoAndEndsAtOnce) {
  instance.alone = false;
  EXPECT_FALSE(start(""));
  EXPECT_EQ(ui.messages, (std::vector<Message>{{"ALREADY OPEN", "Ornix is already in use...", MessageIcon::exclamation}}));
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(associationWritten());
}

TEST_F(StartUpTest, AnErrorDuringTheStartIsReportedAndEndsIt) {
  FullDiskAssociation full;
  cRegistry failing{store, full, ui, "Quillmere", "Ornix"};
  EXPECT_FALSE(Main({ui, instance, failing, window, "/usr/bin/ornix"}, ""));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].title, "Ornix Error");
  EXPECT_EQ(ui.messages[0].text.rfind("There has been an error in Ornix. Please notify the author.\r\n\r\n28: ornix.desktop", 0), 0u)
      << ui.messages[0].text;
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace ornix
