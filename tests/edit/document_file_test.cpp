#include "edit/document_file.h"

#include <gtest/gtest.h>

#include "document/object_creation.h"
#include "edit/shape_creation.h"
#include "io/document/document_writer.h"
#include "platform/file_io.h"
#include "platform/picture_fixtures.h"
#include "platform/scripted_requesters.h"
#include "support/recording_hooks.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

class DocumentFileTest : public ::testing::Test {
 protected:
  DocumentFileTest() {
    ctx.Req = &req;
    ctx.Hooks = &hooks;
    AddObject(ctx, 0);
    AddShape(ctx, kBox, 100, 80);
  }

  std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
  }

  test::ScopedWorkDir dir;
  ScriptedRequesters req;
  test::RecordingHooks hooks;
  EditorContext ctx;
};

TEST_F(DocumentFileTest, SaveAsksForANameAndAdoptsIt) {
  req.FileAnswers = {"drawing"};
  SaveDocument(ctx, ctx.DocFile, 0);
  ASSERT_EQ(req.Asked.size(), 1u);
  EXPECT_EQ(req.Asked[0].Kind, "save");
  EXPECT_EQ(req.Asked[0].Title, "Save");
  EXPECT_EQ(req.Asked[0].Detail, "txt|*.txt|all|*.*");
  EXPECT_EQ(req.Asked[0].Initial, "");
  EXPECT_EQ(Read("drawing.txt"), WriteDocumentText(ctx.Obj));
  EXPECT_EQ(ctx.DocFile, "drawing");
  EXPECT_EQ(hooks.Title, "Tavisk 0.13 - drawing.txt");

  // The next save writes the same file without asking.
  SaveDocument(ctx, ctx.DocFile, 0);
  EXPECT_EQ(req.Asked.size(), 1u);
}

