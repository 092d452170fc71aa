#include "edit/fx_presets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <string>

#include "edit/shape_creation.h"
#include "io/fx_presets/fx_preset_text.h"
#include "platform/file_io.h"
#include "platform/scripted_requesters.h"
#include "support/recording_hooks.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

// A context whose current shape has two Fx, the current one (1) with the
// defaults a new shape's Fx gets; the preset folder exists unless asked not.
class FxPresetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx.Req = &req;
    ctx.Hooks = &hooks;
    ctx.Obj[0].HasShape = 1;
    ctx.Obj[0].Shape[0].Fx.resize(2);
    ctx.CurrentShape = 0;
    ctx.CurrentFx = 1;
    InitShapeFx(ctx, 1);
    ASSERT_TRUE(QDir().mkpath("data/shapefx"));
  }

  sShapeFx& Fx() { return ctx.Obj[0].Shape[0].Fx[1]; }

  void Save(const std::string& typed) {
    req.InputAnswers.push_back(typed);
    SaveFxPreset(ctx);
  }

  test::ScopedWorkDir dir;
  ScriptedRequesters req;
  test::RecordingHooks hooks;
  EditorContext ctx;
};

TEST_F(FxPresetTest, SavesTheDefaultFxByteForByte) {
  ctx.CurrentFx = 0;
  InitShapeFx(ctx, 0);
  Save("glow");
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile("data/shapefx/glow.sfx", bytes));
  EXPECT_EQ(bytes,
            "gen,glow,0.13,\r\n"
            "shapefx,0,0,0,-16746241,255,0,0,10,5,5,100,0,0\r\n");
  ASSERT_EQ(req.Asked.size(), 1u);
  EXPECT_EQ(req.Asked[0].Title, "Name");
  EXPECT_EQ(req.Asked[0].Detail, "Set the name for the layer FX");
  EXPECT_EQ(req.Asked[0].Initial, "");
  EXPECT_EQ(hooks.PresetNames, std::vector<std::string>{"glow"});
}

TEST_F(FxPresetTest, SavedSettingsComeBackOnAnotherFx) {
  sShapeFx& fx = Fx();
  fx.X = -12;
  fx.Y = 7;
  fx.Color = 0x112233;
  fx.Alpha = 80;
  fx.Depth = 3;
  fx.Typ = 2;
  fx.Width = 4;
  fx.Height = 9;
  fx.Dist = 2;
  fx.Scale = -150;
  fx.P1 = 3;
  fx.P2 = -4;
  Save("mine");
  EXPECT_NE(FormatFxPreset(fx, 1).find("shapefx,1,"), std::string::npos);

  ctx.CurrentFx = 0;
  sShapeFx& other = ctx.Obj[0].Shape[0].Fx[0];
  LoadFxPreset(ctx, "mine");
  EXPECT_EQ(other.Name, "mine");
  EXPECT_EQ(FormatFxPreset(other, 1), FormatFxPreset(fx, 1));
}

TEST_F(FxPresetTest, SavingMakesTheFolderAndTellsWhenTheFileCannotBeWritten) {
  ASSERT_TRUE(QDir("data/shapefx").removeRecursively());
  Save("made");
  EXPECT_TRUE(IsRegularFile("data/shapefx/made.sfx"));
  EXPECT_TRUE(req.Messages.empty());

  // A folder in the file's place: the write fails, the Fx is still renamed.
  ASSERT_TRUE(QDir().mkpath("data/shapefx/lost.sfx"));
  hooks.Calls.clear();
  Save("lost");
  EXPECT_EQ(Fx().Name, "lost");
  ASSERT_EQ(req.Messages.size(), 1u);
  EXPECT_EQ(req.Messages[0].Title, "Error");
  EXPECT_EQ(hooks.Count("ShowFxPresets"), 1);
  EXPECT_EQ(hooks.PresetNames, std::vector<std::string>{"made"});
}

TEST(FxPresetFileName, KeepsEveryTypedNameAVisibleFileOfTheFolder) {
  EXPECT_EQ(PresetFileName("glow"), "glow");
  EXPECT_EQ(PresetFileName("a/b"), "a_b");
  EXPECT_EQ(PresetFileName("..\\up"), "_._up");
  EXPECT_EQ(PresetFileName(".."), "_.");
  EXPECT_EQ(PresetFileName("c:x\ty"), "c_x_y");
  // A listed file name applies the file it came from.
  EXPECT_EQ(PresetFileName(PresetFileName("../x")), PresetFileName("../x"));
}

