// Runs the built tavisk-cli the way a build script would.
#include <gtest/gtest.h>

#include <QImage>

#include "edit/document_file.h"
#include "io/document/document_writer.h"
#include "io/purebasic/source_export.h"
#include "platform/clock.h"
#include "platform/file_io.h"
#include "platform/picture_fixtures.h"
#include "render_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

using test::CliRun;
using test::RunCli;

// Two objects: a red box at (10, 20) of 40 x 30, then a named one with a
// blue circle.
std::vector<sObject> SampleScene() {
  sObject first = test::MakeObject({test::MakeShape(kBox, 10, 20, 40, 30)});
  first.Name = "Object0";
  first.Shape[0].Name = "Box_0";
  sObject second = test::MakeObject({test::MakeShape(kCircle, 60, 60, 20, 10, test::kOpaqueBlue)});
  second.Name = "Badge";
  second.Shape[0].Name = "Circle_0";
  second.Depth = 1;
  return {first, second};
}

void WriteSample(const test::ScopedWorkDir& dir) {
  ASSERT_TRUE(WriteFileAtomically(dir.File("doc.txt"), WriteDocumentText(SampleScene())));
}

TEST(TaviskCli, HelpAndBadArguments) {
  test::ScopedWorkDir dir;
  const CliRun help = RunCli(dir, {"--help"});
  EXPECT_EQ(help.Code, 0);
  for (const char* text : {"tavisk-cli png DOC OUT [--area drawn|camera]",
                           "tavisk-cli pb DOC OUT [--object N]", "tavisk-cli resave DOC OUT"}) {
    EXPECT_NE(help.Out.find(text), std::string::npos) << text;
  }
  const struct {
    QStringList args;
    const char* message;
  } cases[] = {
      {{}, "no command given"},
      {{"draw", "a", "b"}, "unknown command 'draw'"},
      {{"png", "doc.txt"}, "png needs a document and an output file"},
      {{"png", "doc.txt", "o", "--area", "all"}, "--area takes 'drawn' or 'camera', not 'all'"},
      {{"png", "doc.txt", "o", "--area"}, "--area needs a value"},
      {{"png", "doc.txt", "o", "--object", "1"}, "unexpected argument '--object'"},
      {{"pb", "doc.txt", "o", "--object", "-1"}, "--object takes an object index"},
      {{"pb", "doc.txt", "o", "--object", "2x"}, "--object takes an object index"},
      {{"resave", "doc.txt", "o", "extra"}, "unexpected argument 'extra'"},
      {{"--help", "png"}, "--help takes no arguments"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(dir, c.args);
    EXPECT_EQ(run.Code, 2) << c.message;
    EXPECT_NE(run.Err.find(std::string("tavisk-cli: ") + c.message), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("Usage:"), std::string::npos);
  }
  EXPECT_TRUE(ListFiles(dir.Path(), "").empty());
}

TEST(TaviskCli, UnreadableDocumentAndFailedWrites) {
  test::ScopedWorkDir dir;
  const CliRun missing = RunCli(dir, {"png", "nope.txt", "out.png"});
  EXPECT_EQ(missing.Code, 3);
  EXPECT_NE(missing.Err.find("cannot read document 'nope.txt'"), std::string::npos);
  ASSERT_TRUE(MakeDirectories(dir.File("folder.txt")));
  EXPECT_EQ(RunCli(dir, {"resave", "folder.txt", "out.txt"}).Code, 3);

  WriteSample(dir);
  for (const char* command : {"png", "pb", "resave"}) {
    const CliRun run = RunCli(dir, {command, "doc.txt", "no/such/folder/out"});
    EXPECT_EQ(run.Code, 4) << command;
    EXPECT_NE(run.Err.find("cannot write 'no/such/folder/out."), std::string::npos) << run.Err;
  }
}

TEST(TaviskCli, PngOfTheDrawnAreaAndOfTheCamera) {
  test::ScopedWorkDir dir;
  WriteSample(dir);
  const CliRun drawn = RunCli(dir, {"png", "doc.txt", "drawn"});
  ASSERT_EQ(drawn.Code, 0) << drawn.Err;
  EXPECT_EQ(drawn.Out, "drawn.png\n");
  EXPECT_EQ(drawn.Err, "");  // a clean run says nothing else
  const QImage area(QString::fromStdString(dir.File("drawn.png")));
  // From the box's corner (10, 20) to the circle's far edge (80, 70).
  EXPECT_GE(area.width(), 70);
  EXPECT_LE(area.width(), 72);
  EXPECT_GE(area.height(), 50);
  EXPECT_LE(area.height(), 52);

  // No options file: the default 1024 x 768 camera, and no file is created.
  ASSERT_EQ(RunCli(dir, {"png", "doc.txt", "camera.png", "--area", "camera"}).Code, 0);
  EXPECT_EQ(QImage(QString::fromStdString(dir.File("camera.png"))).size(), QSize(1024, 768));
  EXPECT_FALSE(IsRegularFile(dir.File("Preferences.ini")));

  ASSERT_TRUE(WriteFileAtomically(dir.File("Preferences.ini"),
                                  "{\"CameraX\": 5, \"CameraY\": 15, \"CameraW\": 200, "
                                  "\"CameraH\": 100}"));
  ASSERT_EQ(RunCli(dir, {"png", "doc.txt", "small.png", "--area", "camera"}).Code, 0);
  const QImage small(QString::fromStdString(dir.File("small.png")));
  ASSERT_EQ(small.size(), QSize(200, 100));
  EXPECT_EQ(small.pixel(5 + 20, 5 + 10), 0xFFFF0000u);  // the box starts at (5, 5) of the camera

  sObject hidden = test::MakeObject({test::MakeShape(kBox, 10, 20, 40, 30)});
  hidden.Hide = 1;
  ASSERT_TRUE(WriteFileAtomically(dir.File("hidden.txt"), WriteDocumentText({hidden})));
  const CliRun nothing = RunCli(dir, {"png", "hidden.txt", "none.png"});
  EXPECT_EQ(nothing.Code, 5);
  EXPECT_NE(nothing.Err.find("nothing to export"), std::string::npos);
  EXPECT_FALSE(IsRegularFile(dir.File("none.png")));
}

TEST(TaviskCli, PbWritesTheChosenObject) {
  test::ScopedWorkDir dir;
  WriteSample(dir);
  const CliRun second = RunCli(dir, {"pb", "doc.txt", "badge.pb.src", "--object", "1"});
  ASSERT_EQ(second.Code, 0) << second.Err;
  EXPECT_EQ(second.Out, "badge.src.pb\n");
  std::string text;
  ASSERT_TRUE(ReadWholeFile(dir.File("badge.src.pb"), text));
  EXPECT_NE(text.find("Procedure Badge(x,y,"), std::string::npos);
  EXPECT_NE(text.find("    AddPathEllipse((20+x)*Z, (10+y)*Z, (20*ScaleX)*Z, (10*ScaleY)*Z)\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("; Date : " + TodayDate() + "\r\n"), std::string::npos);

  ASSERT_EQ(RunCli(dir, {"pb", "doc.txt", "first"}).Code, 0);
  ASSERT_TRUE(ReadWholeFile(dir.File("first.pb"), text));
  EXPECT_NE(text.find("Procedure Object0(x,y,"), std::string::npos);

  const CliRun beyond = RunCli(dir, {"pb", "doc.txt", "x.pb", "--object", "2"});
  EXPECT_EQ(beyond.Code, 5);
  EXPECT_NE(beyond.Err.find("no object 2: the document has 2 object(s)"), std::string::npos);
}

TEST(TaviskCli, ResaveBringsAnOlderFileToTheCurrentVersion) {
  test::ScopedWorkDir dir;
  const std::string current = WriteDocumentText(SampleScene());
  ASSERT_EQ(current.rfind("gen, ,0.13,\r\n", 0), 0u);
  std::string older = current;
  older.replace(0, 13, "gen, ,0.12,\r\n");
  ASSERT_TRUE(WriteFileAtomically(dir.File("old.txt"), older));
  const CliRun run = RunCli(dir, {"resave", "old.txt", "new"});
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, "new.txt\n");
  std::string saved;
  ASSERT_TRUE(ReadWholeFile(dir.File("new.txt"), saved));
  EXPECT_EQ(saved, current);
}

// Only the PNG export draws; the others never open a picture, so a document
// naming huge, missing or broken pictures costs them nothing.
TEST(TaviskCli, OnlyPngReadsPictures) {
  test::ScopedWorkDir dir;
  ASSERT_TRUE(WriteFileAtomically(dir.File("broken.png"), "not a picture"));
  sObject object = test::MakeObject(
      {test::MakeShape(kImage, 0, 0, 40, 30), test::MakeShape(kImage, 50, 0, 40, 30)});
  object.Name = "Pictures";
  object.Shape[0].Name = "Missing";
  object.Shape[0].ImageFile = "missing.png";
  object.Shape[1].Name = "Broken";
  object.Shape[1].ImageFile = "broken.png";
  const std::string document = WriteDocumentText({object});
  ASSERT_TRUE(WriteFileAtomically(dir.File("pictures.txt"), document));

  const CliRun resave = RunCli(dir, {"resave", "pictures.txt", "again"});
  EXPECT_EQ(resave.Code, 0);
  EXPECT_EQ(resave.Err, "");
  std::string saved;
  ASSERT_TRUE(ReadWholeFile(dir.File("again.txt"), saved));
  EXPECT_EQ(saved, document);
  const CliRun pb = RunCli(dir, {"pb", "pictures.txt", "source"});
  EXPECT_EQ(pb.Code, 0);
  EXPECT_EQ(pb.Err, "");

  const CliRun png = RunCli(dir, {"png", "pictures.txt", "drawn", "--area", "camera"});
  EXPECT_NE(png.Err.find("The file doesn't exists :  missing.png"), std::string::npos) << png.Err;
  EXPECT_NE(png.Err.find("Unable to load the file broken.png"), std::string::npos) << png.Err;
}

TEST(TaviskCli, AFileThatIsNotADocumentIsRefusedAndNothingWritten) {
  test::ScopedWorkDir dir;
  WriteSample(dir);
  const std::string kept = WriteDocumentText(SampleScene());
  ASSERT_TRUE(WriteFileAtomically(dir.File("notes.txt"), "shopping list\r\nmilk, eggs\r\n"));
  ASSERT_TRUE(WriteFileAtomically(dir.File("empty.txt"), ""));
  ASSERT_TRUE(WriteFileAtomically(dir.File("photo.png"), test::MakePng(4, 4, Qt::red, false)));
  for (const char* source : {"notes.txt", "empty.txt", "photo.png"}) {
    for (const char* command : {"resave", "pb", "png"}) {
      SCOPED_TRACE(std::string(command) + " " + source);
      const CliRun run = RunCli(dir, {command, source, "doc.txt"});
      EXPECT_EQ(run.Code, 3);
      EXPECT_NE(run.Err.find(std::string("'") + source + "' is not a document"), std::string::npos)
          << run.Err;
      EXPECT_EQ(run.Out, "");
    }
  }
  std::string target;
  ASSERT_TRUE(ReadWholeFile(dir.File("doc.txt"), target));
  EXPECT_EQ(target, kept);
  EXPECT_FALSE(IsRegularFile(dir.File("doc.txt.png")));
  EXPECT_FALSE(IsRegularFile(dir.File("doc.txt.pb")));
}

}  // namespace
}  // namespace tavisk
