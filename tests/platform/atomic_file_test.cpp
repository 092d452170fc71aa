#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/atomic_file.h"
#include "platform/file_io.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

TEST(AtomicFile, OldFileStaysWholeUntilCommit) {
  test::ScopedWorkDir dir;
  ASSERT_TRUE(WriteFileAtomically("doc.txt", "old version"));
  {
    AtomicFile file("doc.txt");
    ASSERT_TRUE(file.Write("new "));
    ASSERT_TRUE(file.Write("version"));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile("doc.txt", bytes));
    EXPECT_EQ(bytes, "old version");
    // Dropped here without Commit, as after a failed save.
  }
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile("doc.txt", bytes));
  EXPECT_EQ(bytes, "old version");
  EXPECT_EQ(ListFiles(".", ""), std::vector<std::string>{"doc.txt"});

  AtomicFile file("doc.txt");
  ASSERT_TRUE(file.Write("new version"));
  ASSERT_TRUE(file.Commit());
  ASSERT_TRUE(ReadWholeFile("doc.txt", bytes));
  EXPECT_EQ(bytes, "new version");
  EXPECT_FALSE(file.Commit());
}

mode_t ModeOf(const char* path) {
  struct stat s {};
  return ::lstat(path, &s) == 0 ? s.st_mode : 0;
}

TEST(AtomicFile, AReplacedFileKeepsItsPermissionsAndLinks) {
  test::ScopedWorkDir dir;
  ASSERT_TRUE(WriteFileAtomically("private.txt", "old"));
  ASSERT_EQ(::chmod("private.txt", 0600), 0);
  ASSERT_TRUE(WriteFileAtomically("private.txt", "new"));
  EXPECT_EQ(ModeOf("private.txt") & 07777, 0600u);

  // A new file gets the permissions the umask leaves.
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(WriteFileAtomically("fresh.txt", "x"));
  ::umask(mask);
  EXPECT_EQ(ModeOf("fresh.txt") & 07777, 0644u);

  // Saving through a link updates the file it points to.
  ASSERT_TRUE(MakeDirectories("real"));
  ASSERT_TRUE(WriteFileAtomically("real/doc.txt", "old"));
  ASSERT_EQ(::symlink("real/doc.txt", "link.txt"), 0);
  ASSERT_TRUE(WriteFileAtomically("link.txt", "through the link"));
  EXPECT_TRUE(S_ISLNK(ModeOf("link.txt")));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile("real/doc.txt", bytes));
  EXPECT_EQ(bytes, "through the link");
  EXPECT_EQ(ListFiles("real", "").size(), 1u);
}

TEST(AtomicFile, UnwritablePlacesFailWithoutTraces) {
  test::ScopedWorkDir dir;
  ASSERT_TRUE(MakeDirectories("folder"));
  for (const char* path : {"", "folder", "missing/doc.txt"}) {
    AtomicFile file(path);
    EXPECT_FALSE(file.Write("x")) << path;
    EXPECT_FALSE(file.Commit()) << path;
  }
  EXPECT_TRUE(ListFiles(".", "").empty());
  EXPECT_TRUE(ListFiles("folder", "").empty());
}

}  // namespace
}  // namespace tavisk