TEST_F(FxPresetTest, CancelAndNoShapeChangeNothing) {
  const std::string before = Fx().Name;
  Save("");
  EXPECT_EQ(Fx().Name, before);
  EXPECT_TRUE(hooks.Calls.empty());

  ctx.CurrentShape = -1;
  Save("never");
  LoadFxPreset(ctx, "never");
  EXPECT_EQ(req.Asked.size(), 1u);  // only the cancelled question above
  EXPECT_TRUE(hooks.Calls.empty());
}

TEST_F(FxPresetTest, ATypedCommaCannotSplitTheNameLine) {
  Save("warm, soft");
  EXPECT_EQ(Fx().Name, "warm. soft");
  ctx.CurrentFx = 0;
  LoadFxPreset(ctx, "warm. soft");
  EXPECT_EQ(ctx.Obj[0].Shape[0].Fx[0].Name, "warm. soft");
}

TEST_F(FxPresetTest, ALongNameIsListedInFullButCannotBeApplied) {
  const std::string name = "a_name_of_twenty_five_chr";
  ASSERT_EQ(name.size(), 25u);
  Fx().Width = 42;
  Save(name);
  EXPECT_EQ(ListFxPresets(), std::vector<std::string>{name});

  ctx.CurrentFx = 0;
  sShapeFx& other = ctx.Obj[0].Shape[0].Fx[0];
  const std::string before = FormatFxPreset(other, 0);
  LoadFxPreset(ctx, PresetListName(name));
  EXPECT_EQ(PresetListName(name), name.substr(0, 20));
  EXPECT_EQ(FormatFxPreset(other, 0), before);
}

TEST_F(FxPresetTest, ListsFilesWithEverySuffixRemoved) {
  ASSERT_TRUE(WriteFileAtomically("data/shapefx/x.sfx.sfx", "gen,x,0.13,\r\n"));
  ASSERT_TRUE(WriteFileAtomically("data/shapefx/notes.txt", "not a preset"));
  ASSERT_TRUE(QDir().mkpath("data/shapefx/folder.sfx"));
  EXPECT_EQ(ListFxPresets(), std::vector<std::string>{"x"});
}

TEST_F(FxPresetTest, ListIsEmptyWithoutTheFolder) {
  ASSERT_TRUE(QDir("data").removeRecursively());
  EXPECT_TRUE(ListFxPresets().empty());
}

TEST(FxPresetText, ApplyingKeepsActifAndReadsMalformedNumbersAsZero) {
  for (uint8_t actif : {uint8_t{0}, uint8_t{1}}) {
    sShapeFx fx;
    fx.Actif = actif;
    fx.Width = 9;
    fx.Scale = 9;
    ApplyFxPresetText(fx, 3,
                      "gen,,0.13,\n"
                      "other,1,2,3\r\n"
                      "shapefx,0,abc,-7,5x,300,,1,-\r\n");
    EXPECT_EQ(fx.Actif, actif);
    EXPECT_EQ(fx.Name, "fx_3");  // an empty name falls back on the Fx's place
    EXPECT_EQ(fx.X, 0);          // "abc"
    EXPECT_EQ(fx.Y, -7);
    EXPECT_EQ(fx.Color, 5);   // the leading digits of "5x"
    EXPECT_EQ(fx.Alpha, 44);  // 300 wraps to 8 bits
    EXPECT_EQ(fx.Depth, 0);   // empty
    EXPECT_EQ(fx.Typ, 1);
    EXPECT_EQ(fx.Width, 0);  // "-"
    EXPECT_EQ(fx.Scale, 0);  // missing fields read as 0
  }
}

TEST(FxPresetText, LinesOfOtherKindsAreSkipped) {
  sShapeFx fx;
  fx.Name = "kept";
  fx.Width = 6;
  ApplyFxPresetText(fx, 0, "gens,x\r\nshape,0,1,2,3\r\n\r\n");
  EXPECT_EQ(fx.Name, "kept");
  EXPECT_EQ(fx.Width, 6);
}

}  // namespace
}  // namespace tavisk
