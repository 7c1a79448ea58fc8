#include <gtest/gtest.h>

#include <QStandardPaths>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/file_association.h"
#include "support/image_bytes.h"
#include "support/settings_home.h"

namespace ornix {
namespace {

using test::contents;

// What a command prints, its trailing line end dropped.
std::string output(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    std::array<char, 256> chunk{};
    while (fgets(chunk.data(), chunk.size(), pipe) != nullptr) text += chunk.data();
    pclose(pipe);
  }
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

class FileAssociationTest : public testing::Test {
 protected:
  test::TempDir dir;
  test::XdgHomes homes{dir};  // for xdg-mime, which reads them
  FreedesktopAssociation association{(dir.path / "data").string(), (dir.path / "config").string()};
};

TEST_F(FileAssociationTest, TheDesktopOpensMapFilesWithTheProgram) {
  std::filesystem::create_directories(dir.path / "config");
  std::ofstream(association.mimeAppsPath(), std::ios::binary) << "[Default Applications]\ntext/html=browser.desktop;\n";
  ASSERT_TRUE(association.write("/opt/My Apps/ornix"));
  EXPECT_NE(contents(association.desktopEntryPath()).find("\nExec=\"/opt/My Apps/ornix\" %f\n"), std::string::npos);
  EXPECT_EQ(contents(association.mimeAppsPath()),
            "[Default Applications]\napplication/x-ornix=ornix.desktop;\ntext/html=browser.desktop;\n");

  if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty() ||
      QStandardPaths::findExecutable("xdg-mime").isEmpty()) {
    GTEST_SKIP() << "desktop-file-utils and xdg-utils are not installed";
  }
  EXPECT_EQ(output("desktop-file-validate '" + association.desktopEntryPath() + "' 2>&1"), "");
  const std::string map = dir.write("harbour.ornx", test::Bytes{'<', '!', '-', '-'});
  EXPECT_EQ(output("xdg-mime query filetype '" + map + "'"), "application/x-ornix");
  EXPECT_EQ(output("xdg-mime query default application/x-ornix"), "ornix.desktop");
}

TEST_F(FileAssociationTest, AMovedProgramIsPutRightAndRemovalTakesExactlyWhatWasWritten) {
  ASSERT_TRUE(association.write("/old/place/ornix"));
  ASSERT_TRUE(association.write("/new/place/ornix"));
  EXPECT_NE(contents(association.desktopEntryPath()).find("\nExec=/new/place/ornix %f\n"), std::string::npos);
  std::ofstream(association.mimeAppsPath(), std::ios::binary | std::ios::app)
      << "[Added Associations]\nimage/png=viewer.desktop;\n";

  EXPECT_TRUE(association.remove());
  EXPECT_FALSE(std::filesystem::exists(association.desktopEntryPath()));
  EXPECT_FALSE(std::filesystem::exists(association.mimePackagePath()));
  EXPECT_EQ(contents(association.mimeAppsPath()),
            "[Default Applications]\n[Added Associations]\nimage/png=viewer.desktop;\n");
  EXPECT_FALSE(association.remove()) << "nothing was left to remove";
}

// Each file under the association's folders with the time it was last
// written, by its path with the system's own separators. Each is first
// dated an hour back, so that a write shows however coarse the file times.
using WriteTimes = std::map<std::filesystem::path, std::filesystem::file_time_type>;
WriteTimes writeTimes(const std::filesystem::path& folder, bool dateBack = false) {
  WriteTimes times;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    if (dateBack) std::filesystem::last_write_time(entry.path(), entry.last_write_time() - std::chrono::hours(1));
    times[entry.path().lexically_normal()] = std::filesystem::last_write_time(entry.path());
  }
  return times;
}
std::filesystem::file_time_type writtenAt(const WriteTimes& times, const std::string& path) {
  return times.at(std::filesystem::path(path).lexically_normal());
}

// A start that finds everything in place writes no file and rebuilds no
// cache; a moved program rewrites its entry, and the caches built from it.
TEST_F(FileAssociationTest, AStartWritesOnlyWhatDiffers) {
  ASSERT_TRUE(association.write("/usr/bin/ornix"));
  const auto first = writeTimes(dir.path, true);
  ASSERT_TRUE(association.write("/usr/bin/ornix"));
  EXPECT_EQ(writeTimes(dir.path), first);
  ASSERT_TRUE(association.write("/opt/ornix"));
  const auto moved = writeTimes(dir.path);
  EXPECT_NE(writtenAt(moved, association.desktopEntryPath()), writtenAt(first, association.desktopEntryPath()));
  EXPECT_EQ(writtenAt(moved, association.mimePackagePath()), writtenAt(first, association.mimePackagePath()));
  EXPECT_EQ(writtenAt(moved, association.mimeAppsPath()), writtenAt(first, association.mimeAppsPath()));
  const std::string desktopCache = (dir.path / "data/applications/mimeinfo.cache").string();
  if (std::filesystem::exists(desktopCache)) {
    EXPECT_NE(writtenAt(moved, desktopCache), writtenAt(first, desktopCache));
  }
}

TEST(DesktopExecArgument, QuotesAndEscapesAsDesktopEntriesRequire) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/usr/bin/ornix", "/usr/bin/ornix"},
      {"/opt/My Apps/ornix", "\"/opt/My Apps/ornix\""},
      {"/tools/100%/ornix", "/tools/100%%/ornix"},
      {"/a/$HOME/ornix", "\"/a/\\\\$HOME/ornix\""},
  };
  for (const auto& [path, argument] : cases) EXPECT_EQ(desktopExecArgument(path), argument) << path;
}

}  // namespace
}  // namespace ornix
