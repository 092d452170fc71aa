#include <gtest/gtest.h>

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
