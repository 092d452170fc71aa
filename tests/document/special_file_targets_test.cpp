// FIFOs and devices where the editor reads or writes its files: documents,
// templates, Fx presets, exports, autosaves and the options. Nothing blocks,
// nothing but a regular file is replaced, and the user hears of a file they
// asked for.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <string>

#include "document/shape_library.h"
#include "edit/autosave.h"
#include "edit/document_file.h"
#include "edit/fx_presets.h"
#include "edit/shape_template.h"
#include "io/fx_presets/fx_preset_text.h"
#include "io/options/options_file.h"
#include "io/purebasic/source_export.h"
#include "platform/file_io.h"
#include "platform/scripted_requesters.h"
#include "render/image_export.h"
#include "render/render_fixtures.h"
#include "support/bounded_child.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

std::string Refusal(const std::string& path) {
  return "Not a regular file (a pipe, a device or a folder), left as it is: " + path;
}

bool IsFifo(const std::string& path) {
  struct stat s {};
  return ::lstat(path.c_str(), &s) == 0 && S_ISFIFO(s.st_mode);
}

// One object with a box whose shape has an Fx; FIFOs where a document, a
// template, a preset, the exports and the autosave would be.
class SpecialFileTargets : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx.Req = &req;
    test::GiveEveryWriterSomething(ctx);
    for (const char* folder : {"out", "data/shapes/_autosave", "data/shapefx"}) {
      ASSERT_TRUE(MakeDirectories(folder));
    }
    for (const char* fifo : {"out/doc.txt", "out/src.pb", "out/pic.png", "data/shapes/fifo.txt",
                             "data/shapefx/Glow.sfx", "data/shapes/_autosave/autosave42.txt"}) {
      ASSERT_EQ(::mkfifo(fifo, 0600), 0) << fifo;
    }
    ASSERT_EQ(::symlink("doc.txt", "out/link.txt"), 0);
  }

  // What went wrong after the last message, or nothing when it read text.
  std::string ToldOnce(const std::string& text) const {
    if (req.Messages.size() != told + 1)
      return "told " + std::to_string(req.Messages.size() - told);
    return req.Messages.back().Text == text ? "" : "told: " + req.Messages.back().Text;
  }

  test::ScopedWorkDir dir;
  ScriptedRequesters req;
  EditorContext ctx;
  size_t told = 0;
};

TEST_F(SpecialFileTargets, LoadsOfAFifoAreRefusedAtOnceWithAMessage) {
  const std::string failure = test::RunInChild([this] {
    const std::string before = FormatFxPreset(ctx.Obj[0].Shape[0].Fx[0], 0);
    std::string wrong;
    for (int mode : {0, 1}) {
      for (const char* file : {"out/doc.txt", "out/link.txt"}) {
        LoadDocument(ctx, mode, file);
        const std::string why = ToldOnce(Refusal(file));
        if (!why.empty()) wrong += "load " + std::to_string(mode) + " " + file + ": " + why + "; ";
        told = req.Messages.size();
      }
    }
    LoadFxPreset(ctx, "Glow");
    if (const std::string why = ToldOnce(Refusal("data/shapefx/Glow.sfx")); !why.empty()) {
      wrong += "preset: " + why + "; ";
    }
    told = req.Messages.size();
    if (ctx.Obj.size() != 1 || ctx.Obj[0].Shape.size() != 1) return wrong + "the scene changed";
    if (FormatFxPreset(ctx.Obj[0].Shape[0].Fx[0], 0) != before) wrong += "the Fx changed; ";
    ctx.ShapeFile = "fifo.txt";
    InsertShapeTemplate(ctx);
    if (const std::string why = ToldOnce(Refusal("data/shapes/fifo.txt")); !why.empty()) {
      wrong += "template: " + why + "; ";
    }
    return wrong;
  });
  EXPECT_EQ(failure, "");
  // The template folder lists only its files.
  EXPECT_EQ(ListShapeFiles(), std::vector<std::string>{});
}

TEST_F(SpecialFileTargets, SavesOverAFifoReplaceNothingAndTellTheUser) {
  SaveDocument(ctx, "out/doc", 0);
  EXPECT_EQ(ToldOnce(Refusal("out/doc.txt")), "");
  told = req.Messages.size();
  SaveDocument(ctx, "out/link", 0);
  EXPECT_EQ(ToldOnce(Refusal("out/link.txt")), "");
  told = req.Messages.size();

  req.InputAnswers = {"Glow"};
  SaveFxPreset(ctx);
  EXPECT_EQ(ToldOnce(Refusal("data/shapefx/Glow.sfx")), "");
  told = req.Messages.size();

  req.FileAnswers = {"out/src"};
  ExportObjectSource(ctx);
  EXPECT_EQ(ToldOnce(Refusal("out/src.pb")), "");
  told = req.Messages.size();

  req.FileAnswers = {"out/pic"};
  ExportImage(ctx, kExportDrawnArea, 500, 400);
  EXPECT_EQ(ToldOnce("Cannot save image: out/pic.png"), "");
  told = req.Messages.size();

  // Nobody asked for the autosave: it stays silent.
  CheckAutosave(ctx, 5000);
  EXPECT_EQ(req.Messages.size(), told);

  for (const char* fifo : {"out/doc.txt", "out/src.pb", "out/pic.png", "data/shapefx/Glow.sfx",
                           "data/shapes/_autosave/autosave42.txt"}) {
    EXPECT_TRUE(IsFifo(fifo)) << fifo << " was replaced";
  }
  EXPECT_TRUE(ListFiles("out", "").empty()) << "a temporary was left behind";
}

// At start-up the options are read, and written when they are not a file.
TEST(SpecialOptionsFile, ALinkToADeviceOrAFifoIsNeitherReadNorReplaced) {
  test::ScopedWorkDir dir;
  const bool root = ::mknod("device", S_IFCHR | 0600, makedev(1, 3)) == 0;
  ASSERT_EQ(::mkfifo("fifo", 0600), 0);
  for (const char* special : {"device", "fifo"}) {
    if (std::string(special) == "device" && !root) continue;
    SCOPED_TRACE(special);
    ::unlink(kOptionsFileName);
    ASSERT_EQ(::symlink(special, kOptionsFileName), 0);
    struct stat before {};
    ASSERT_EQ(::lstat(special, &before), 0);
    const std::string failure = test::RunInChild([] {
      sPzOptions options;
      LoadOptions(options, ".");
      SaveOptions(options, ".");
      sPzOptions defaults;
      SetDefaultOptions(defaults);
      return OptionsToJson(options) == OptionsToJson(defaults) ? "" : "options changed";
    });
    EXPECT_EQ(failure, "");
    struct stat after {};
    ASSERT_EQ(::lstat(special, &after), 0);
    EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    EXPECT_EQ(after.st_rdev, before.st_rdev);
    ASSERT_EQ(::lstat(kOptionsFileName, &after), 0);
    EXPECT_TRUE(S_ISLNK(after.st_mode));
    EXPECT_TRUE(ListFiles(".", "").empty()) << "a temporary was left behind";
  }
}

}  // namespace
}  // namespace tavisk
