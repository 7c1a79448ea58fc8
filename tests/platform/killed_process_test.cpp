// What a copy of the program leaves when it is killed while it saves. This
// needs fork(), so it runs where that exists (not on Windows).
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <thread>

#include "model/map_writer.h"
#include "platform/file_store.h"
#include "support/image_bytes.h"

namespace ornix {
namespace {

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
