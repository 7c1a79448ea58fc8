#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QLockFile>
#include <csignal>
#include <thread>

#include "model/map_writer.h"
#include "platform/file_store.h"
#include "platform/regions.h"
#include "platform/single_instance.h"
#include "platform/text_codec.h"
#include "support/image_bytes.h"

namespace ornix {
namespace {

TEST(TextCodec, GivesBackTheOriginalBytesOfAnUneditedText) {
  const std::vector<std::string> originals = {"plain.html", "caf\xC3\xA9", "caf\xE9", "Stra\337e", ""};
  for (const std::string& bytes : originals) {
    EXPECT_EQ(fromDisplay(toDisplay(bytes), bytes), bytes);
  }
  EXPECT_EQ(toDisplay("caf\xE9"), QString::fromLatin1("caf\xE9"));
  EXPECT_EQ(fromDisplay("new", "caf\xE9"), "new");
}

TEST(Regions, HitTestsRectanglesEllipsesAndPolygons) {
  const QRegion rect = rectangleRegion({120, 80}, {20, 10});  // corners in reverse
  const QRegion ellipse = ellipseRegion({0, 0}, {100, 50});
  const QRegion star =
      polygonRegion(QPolygon({QPoint(50, 0), QPoint(80, 100), QPoint(0, 35), QPoint(100, 35), QPoint(20, 100)}));
  const std::vector<std::tuple<const QRegion*, QPoint, bool>> cases = {
      {&rect, {20, 10}, true},  {&rect, {119, 79}, true},   {&rect, {120, 50}, false}, {&rect, {50, 80}, false},
      {&rect, {19, 50}, false}, {&ellipse, {50, 25}, true}, {&ellipse, {2, 2}, false}, {&ellipse, {99, 25}, true},
      {&star, {50, 20}, true},  {&star, {50, 50}, false},  // the star's middle is crossed twice: even-odd leaves it out
      {&star, {95, 90}, false},
  };
  for (const auto& [region, point, inside] : cases) {
    EXPECT_EQ(region->contains(point), inside) << point.x() << "," << point.y();
  }
}

TEST(SingleInstance, OneCopyHoldsTheClaimAndAKilledCopyLeavesItFree) {
  test::TempDir dir;
  const QString lock = QString::fromStdString((dir.path / "ornix.lock").string());
  {
    LockFileInstance first(lock);
    LockFileInstance second(lock);
    EXPECT_TRUE(first.claim());
    EXPECT_FALSE(second.claim());
  }
  // A copy that is killed while it holds the claim leaves its lock file behind.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    LockFileInstance killed(lock);
    if (killed.claim()) raise(SIGKILL);
    _exit(1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the child could not claim";
  EXPECT_TRUE(std::filesystem::exists(dir.path / "ornix.lock"));
  LockFileInstance next(lock);
  EXPECT_TRUE(next.claim());
}

// Whether a process has a file of `folder` open with some bytes in it. The
// file being saved may have no name yet, so it is looked for among the open files.
bool writingInto(pid_t process, const std::filesystem::path& folder) {
  std::error_code error;
  for (const auto& open : std::filesystem::directory_iterator("/proc/" + std::to_string(process) + "/fd", error)) {
    const std::filesystem::path target = std::filesystem::read_symlink(open.path(), error);
    if (!error && target.string().starts_with(folder.string()) && std::filesystem::file_size(open.path(), error) > 0 &&
        !error) {
      return true;
    }
  }
  return false;
}

// A save killed while it writes a large map leaves the file it was to replace
// byte for byte as it was.
TEST(WriteWholeFile, ASaveKilledWhileWritingLeavesTheOldFileAsItWas) {
  test::TempDir dir;
  const std::string page = dir.write("page.htm", {'o', 'l', 'd'});
  const Area area{Shape::rectangle, {{10, 20}, {110, 220}}, 0, {"index.html", "_top", "Harbour", {}}};
  const std::string map = writeMapBlock({Picture{"a.jpg", 9, 9}, std::vector<Area>(3'000'000, area), nullptr},
                                        "images/");  // a map of 300 MB
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    writeWholeFile(page, map);
    _exit(0);
  }
  while (!writingInto(child, dir.path)) std::this_thread::yield();
  kill(child, SIGKILL);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the save ended before it could be killed";
  EXPECT_TRUE(test::contents(page) == "old");
}

}  // namespace
}  // namespace ornix
