#include "edit/autosave.h"

#include <gtest/gtest.h>

#include "document/object_creation.h"
#include "document/shape_library.h"
#include "edit/shape_creation.h"
#include "io/document/document_writer.h"
#include "platform/file_io.h"
#include "platform/scripted_requesters.h"
#include "support/recording_hooks.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

class AutosaveTest : public ::testing::Test {
 protected:
  AutosaveTest() {
    ctx.Req = &req;
    ctx.Hooks = &hooks;
    AddObject(ctx, 0);
    AddShape(ctx, kCircle, 3, 4);
    ctx.AutosaveNumber = 42;
    ctx.Options.Autosave = 1;
    ctx.Options.AutosaveTime = 180;
    ctx.AutosaveClock = 1000;
  }

  const std::string path = "data/shapes/_autosave/autosave42.txt";
  test::ScopedWorkDir dir;
  ScriptedRequesters req;
  test::RecordingHooks hooks;
  EditorContext ctx;
};

TEST_F(AutosaveTest, SavesOnlyStrictlyAfterThePeriodAndCreatesItsFolder) {
  EXPECT_EQ(AutosavePath(42), path);
  CheckAutosave(ctx, 1000 + 180000);
  EXPECT_FALSE(IsRegularFile(path));
  EXPECT_EQ(ctx.AutosaveClock, 1000);

  ctx.DocFile = "mine";
  CheckAutosave(ctx, 1000 + 180001);
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, WriteDocumentText(ctx.Obj));
  EXPECT_EQ(ctx.AutosaveClock, 181001);
  EXPECT_EQ(ctx.DocFile, "mine");
  EXPECT_TRUE(hooks.Calls.empty());
  EXPECT_TRUE(req.Asked.empty());

  // The next one is due a full period after this one, into the same file.
  AddShape(ctx, kBox, 5, 5);
  CheckAutosave(ctx, 181001 + 180000);
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes.find("Box_1"), std::string::npos);
  CheckAutosave(ctx, 181001 + 180001);
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_NE(bytes.find("Box_1"), std::string::npos);
}

TEST_F(AutosaveTest, SwitchedOffOrFailingStaysSilent) {
  ctx.Options.Autosave = 0;
  CheckAutosave(ctx, 1000000);
  EXPECT_FALSE(IsRegularFile(path));
  EXPECT_EQ(ctx.AutosaveClock, 1000);

  // A file where the folder should be: nothing written, nothing said, and
  // the clock still moves on so the next period tries again.
  ctx.Options.Autosave = 1;
  ASSERT_TRUE(MakeDirectories("data/shapes"));
  ASSERT_TRUE(WriteFileAtomically("data/shapes/_autosave", "in the way"));
  CheckAutosave(ctx, 1000000);
  EXPECT_FALSE(IsRegularFile(path));
  EXPECT_TRUE(req.Messages.empty());
  EXPECT_EQ(ctx.AutosaveClock, 1000000);
}

TEST_F(AutosaveTest, ClockStartsTwoPeriodsAwayAndHugePeriodsNeverComeDue) {
  StartAutosaveClock(ctx, 5000);
  EXPECT_EQ(ctx.AutosaveClock, 5000 + 180000);
  EXPECT_GE(ctx.AutosaveNumber, 0);
  EXPECT_LE(ctx.AutosaveNumber, 1000000);

  ctx.Options.AutosaveTime = INT64_MAX / 10;
  CheckAutosave(ctx, INT64_MAX);
  EXPECT_FALSE(IsRegularFile(AutosavePath(ctx.AutosaveNumber)));
}

TEST_F(AutosaveTest, AZeroOrNegativePeriodSavesAtTheMinimumRateNotAtEveryEvent) {
  for (const int64_t seconds : {int64_t{0}, int64_t{-5}, int64_t{1}, INT64_MIN}) {
    SCOPED_TRACE(seconds);
    ctx.Options.AutosaveTime = seconds;
    StartAutosaveClock(ctx, 0);
    EXPECT_EQ(ctx.AutosaveClock, kMinAutosaveSeconds * 1000);
    // An event every tenth of a second for a minute.
    int saves = 0;
    for (int64_t now = 100; now <= 60000; now += 100) {
      const int64_t clock = ctx.AutosaveClock;
      CheckAutosave(ctx, now);
      saves += ctx.AutosaveClock != clock;
    }
    EXPECT_EQ(saves, 60 / kMinAutosaveSeconds - 2);
    EXPECT_TRUE(IsRegularFile(AutosavePath(ctx.AutosaveNumber)));
  }
}

TEST(ShapeLibrary, ListsTemplateFilesByName) {
  test::ScopedWorkDir dir;
  EXPECT_TRUE(ListShapeFiles().empty());
  ASSERT_TRUE(MakeDirectories("data/shapes/_autosave"));
  ASSERT_TRUE(MakeDirectories("data/shapes/folder.txt"));
  for (const char* name : {"b-star.txt", "1-defaut.txt", "notes.md", "a.txt.bak"}) {
    ASSERT_TRUE(WriteFileAtomically(std::string("data/shapes/") + name, "gen, ,0.13,\r\n"));
  }
  ASSERT_TRUE(WriteFileAtomically("data/shapes/_autosave/autosave1.txt", "gen"));
  EXPECT_EQ(ListShapeFiles(), (std::vector<std::string>{"1-defaut.txt", "b-star.txt"}));
}

}  // namespace
}  // namespace tavisk