TEST_F(DocumentFileTest, TxtIsRemovedFromTheFileNameOnly) {
  ASSERT_TRUE(MakeDirectories("notes.txt.d"));
  const struct {
    std::string chosen, written;
  } cases[] = {
      {"a.txt.txt", "a.txt"},
      {"plain.txt", "plain.txt"},
      {"mid.txtend", "midend.txt"},
      {"notes.txt.d/inner", "notes.txt.d/inner.txt"},
      {"notes.txt.d/b.txt", "notes.txt.d/b.txt"},
      {"UPPER.TXT", "UPPER.TXT.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DocumentFilePath(c.chosen), c.written) << c.chosen;
    SaveDocument(ctx, c.chosen, 0);
    EXPECT_TRUE(IsRegularFile(c.written)) << c.chosen;
    EXPECT_EQ(ctx.DocFile, c.chosen);
    EXPECT_EQ(hooks.Title, "Tavisk 0.13 - " + FileNamePart(c.written));
  }
  EXPECT_FALSE(IsRegularFile("notes.d/inner.txt"));
}

TEST_F(DocumentFileTest, CopiesAndCancelsLeaveTheNameAlone) {
  ctx.DocFile = "mine";
  SaveDocument(ctx, "backup", 1);
  EXPECT_TRUE(IsRegularFile("backup.txt"));
  EXPECT_EQ(ctx.DocFile, "mine");
  EXPECT_EQ(hooks.Count("SetWindowTitle(Tavisk 0.13 - backup.txt)"), 0);

  SaveDocument(ctx, "", 0);  // cancelled requester
  EXPECT_EQ(ctx.DocFile, "mine");
  EXPECT_TRUE(hooks.Calls.empty());

  // "Save a copy" asks even with a name and then carries the new name.
  req.FileAnswers = {"other"};
  SaveDocument(ctx, "", 0);
  EXPECT_EQ(ctx.DocFile, "other");
  EXPECT_EQ(hooks.Title, "Tavisk 0.13 - other.txt");
}

TEST_F(DocumentFileTest, SavingReplacesWholeFilesAndLeavesNoTemporaries) {
  ASSERT_TRUE(WriteFileAtomically("long.txt", std::string(100000, 'x')));
  SaveDocument(ctx, "long", 0);
  EXPECT_EQ(Read("long.txt"), WriteDocumentText(ctx.Obj));
  EXPECT_EQ(ListFiles(".", "").size(), 1u);
}

TEST_F(DocumentFileTest, SaveLoadSaveGivesTheSameBytes) {
  ASSERT_TRUE(WriteFileAtomically("pic.png", test::MakePng(6, 4, Qt::red, true)));
  for (ShapeType type : {kText, kLine, kCurve, kCircle}) {
    AddShape(ctx, type, 30, -40);
  }
  req.FileAnswers = {"pic.png"};
  ASSERT_EQ(AddShape(ctx, kImage, 7, 8), 1);
  AddObject(ctx, 1);
  AddShape(ctx, kBox, -1, -2);
  SaveDocument(ctx, "first", 0);

  EditorContext other;
  other.Req = &req;
  LoadDocument(other, 0, "first.txt");
  SaveDocument(other, "second", 0);
  EXPECT_EQ(Read("second.txt"), Read("first.txt"));
  EXPECT_TRUE(req.Messages.empty());
  EXPECT_NE(other.Pictures.Get(other.Obj[0].Shape[5].Image), nullptr);
}

TEST_F(DocumentFileTest, LoadAsksForTheFileAndAdoptsItsName) {
  SaveDocument(ctx, "doc", 0);
  // Many effects on one shape: every one of their lines is applied.
  std::string text = Read("doc.txt");
  for (int k = 1; k < 50; ++k) {
    text += "shapefx," + std::to_string(k) + ",0,0,-16746241,255,0,0,10,5,5,100,0,0,1\r\n";
  }
  ASSERT_TRUE(WriteFileAtomically("doc.txt", text));
  req.FileAnswers = {"doc.txt"};
  ctx.CurrentShape = -1;
  EXPECT_TRUE(LoadDocument(ctx, 0, ""));
  ASSERT_EQ(req.Asked.size(), 1u);
  EXPECT_EQ(req.Asked[0].Kind, "open");
  EXPECT_EQ(req.Asked[0].Title, "Save");
  EXPECT_EQ(req.Asked[0].Detail, "txt|*.txt");
  EXPECT_EQ(ctx.Obj[0].Shape[0].Fx.size(), 50u);
  EXPECT_EQ(hooks.Title, "Tavisk 0.13 - doc.txt");
  EXPECT_EQ(ctx.DocFile, "doc.txt");
  EXPECT_EQ(ctx.ObjReady, 1);
  EXPECT_EQ(ctx.CurrentShape, 0);

  // A named file is read without asking.
  EXPECT_TRUE(LoadDocument(ctx, 0, "doc.txt"));
  EXPECT_EQ(req.Asked.size(), 1u);
}

TEST_F(DocumentFileTest, FailedLoadLeavesTheSceneAndTheNameAlone) {
  ctx.DocFile = "kept";
  const sObject before = ctx.Obj[0];
  ASSERT_TRUE(MakeDirectories("folder.txt"));
  for (const std::string file : {"", "missing.txt", "folder.txt"}) {
    ctx.CurrentShape = 3;
    EXPECT_FALSE(LoadDocument(ctx, 0, file)) << file;
    EXPECT_EQ(ctx.CurrentShape, 0);
    EXPECT_EQ(ctx.DocFile, "kept");
    EXPECT_EQ(ctx.Obj.size(), 1u);
    EXPECT_EQ(ctx.Obj[0].Shape[0].Name, before.Shape[0].Name);
  }
  EXPECT_EQ(hooks.Title, "") << "the title still names the kept document";
}

TEST_F(DocumentFileTest, ADamagedDocumentStillLoadsWhatItCan) {
  ASSERT_TRUE(
      WriteFileAtomically("damaged.txt",
                          "\x89PNG\r\n\x1a\n\x01\x02,\x03\r\n"
                          "shape,0,-1,Survivor,255,0,1,1,1,1,20,20,,5,5,\r\npt,\x7f\xff,\r\n"));
  EXPECT_TRUE(LoadDocument(ctx, 0, "damaged.txt"));
  EXPECT_TRUE(req.Messages.empty());
  EXPECT_EQ(ctx.DocFile, "damaged.txt");
  ASSERT_EQ(ctx.Obj.size(), 1u);
  EXPECT_EQ(ctx.Obj[0].Shape[0].Name, "Survivor");
}

TEST_F(DocumentFileTest, MissingPictureIsReportedAndLoadingGoesOn) {
  ASSERT_TRUE(
      WriteFileAtomically("pics.txt",
                          "gen, ,0.13,\r\nobj,O,0,0,100,100,0,0,0\r\n"
                          "shape,0,-1,gone,255,0,10,5,5,6,64,48,gone.png;0;0;0;0;0;0;,5,6,\r\n"
                          "shape,1,-1,B,255,0,10,5,5,1,5,5,,1,2,\r\n"));
  LoadDocument(ctx, 0, "pics.txt");
  ASSERT_EQ(req.Messages.size(), 1u);
  EXPECT_EQ(req.Messages[0].Text, "The file doesn't exists :  gone.png");
  EXPECT_EQ(ctx.Obj[0].Shape[0].Image, -1);
  EXPECT_EQ(ctx.Obj[0].Shape[1].Name, "B");
}

TEST_F(DocumentFileTest, LoadingAFileAnswersWhatHappenedAndTellsNothing) {
  ASSERT_TRUE(MakeDirectories("folder.txt"));
  ASSERT_TRUE(WriteFileAtomically("picture.txt", test::MakePng(4, 4, Qt::red, false)));
  ASSERT_TRUE(WriteFileAtomically("empty.txt", ""));
  const std::string before = WriteDocumentText(ctx.Obj);
  const struct {
    const char* file;
    DocumentFileLoad expected;
  } failures[] = {{"missing.txt", DocumentFileLoad::Unreadable},
                  {"folder.txt", DocumentFileLoad::NotRegular},
                  {"picture.txt", DocumentFileLoad::NotADocument},
                  {"empty.txt", DocumentFileLoad::NotADocument}};
  for (const auto& failure : failures) {
    for (int mode : {kLoadReplace, kLoadMerge, kLoadTemplate}) {
      EXPECT_EQ(LoadDocumentFile(ctx, mode, failure.file, nullptr), failure.expected)
          << failure.file << " in mode " << mode;
      EXPECT_EQ(WriteDocumentText(ctx.Obj), before) << failure.file << " in mode " << mode;
    }
  }
  EXPECT_TRUE(req.Messages.empty()) << "telling the user is LoadDocument's";

  ASSERT_TRUE(WriteFileAtomically("two.txt", "gen, ,0.13,\r\nobj,Two,0,0,100,100,0,0,0\r\n"
                                             "shape,0,-1,T,255,0,1,1,1,1,5,5,,0,0,\r\n"));
  EXPECT_EQ(LoadDocumentFile(ctx, kLoadMerge, "two.txt", nullptr), DocumentFileLoad::Loaded);
  ASSERT_EQ(ctx.Obj.size(), 2u);
  EXPECT_EQ(ctx.Obj[1].Name, "Two");
  EXPECT_EQ(ctx.DocFile, "") << "a merged file never becomes the document's name";
}

}  // namespace
}  // namespace tavisk
