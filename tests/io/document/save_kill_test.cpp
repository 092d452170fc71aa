// A save killed at a random moment: the document on disk must be the whole
// old document or the whole new one, never a mix or a stub.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>

#include "edit/document_file.h"
#include "edit/document_loading.h"
#include "io/document/document_writer.h"
#include "platform/file_io.h"
#include "support/generated_document.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

const PictureLoader kNoPictures = [](const std::string&) { return int64_t{0}; };

EditorContext Read(const std::string& text) {
  EditorContext ctx;
  LoadDocumentText(ctx, kLoadReplace, text, kNoPictures);
  return ctx;
}

// Saves old and new in turn for ever, telling the parent through the pipe
// after each save; only SIGKILL ends it.
[[noreturn]] void SaveForEver(EditorContext& oldDoc, EditorContext& newDoc, int tell) {
  for (bool useNew = true;; useNew = !useNew) {
    SaveDocument(useNew ? newDoc : oldDoc, "big", 1);
    const char done = 1;
    if (::write(tell, &done, 1) != 1) ::_exit(1);
  }
}

TEST(SaveKill, DocumentOnDiskIsAlwaysTheWholeOldOrTheWholeNew) {
  test::ScopedWorkDir dir;
  // About 4 MB each: a save takes long enough to be killed in its middle.
  EditorContext oldDoc = Read(test::GeneratedDocumentText(4, 5000, 4, 1));
  EditorContext newDoc = Read(test::GeneratedDocumentText(4, 5000, 4, 2));
  const std::string oldText = WriteDocumentText(oldDoc.Obj);
  const std::string newText = WriteDocumentText(newDoc.Obj);
  ASSERT_NE(oldText, newText);
  ASSERT_GT(oldText.size(), 3'000'000u);

  const auto start = std::chrono::steady_clock::now();
  SaveDocument(oldDoc, "big", 1);
  const auto saveMicros = std::chrono::duration_cast<std::chrono::microseconds>(
                              std::chrono::steady_clock::now() - start)
                              .count();
  const unsigned seed = std::random_device{}();
  std::mt19937 random(seed);
  SCOPED_TRACE("seed " + std::to_string(seed) + ", one save " + std::to_string(saveMicros) +
               " us");
  std::uniform_int_distribution<long> pause(0, 3 * saveMicros);

  int sawOld = 0;
  int sawNew = 0;
  for (int round = 0; round < 12; ++round) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(pipeEnds[0]);
      SaveForEver(oldDoc, newDoc, pipeEnds[1]);
    }
    ::close(pipeEnds[1]);
    // Wait for a first whole save, then kill somewhere in the next ones.
    char done = 0;
    ASSERT_EQ(::read(pipeEnds[0], &done, 1), 1);
    ::usleep(static_cast<useconds_t>(pause(random)));
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::close(pipeEnds[0]);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself";

    std::string onDisk;
    ASSERT_TRUE(ReadWholeFile("big.txt", onDisk));
    const bool isOld = onDisk == oldText;
    const bool isNew = onDisk == newText;
    EXPECT_TRUE(isOld || isNew) << "round " << round << ": " << onDisk.size() << " bytes";
    // Loaded, it is one of the two scenes as well.
    const std::string reloaded = WriteDocumentText(Read(onDisk).Obj);
    EXPECT_TRUE(reloaded == oldText || reloaded == newText) << "round " << round;
    sawOld += isOld;
    sawNew += isNew;
  }
  std::cout << "[ kills    ] old " << sawOld << ", new " << sawNew << " (seed " << seed << ")\n";
}

}  // namespace
}  // namespace tavisk
