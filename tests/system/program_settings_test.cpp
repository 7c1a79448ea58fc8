#include <gtest/gtest.h>

#include "support/settings_home.h"
#include "system/image_folder.h"

namespace ornix {
namespace {

class ProgramSettingsTest : public testing::Test, protected test::SettingsHome {};

TEST_F(ProgramSettingsTest, KeepsTextsUnderTheProgramsKeyAndReadsBackAtMost254Characters) {
  EXPECT_EQ(settings.keyPath(""), "Software\\Quillmere\\Ornix");
  EXPECT_EQ(settings.keyPath("images"), "Software\\Quillmere\\Ornix\\images");
  EXPECT_EQ(settings.readSetting("images"), "");
  ASSERT_TRUE(settings.storeSetting("images", "images/"));
  EXPECT_EQ(settings.readSetting("images"), "images/");
  EXPECT_TRUE(std::filesystem::exists(dir.path / "config" / "Quillmere" / "Ornix.ini"));
  ASSERT_TRUE(settings.storeSetting("long", std::string(254, 'x')));
  EXPECT_EQ(settings.readSetting("long"), std::string(254, 'x'));
  ASSERT_TRUE(settings.storeSetting("long", std::string(255, 'x')));
  EXPECT_EQ(settings.readSetting("long"), "");
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_TRUE(store.setDefaultValue(settings.keyPath("broken"), ""));  // not even the terminating zero
  EXPECT_EQ(settings.readSetting("broken"), "");
  EXPECT_EQ(ui.messages, (std::vector<Message>{{"ERROR", "Error retrieving a registry value"}}));
}

TEST_F(ProgramSettingsTest, TheImageSourceOptionChoosesTheFolderPrefix) {
  EXPECT_EQ(imageFolder(settings), "images/");
  struct Case {
    ImageFolderChoice choice;
    std::optional<std::string> typed;
    std::string folder;
  };
  using enum ImageFolderChoice;
  const std::vector<Case> cases = {
      {none, {}, ""},          {custom, "gfx/", "gfx/"},      {custom, "gfx", "gfx"},
      {custom, "", "gfx"},     {custom, std::nullopt, "gfx"}, {custom, "none", ""},
      {images, {}, "images/"},
  };
  for (const Case& c : cases) {
    if (c.choice == custom) ui.inputs.push_back(c.typed);
    chooseImageFolder(c.choice, settings, ui);
    EXPECT_EQ(imageFolder(settings), c.folder) << c.typed.value_or("(cancelled)");
  }
  EXPECT_EQ(
      ui.messages.back(),
      (Message{"Default Image Location:",
               "Enter subfolder(s) used when Ornix generates image tags.\r\n[This can be altered at a later time.]",
               MessageIcon::none, MessageButtons::okCancel}));
}

}  // namespace
}  // namespace ornix
