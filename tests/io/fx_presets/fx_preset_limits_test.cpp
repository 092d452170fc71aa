// Preset files of hostile size: names are kept to a typed name's length and
// a line of millions of separators costs no memory beyond the text.
#include <gtest/gtest.h>

#include <string>

#include "document/field_text.h"
#include "edit/fx_presets.h"
#include "io/fx_presets/fx_preset_text.h"
#include "platform/file_io.h"
#include "platform/scripted_requesters.h"
#include "support/bounded_child.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

constexpr size_t kHugeBytes = 50 << 20;

// Applies text in a fresh child and answers what went wrong: the peak
// memory beyond the text itself, or a name longer than allowed.
std::string ApplyInChild(const std::string& text, long allowedGrowthKb) {
  return test::RunInChild(
      [&] {
        const long before = test::PeakRssKb();
        sShapeFx fx;
        ApplyFxPresetText(fx, 0, text);
        const long grewKb = test::PeakRssKb() - before;
        std::string wrong;
        if (grewKb > allowedGrowthKb) wrong += "peak grew by " + std::to_string(grewKb) + " KB; ";
        if (fx.Name.size() > 4 * kNameCharacters) {
          wrong += "a name of " + std::to_string(fx.Name.size()) + " bytes; ";
        }
        return wrong;
      },
      60);
}

TEST(FxPresetLimits, HugeNamesAndLinesCostNoMoreThanTheirText) {
  const std::string hugeName = "gen," + std::string(kHugeBytes, 'n') + ",0.13,\r\nshapefx,0,1\r\n";
  const std::string commas = "shapefx" + std::string(kHugeBytes, ',') + "\r\n";
  const std::string lineBreaks = "gen,x,0.13" + std::string(kHugeBytes, '\n');
  for (const std::string* text : {&hugeName, &commas, &lineBreaks}) {
    EXPECT_EQ(ApplyInChild(*text, 32 * 1024), "") << text->substr(0, 12);
  }
}

TEST(FxPresetLimits, ANameFromAFileIsCutToATypedNamesLength) {
  sShapeFx fx;
  // 25 characters, the last ones of two bytes each: the cut keeps whole
  // characters.
  ApplyFxPresetText(fx, 0,
                    "gen,twenty_chars_here\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9,0.13,\r\n");
  EXPECT_EQ(fx.Name, "twenty_chars_here\xC3\xA9\xC3\xA9\xC3\xA9");

  // Through the editor: a preset file with a 50 MB name gives the Fx a short
  // one.
  test::ScopedWorkDir dir;
  ASSERT_TRUE(MakeDirectories("data/shapefx"));
  ASSERT_TRUE(WriteFileAtomically("data/shapefx/big.sfx",
                                  "gen," + std::string(kHugeBytes, 'n') + ",0.13,\r\n"));
  ScriptedRequesters req;
  EditorContext ctx;
  ctx.Req = &req;
  ctx.Obj[0].Shape[0].Fx.resize(1);
  ctx.CurrentShape = 0;
  ctx.CurrentFx = 0;
  LoadFxPreset(ctx, "big");
  const std::string& name = ctx.Obj[0].Shape[0].Fx[0].Name;
  ASSERT_EQ(name.size(), kNameCharacters);
  EXPECT_EQ(name, std::string(kNameCharacters, 'n'));
}

}  // namespace
}  // namespace tavisk
