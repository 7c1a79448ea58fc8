#include <gtest/gtest.h>

#include <QStandardPaths>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>

#include "platform/file_association.h"
#include "support/image_bytes.h"
#include "support/settings_home.h"

namespace ornix {
namespace {

namespace fs = std::filesystem;
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

// The time each file under the folder was last written, by path. Each is
// first dated an hour back, so that a write shows however coarse the file times.
std::map<fs::path, fs::file_time_type> writeTimes(const fs::path& folder, bool dateBack = false) {
  std::map<fs::path, fs::file_time_type> times;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    if (dateBack) fs::last_write_time(entry.path(), entry.last_write_time() - std::chrono::hours(1));
    times[entry.path().lexically_normal()] = fs::last_write_time(entry.path());
  }
  return times;
}

// The desktop opens map files with the program, wherever it lies; a start
// that finds everything in place writes no file, a moved program rewrites
// only its entry; removal takes exactly what was written, and only once.
TEST(FileAssociation, IsPutRightByWritingOnlyWhatDiffersAndRemovedExactly) {
  test::TempDir dir;
  test::XdgHomes homes{dir};  // for xdg-mime, which reads them
  FreedesktopAssociation association{(dir.path / "data").string(), (dir.path / "config").string()};
  const auto written = [](const std::map<fs::path, fs::file_time_type>& times, const std::string& path) {
    return times.at(fs::path(path).lexically_normal());
  };
  fs::create_directories(dir.path / "config");
  std::ofstream(association.mimeAppsPath(), std::ios::binary) << "[Default Applications]\ntext/html=browser.desktop;\n";
  ASSERT_TRUE(association.write("/opt/My Apps/ornix"));
  EXPECT_NE(contents(association.desktopEntryPath()).find("\nExec=\"/opt/My Apps/ornix\" %f\n"), std::string::npos);
  EXPECT_EQ(contents(association.mimeAppsPath()),
            "[Default Applications]\napplication/x-ornix=ornix.desktop;\ntext/html=browser.desktop;\n");
  if (!QStandardPaths::findExecutable("desktop-file-validate").isEmpty() &&
      !QStandardPaths::findExecutable("xdg-mime").isEmpty()) {
    EXPECT_EQ(output("desktop-file-validate '" + association.desktopEntryPath() + "' 2>&1"), "");
    const std::string map = dir.write("harbour.ornx", test::Bytes{'<', '!', '-', '-'});
    EXPECT_EQ(output("xdg-mime query filetype '" + map + "'"), "application/x-ornix");
    EXPECT_EQ(output("xdg-mime query default application/x-ornix"), "ornix.desktop");
  }

  const auto first = writeTimes(dir.path, true);
  ASSERT_TRUE(association.write("/opt/My Apps/ornix"));
  EXPECT_EQ(writeTimes(dir.path), first);
  ASSERT_TRUE(association.write("/usr/bin/ornix"));
  const auto moved = writeTimes(dir.path);
  EXPECT_NE(written(moved, association.desktopEntryPath()), written(first, association.desktopEntryPath()));
  EXPECT_EQ(written(moved, association.mimePackagePath()), written(first, association.mimePackagePath()));
  EXPECT_EQ(written(moved, association.mimeAppsPath()), written(first, association.mimeAppsPath()));
  EXPECT_NE(contents(association.desktopEntryPath()).find("\nExec=/usr/bin/ornix %f\n"), std::string::npos);

  std::ofstream(association.mimeAppsPath(), std::ios::binary | std::ios::app)
      << "[Added Associations]\nimage/png=viewer.desktop;\n";
  EXPECT_TRUE(association.remove());
  EXPECT_FALSE(fs::exists(association.desktopEntryPath()));
  EXPECT_FALSE(fs::exists(association.mimePackagePath()));
  EXPECT_EQ(contents(association.mimeAppsPath()),
            "[Default Applications]\ntext/html=browser.desktop;\n[Added Associations]\nimage/png=viewer.desktop;\n");
  EXPECT_FALSE(association.remove()) << "nothing was left to remove";
}

TEST(FileAssociation, QuotesAndEscapesTheProgramAsDesktopEntriesRequire) {
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
