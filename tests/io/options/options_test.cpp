#include <gtest/gtest.h>

#include "document/numeric.h"
#include "io/options/options_file.h"
#include "platform/file_io.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

TEST(Options, FirstLoadWritesDefaultsAndReadsThemBack) {
  test::ScopedWorkDir dir;
  sPzOptions options;
  LoadOptions(options);
  ASSERT_TRUE(IsRegularFile("Preferences.ini"));
  EXPECT_EQ(options.WinW, 1024);
  EXPECT_EQ(options.WinState, kWindowMaximized);
  EXPECT_EQ(options.Zoom, 100);
  EXPECT_EQ(options.ShowSelection, 1);
  EXPECT_EQ(options.ShowCameraBorder, 1);
  EXPECT_EQ(options.ShowGrid, 0);
  EXPECT_EQ(options.BgColor, -8882056);
  EXPECT_EQ(options.GridColor, -3618616);
  EXPECT_EQ(options.BgImg, 0);
  std::string text;
  ASSERT_TRUE(ReadWholeFile("Preferences.ini", text));
  EXPECT_NE(text.find("\"BgColor\": -8882056,\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"ShowGrid\": 0\r\n}"), std::string::npos);
}

TEST(Options, MissingMembersReadAsZeroAndNamesIgnoreCase) {
  test::ScopedWorkDir dir;
  ASSERT_TRUE(WriteFileAtomically("Preferences.ini", "{ \"zOOm\": 50, \"showgrid\": 1 }"));
  sPzOptions options;
  LoadOptions(options);
  EXPECT_EQ(options.Zoom, 50);
  EXPECT_EQ(options.ShowGrid, 1);
  EXPECT_EQ(options.WinW, 0);
  EXPECT_EQ(options.ShowTip, 0);
  EXPECT_EQ(options.BgColor, 0);
}

TEST(Options, DamagedFileKeepsDefaults) {
  for (const char* text : {"not json", "[1, 2, 3]", "{\"Zoom\": ", ""}) {
    test::ScopedWorkDir dir;
    ASSERT_TRUE(WriteFileAtomically("Preferences.ini", text));
    sPzOptions options;
    LoadOptions(options);
    EXPECT_EQ(options.Zoom, 100) << text;
    EXPECT_EQ(options.WinW, 1024) << text;
  }
}

TEST(Options, ValuesNarrowToTheirFieldsAndRoundTrip) {
  sPzOptions options;
  ASSERT_TRUE(OptionsFromJson(
      "{\"WinW\": 70000, \"Zoom\": 300, \"BgColor\": -16776961, \"SnapX\": \"12\","
      " \"AutosaveTime\": 2.5}",
      options));
  EXPECT_EQ(options.WinW, Wrap16(70000));
  EXPECT_EQ(options.Zoom, 300 & 0xFF);
  EXPECT_EQ(options.BgColor, RGBA(255, 0, 0, 255));
  EXPECT_EQ(options.SnapX, 12);
  EXPECT_EQ(options.AutosaveTime, 2);  // halves go to the even neighbour

  sPzOptions defaults;
  SetDefaultOptions(defaults);
  defaults.CameraX = -40;
  sPzOptions back;
  ASSERT_TRUE(OptionsFromJson(OptionsToJson(defaults), back));
  EXPECT_EQ(OptionsToJson(back), OptionsToJson(defaults));
}

TEST(Options, ReadingTheFileAnswersWhatItHeldAndNeverWrites) {
  test::ScopedWorkDir dir;
  sPzOptions defaults;
  SetDefaultOptions(defaults);
  const OptionsReadResult absent = ReadOptionsFile(".");
  EXPECT_EQ(absent.State, OptionsFileState::Absent);
  EXPECT_EQ(OptionsToJson(absent.Options), OptionsToJson(defaults));
  EXPECT_FALSE(IsRegularFile("Preferences.ini")) << "reading never creates the file";

  ASSERT_TRUE(MakeDirectories("Preferences.ini"));
  EXPECT_EQ(ReadOptionsFile(".").State, OptionsFileState::Absent) << "a folder is no file";

  test::ScopedWorkDir other;
  ASSERT_TRUE(WriteFileAtomically("Preferences.ini", "[1, 2]"));
  const OptionsReadResult damaged = ReadOptionsFile(".");
  EXPECT_EQ(damaged.State, OptionsFileState::Damaged);
  EXPECT_EQ(OptionsToJson(damaged.Options), OptionsToJson(defaults));

  ASSERT_TRUE(WriteFileAtomically("Preferences.ini", "{\"Zoom\": 50}"));
  const OptionsReadResult read = ReadOptionsFile(".");
  EXPECT_EQ(read.State, OptionsFileState::Read);
  EXPECT_EQ(read.Options.Zoom, 50);
  EXPECT_EQ(read.Options.WinW, 0) << "a member the file lacks reads as 0";
}

TEST(Numeric, WrapRoundAndColours) {
  EXPECT_EQ(Wrap16(32768), -32768);
  EXPECT_EQ(Wrap16(-32769), 32767);
  EXPECT_EQ(RoundInt(2.5), 2);
  EXPECT_EQ(RoundInt(3.5), 4);
  EXPECT_EQ(RoundInt(-2.5), -2);
  EXPECT_EQ(RGBA(220, 220, 120, 255), -8856356);
  EXPECT_EQ(RGBA(255, 120, 0, 255), -16746241);
  EXPECT_EQ(RGBA(0, 0, 255, 255), -65536);
  EXPECT_EQ(RGBA(10, 20, 30, 127), 0x7F1E140A);
  EXPECT_EQ(Alpha(-8856356), 255);
  EXPECT_EQ(WithAlpha(RGBA(1, 2, 3, 255), 0), RGBA(1, 2, 3, 0));
  EXPECT_EQ(DivTrunc(-27, 10), -2);
  EXPECT_EQ(DivTrunc(5, 0), 0);
}

}  // namespace
}  // namespace tavisk
