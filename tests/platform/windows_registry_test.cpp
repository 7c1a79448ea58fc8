// The registry behind the settings and the file association, on Windows.
#include <gtest/gtest.h>

#include <QSettings>

#include "platform/windows_registry.h"

namespace ornix {
namespace {

// A value in the system's code page keeps every byte, and the stored text
// comes back with the terminating zero the registry keeps with it.
TEST(RegistrySettingsStore, KeepsATextUnderTheUsersKey) {
  RegistrySettingsStore store;
  const std::string key = "Software\\Quillmere\\Ornix test\\images";
  for (const std::string text : {"images/", "pics\\caf\xE9 "}) {
    ASSERT_TRUE(store.setDefaultValue(key, text + '\0'));
    EXPECT_EQ(store.defaultValue(key), text + '\0');
  }
  const QSettings user("HKEY_CURRENT_USER\\Software\\Quillmere\\Ornix test", QSettings::NativeFormat);
  EXPECT_EQ(user.value("images/Default").toString(), QString::fromLatin1("pics\\caf\xE9 "));
  QSettings("HKEY_CURRENT_USER\\Software\\Quillmere", QSettings::NativeFormat).remove("Ornix test");
}

TEST(RegistryAssociation, WritesTheClassesKeysOfTheUserAndRemovesExactlyThose) {
  RegistryAssociation association;
  ASSERT_TRUE(association.write("C:/Program Files/Ornix/ornix.exe"));
  const QSettings classes("HKEY_CURRENT_USER\\Software\\Classes", QSettings::NativeFormat);
  EXPECT_EQ(classes.value(".ornx/Default").toString(), "Ornix");
  EXPECT_EQ(classes.value("Ornix/Default").toString(), "Client-side image mapper");
  EXPECT_EQ(classes.value("Ornix/shell/open/command/Default").toString(), R"("C:\Program Files\Ornix\ornix.exe" "%1")");
  EXPECT_TRUE(association.remove());
  EXPECT_FALSE(classes.contains(".ornx/Default"));
  EXPECT_FALSE(classes.childGroups().contains("Ornix"));
  EXPECT_FALSE(association.remove());  // nothing left to remove
}

}  // namespace
}  // namespace ornix
