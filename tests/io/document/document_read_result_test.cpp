// What the document reader returns: the lines in file order, converted to
// the records' types, and what was wrong with the text.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "document/field_text.h"
#include "io/document/document_reader.h"

namespace tavisk {
namespace {

using AnyLine = std::variant<GeneralLine, ObjectLine, ShapeLine, FxLine, PointLine>;

std::vector<AnyLine> LinesOf(const DocumentReadResult& read) {
  std::vector<AnyLine> lines;
  read.Lines.ForEach([&lines](const auto& line) { lines.emplace_back(line); });
  return lines;
}

TEST(DocumentReadResult, LinesComeInFileOrderWithTheirFieldsConverted) {
  const DocumentReadResult read = ReadDocument(
      "\xEF\xBB\xBFgen,Doc,0.12,\r\n"
      "notes,skipped\n"
      "obj,,3,-4,70000,20,1,0,1\r"
      "shape,2,-1,,0,1,0,-3,7,7,24,300,Hi;Sans;768;,5,6,\n"
      "pt,4,-9,11,\n"
      "shapefx,1,2,3,4,5,6,7,8,9,10,11,12,13,1\n"
      "gen, ,0.13,\n"
      "shape,0,5,Box,0,0,1,1,1,6,9,9,pic.png;3;,0,0,\n");
  EXPECT_TRUE(read.Diagnostics.empty());
  const std::vector<AnyLine> lines = LinesOf(read);
  ASSERT_EQ(lines.size(), 7u);

  const auto& gen = std::get<GeneralLine>(lines[0]);
  EXPECT_EQ(gen.Name, "Doc");
  EXPECT_DOUBLE_EQ(gen.Version, 0.12);

  const auto& obj = std::get<ObjectLine>(lines[1]);
  EXPECT_EQ(obj.Name, "") << "a default name is the loading mode's to give";
  EXPECT_EQ(obj.X, 3);
  EXPECT_EQ(obj.Y, -4);
  EXPECT_EQ(obj.W, static_cast<int16_t>(70000 - 65536));
  EXPECT_EQ(obj.Locked, 1);

  const auto& text = std::get<ShapeLine>(lines[2]);
  EXPECT_EQ(text.Index, 2);
  EXPECT_EQ(text.Name, "");
  EXPECT_EQ(text.Alpha, 255) << "before 0.13 a shape without alpha is opaque";
  EXPECT_EQ(text.Width, 1) << "widths below 1 read as 1";
  EXPECT_EQ(text.Height, 1);
  EXPECT_EQ(text.Dist, 7);
  EXPECT_EQ(text.W, 24);
  EXPECT_EQ(text.Typ, kText);
  EXPECT_EQ(text.Text, "Hi");
  EXPECT_EQ(text.FontName, "Sans");
  EXPECT_EQ(text.FontStyle, 768);
  EXPECT_EQ(text.X, 5);

  const auto& point = std::get<PointLine>(lines[3]);
  EXPECT_EQ(point.Index, 4);
  EXPECT_EQ(point.X, -9);
  EXPECT_EQ(point.Y, 11);

  const auto& fx = std::get<FxLine>(lines[4]);
  EXPECT_EQ(fx.Index, 1);
  EXPECT_EQ(fx.Fx.Name, "fx_1");
  EXPECT_EQ(fx.Fx.Color, 4);
  EXPECT_EQ(fx.Fx.P2, 13);
  EXPECT_EQ(fx.Fx.Actif, 1);

  EXPECT_DOUBLE_EQ(std::get<GeneralLine>(lines[5]).Version, 0.13);
  const auto& image = std::get<ShapeLine>(lines[6]);
  EXPECT_EQ(image.Alpha, 0) << "from 0.13 on, alpha 0 is transparent";
  EXPECT_EQ(image.ImageFile, "pic.png");
  EXPECT_EQ(image.ImageP1, 3);
}

TEST(DocumentReadResult, ShapeLinesWithAnIndexNoArrayMayHoldAreLeftOut) {
  const std::string max = std::to_string(kMaxArrayElements);
  const DocumentReadResult read =
      ReadDocument("shape,-1,0,A,255,0,1,1,1,1,5,5,,0,0,\nshape," + max +
                   ",0,B,255,0,1,1,1,1,5,5,,0,0,\nshape," + std::to_string(kMaxArrayElements - 1) +
                   ",0,C,255,0,1,1,1,1,5,5,,0,0,\n");
  const std::vector<AnyLine> lines = LinesOf(read);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(std::get<ShapeLine>(lines[0]).Name, "C");
  EXPECT_FALSE(read.Has(DocumentDiagnostic::NotADocument)) << "the skipped lines are still lines";
}

TEST(DocumentReadResult, DiagnosticsNameATextThatIsNoDocumentAndCutTexts) {
  for (const std::string text : {std::string(), std::string("\x89PNG\r\n\x1a\n"),
                                 std::string("\xEF\xBB\xBF"), std::string("GEN,0\npoint,1,2")}) {
    const DocumentReadResult read = ReadDocument(text);
    EXPECT_TRUE(read.Has(DocumentDiagnostic::NotADocument)) << text;
    EXPECT_TRUE(read.Lines.Empty()) << text;
  }
  const std::string shape = "shape,0,0,T,255,0,1,1,1,7,12,0,";
  const DocumentReadResult atBound =
      ReadDocument(shape + std::string(kMaxTextBytes, 'a') + ";Sans;0,0,0,\n");
  EXPECT_TRUE(atBound.Diagnostics.empty());
  const DocumentReadResult cut =
      ReadDocument(shape + std::string(kMaxTextBytes + 1, 'a') + ";Sans;0,0,0,\n" + shape +
                   std::string(2 * kMaxTextBytes, 'b') + ";Sans;0,0,0,\n");
  EXPECT_EQ(cut.Diagnostics, std::vector<DocumentDiagnostic>{DocumentDiagnostic::TextsCut})
      << "one diagnostic however many texts were cut";
  const std::vector<AnyLine> lines = LinesOf(cut);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(std::get<ShapeLine>(lines[1]).Text.size(), kMaxTextBytes);
}

}  // namespace
}  // namespace tavisk
