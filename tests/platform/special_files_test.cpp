// FIFOs, devices and links where a file is read or written: nothing but a
// regular file is ever read or replaced, and a read never blocks.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/file_io.h"
#include "support/bounded_child.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

mode_t TypeOf(const std::string& path) {
  struct stat s {};
  return ::lstat(path.c_str(), &s) == 0 ? (s.st_mode & S_IFMT) : 0;
}

std::string LinkTarget(const std::string& path) {
  char target[256];
  const ssize_t size = ::readlink(path.c_str(), target, sizeof target);
  return size > 0 ? std::string(target, static_cast<size_t>(size)) : std::string();
}

// A FIFO, a device node (the null device, as root only), a folder and links
// to them; the names of those that could be made.
std::vector<std::string> MakeSpecialFiles() {
  std::vector<std::string> made;
  if (::mkfifo("pipe", 0600) == 0 && ::symlink("pipe", "to_pipe") == 0) {
    made.insert(made.end(), {"pipe", "to_pipe"});
  }
  if (::mknod("device", S_IFCHR | 0600, makedev(1, 3)) == 0 &&
      ::symlink("device", "to_device") == 0) {
    made.insert(made.end(), {"device", "to_device"});
  }
  if (MakeDirectories("folder")) made.push_back("folder");
  return made;
}

TEST(SpecialFiles, WritersReplaceNothingButARegularFile) {
  test::ScopedWorkDir dir;
  const std::vector<std::string> targets = MakeSpecialFiles();
  ASSERT_GE(targets.size(), 3u);
  for (const std::string& target : targets) {
    SCOPED_TRACE(target);
    const mode_t type = TypeOf(target);
    const std::string link = LinkTarget(target);
    EXPECT_TRUE(IsSpecialFile(target));
    EXPECT_EQ(WriteFile(target, "bytes"), FileOutcome::NotRegular);
    EXPECT_EQ(TypeOf(target), type);
    EXPECT_EQ(LinkTarget(target), link);
  }
  EXPECT_TRUE(ListFiles(".", "").empty()) << "a temporary was left behind";
}

TEST(SpecialFiles, ALinkToAMissingFileCreatesThatFile) {
  test::ScopedWorkDir dir;
  ASSERT_TRUE(MakeDirectories("real"));
  // A chain: first -> real/second -> third (beside second) -> missing.
  ASSERT_EQ(::symlink("real/second", "first"), 0);
  ASSERT_EQ(::symlink("third", "real/second"), 0);
  ASSERT_EQ(::symlink("doc.txt", "real/third"), 0);
  EXPECT_FALSE(IsSpecialFile("first"));
  ASSERT_EQ(WriteFile("first", "through three links"), FileOutcome::Done);
  EXPECT_EQ(TypeOf("first"), S_IFLNK);
  EXPECT_EQ(TypeOf("real/second"), S_IFLNK);
  std::string bytes;
  ASSERT_EQ(ReadFile("real/doc.txt", bytes), FileOutcome::Done);
  EXPECT_EQ(bytes, "through three links");

  // A link loop leads to no file at all.
  ASSERT_EQ(::symlink("loop_b", "loop_a"), 0);
  ASSERT_EQ(::symlink("loop_a", "loop_b"), 0);
  EXPECT_EQ(WriteFile("loop_a", "x"), FileOutcome::NotRegular);
  EXPECT_EQ(TypeOf("loop_a"), S_IFLNK);
}

TEST(SpecialFiles, ReadersRefuseThemWithoutBlocking) {
  test::ScopedWorkDir dir;
  std::vector<std::string> targets = MakeSpecialFiles();
  ASSERT_TRUE(WriteFileAtomically("plain.txt", "plain"));
  const std::string failure = test::RunInChild([&targets] {
    std::string wrong;
    for (const std::string& target : targets) {
      std::string bytes = "stale";
      if (ReadFile(target, bytes) != FileOutcome::NotRegular || !bytes.empty()) {
        wrong += target + " was read; ";
      }
    }
    std::string bytes;
    if (ReadFile("plain.txt", bytes) != FileOutcome::Done || bytes != "plain") {
      wrong += "a plain file was not read; ";
    }
    if (ReadFile("missing.txt", bytes) != FileOutcome::Failed) wrong += "a missing file; ";
    return wrong;
  });
  EXPECT_EQ(failure, "");
}

}  // namespace
}  // namespace tavisk
