// A save killed before its rename leaves its temporary beside the target;
// the next save of that target removes it, and only it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/atomic_file.h"
#include "platform/file_io.h"
#include "support/bounded_child.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

std::set<std::string> Entries() {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// Dates the entry (not what a link points to) a minute back.
void Age(const std::string& path) {
  const timespec minuteAgo[2] = {{::time(nullptr) - 60, 0}, {::time(nullptr) - 60, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), minuteAgo, AT_SYMLINK_NOFOLLOW), 0) << path;
}

TEST(StaleTemporaries, TheNextSaveRemovesWhatAKilledSaveOfThatTargetLeft) {
  test::ScopedWorkDir dir;
  ASSERT_TRUE(WriteFileAtomically("doc.txt", "saved"));
  test::RunInChild([] {
    AtomicFile file("doc.txt");
    file.Write("half of a document");
    ::kill(::getpid(), SIGKILL);
    return std::string();
  });
  std::set<std::string> left = Entries();
  left.erase("doc.txt");
  ASSERT_EQ(left.size(), 1u) << "the killed save left no temporary";
  Age(*left.begin());

  // Look-alikes that are not a dead save's temporary of doc.txt.
  ASSERT_TRUE(WriteFileAtomically("keep.txt", "kept"));
  for (const char* name : {"doc.txt.tmp-young1", "doc.txt.tmp-held01", "doc.txt.tmp-seven77",
                           "doc.txt.tmp-ab.123", "other.txt.tmp-abc123", "doc.tmp-abc123"}) {
    ASSERT_TRUE(WriteFileAtomically(name, "not ours to remove"));
    if (std::string(name) != "doc.txt.tmp-young1") Age(name);
  }
  ASSERT_EQ(::symlink("keep.txt", "doc.txt.tmp-link01"), 0);
  Age("doc.txt.tmp-link01");
  ASSERT_TRUE(MakeDirectories("doc.txt.tmp-dir001"));
  Age("doc.txt.tmp-dir001");
  // A save in progress elsewhere holds its temporary's lock.
  const int held = ::open("doc.txt.tmp-held01", O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  const std::set<std::string> lookAlikes = Entries();

  ASSERT_TRUE(WriteFileAtomically("doc.txt", "saved again"));
  ::close(held);
  std::set<std::string> expected = lookAlikes;
  expected.erase(*left.begin());
  EXPECT_EQ(Entries(), expected);
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile("keep.txt", bytes));
  EXPECT_EQ(bytes, "kept");
}

}  // namespace
}  // namespace tavisk
