// What a preset's text holds, read apart from the Fx it is applied to.
#include "io/fx_presets/fx_preset_text.h"

#include <gtest/gtest.h>

namespace tavisk {
namespace {

TEST(FxPresetText, ReadingKeepsTheLastLineOfEachKindAndApplyingLeavesActif) {
  const FxPresetReadResult nothing = ReadFxPreset("notes\r\nshapefxx,1,2\n");
  EXPECT_FALSE(nothing.Name.has_value());
  EXPECT_FALSE(nothing.Settings.has_value());

  const FxPresetReadResult read = ReadFxPreset(
      "gen,First,0.13,\r\nshapefx,0,1,2,3,4,5,6,7,8,9,10,11,12\r\n"
      "gen,,0.13,\rshapefx,0,-1,-2,-3,-4,-5,-6,-7,-8,-9,-10,-11,-12\n");
  ASSERT_TRUE(read.Name.has_value());
  EXPECT_EQ(*read.Name, "") << "the last gen line gives no name";
  ASSERT_TRUE(read.Settings.has_value());
  EXPECT_EQ(read.Settings->X, -1);
  EXPECT_EQ(read.Settings->P2, -12);

  sShapeFx fx;
  fx.Name = "kept?";
  fx.Actif = 1;
  ApplyFxPreset(fx, 4, read);
  EXPECT_EQ(fx.Name, "fx_4");
  EXPECT_EQ(fx.Color, -3);
  EXPECT_EQ(fx.Alpha, static_cast<uint8_t>(-4));
  EXPECT_EQ(fx.Scale, -10);
  EXPECT_EQ(fx.Actif, 1);

  // A preset with settings alone leaves the name.
  ApplyFxPreset(fx, 4, ReadFxPreset("shapefx,0,7,7,7,7,7,7,7,7,7,7,7,7"));
  EXPECT_EQ(fx.Name, "fx_4");
  EXPECT_EQ(fx.X, 7);
}

}  // namespace
}  // namespace tavisk
