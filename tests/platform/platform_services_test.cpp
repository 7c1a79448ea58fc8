#include <gtest/gtest.h>

#include <QLockFile>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/regions.h"
#include "platform/single_instance.h"
#include "support/image_bytes.h"
#include "platform/text_codec.h"

namespace ornix {
namespace {

TEST(TextCodec, GivesBackTheOriginalBytesOfAnUneditedText) {
  const std::vector<std::string> originals = {"plain.html", "caf\xC3\xA9", "caf\xE9", "Stra\xDF" "e", ""};
  for (const std::string& bytes : originals) {
    EXPECT_EQ(fromDisplay(toDisplay(bytes), bytes), bytes);
  }
  EXPECT_EQ(toDisplay("caf\xE9"), QString::fromLatin1("caf\xE9"));
  EXPECT_EQ(fromDisplay("new", "caf\xE9"), "new");
}

TEST(Regions, HitTestsRectanglesEllipsesAndPolygons) {
  Regions regions;
  const std::int32_t rect = regions.createRect({120, 80}, {20, 10});  // corners in reverse
  const std::int32_t ellipse = regions.createEllipse({0, 0}, {100, 50});
  const std::int32_t star = regions.createPolygon(
      QPolygon({QPoint(50, 0), QPoint(80, 100), QPoint(0, 35), QPoint(100, 35), QPoint(20, 100)}));
  const std::vector<std::tuple<std::int32_t, QPoint, bool>> cases = {
      {rect, {20, 10}, true},    {rect, {119, 79}, true},  {rect, {120, 50}, false},
      {rect, {50, 80}, false},   {rect, {19, 50}, false},  {ellipse, {50, 25}, true},
      {ellipse, {2, 2}, false},  {ellipse, {99, 25}, true}, {star, {50, 20}, true},
      {star, {50, 50}, false},   // the star's middle is crossed twice: even-odd leaves it out
      {star, {95, 90}, false},
  };
  for (const auto& [handle, point, inside] : cases) {
    EXPECT_EQ(regions.contains(handle, point), inside) << handle << " " << point.x() << "," << point.y();
  }
  regions.release(rect);
  EXPECT_FALSE(regions.contains(rect, {50, 50}));
  EXPECT_EQ(regions.count(), 2u);
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

}  // namespace
}  // namespace ornix
