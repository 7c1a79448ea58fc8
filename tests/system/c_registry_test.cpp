#include <gtest/gtest.h>

#include "support/registry_home.h"
#include "workflow/image_source.h"

namespace ornix {
namespace {

class RegistryTest : public testing::Test, protected test::RegistryHome {};

TEST_F(RegistryTest, KeepsTextsUnderTheProgramsKey) {
  EXPECT_EQ(registry.keyPath(""), "Software\\Quillmere\\Ornix");
  EXPECT_EQ(registry.keyPath("images"), "Software\\Quillmere\\Ornix\\images");
  EXPECT_EQ(registry.getRegString("images"), "");
  ASSERT_TRUE(registry.enterRegString("images", "images/", "default location"));
  EXPECT_EQ(registry.getRegString("images"), "images/");  // the value name plays no part
  EXPECT_EQ(registry.getRegString("images", "other"), "images/");
  EXPECT_TRUE(std::filesystem::exists(dir.path / "config" / "Quillmere" / "Ornix.ini"));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RegistryTest, ReadsBackAtMost254Characters) {
  ASSERT_TRUE(registry.enterRegString("long", std::string(254, 'x')));
  EXPECT_EQ(registry.getRegString("long"), std::string(254, 'x'));
  ASSERT_TRUE(registry.enterRegString("long", std::string(255, 'x')));
  EXPECT_EQ(registry.getRegString("long"), "");
  ASSERT_TRUE(store.setDefaultValue(registry.keyPath("broken"), ""));  // not even the terminating zero
  EXPECT_EQ(registry.getRegString("broken"), "");
  EXPECT_EQ(ui.messages, (std::vector<Message>{{"ERROR", "Error retrieving a registry value"}}));
}

TEST_F(RegistryTest, DeletesAValueOrAKey) {
  ASSERT_TRUE(registry.enterRegString("images", "gfx/"));
  EXPECT_FALSE(registry.delRegKey("images", "no such value"));
  EXPECT_TRUE(registry.delRegKey("images"));
  EXPECT_EQ(registry.getRegString("images"), "");
  EXPECT_FALSE(registry.delRegKey("images"));
}

TEST_F(RegistryTest, TheImageSourceOptionChoosesTheFolderPrefix) {
  EXPECT_EQ(getImageFolder(registry), "images/");
  struct Case {
    int entry;
    std::optional<std::string> typed;
    std::string folder;
  };
  const std::vector<Case> cases = {
      {1, {}, ""}, {2, "gfx/", "gfx/"}, {2, "gfx", "gfx"}, {2, "", "gfx"}, {2, std::nullopt, "gfx"}, {0, {}, "images/"},
  };
  for (const Case& c : cases) {
    if (c.entry == 2) ui.inputs.push_back(c.typed);
    mnuFileImgDefault_Click(c.entry, registry, ui);
    EXPECT_EQ(getImageFolder(registry), c.folder) << c.entry << " " << c.typed.value_or("(cancelled)");
  }
  EXPECT_EQ(ui.messages.back(),
            (Message{"Default Image Location:",
                     "Enter subfolder(s) used when Ornix generates image tags.\r\n[This can be altered at a later time.]",
                     MessageIcon::none, MessageButtons::okCancel}));
}

}  // namespace
}  // namespace ornix
