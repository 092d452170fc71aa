#include "document/field_text.h"

#include <gtest/gtest.h>

#include "document/editor_context.h"
#include "edit/document_loading.h"
#include "io/document/document_writer.h"

namespace tavisk {
namespace {

TEST(SanitizeFieldText, ReplacesOnlyTheSeparatorsOfItsField) {
  struct Case {
    std::string typed;
    bool inTypeData;
    std::string kept;
  };
  const Case cases[] = {
      {"plain name", false, "plain name"},
      {"a,b,,c", false, "a.b..c"},
      {"semi;colon", false, "semi;colon"},  // ";" only separates the text field
      {"semi;colon, comma", true, "semi:colon. comma"},
      {"two\r\nlines\n", false, "two  lines "},
      {"caf\xC3\xA9,", false, "caf\xC3\xA9."},  // UTF-8 passes through untouched
      {"", true, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SanitizeFieldText(c.typed, c.inTypeData), c.kept) << c.typed;
  }
}

TEST(CutToCharacters, CountsCharactersNotBytes) {
  EXPECT_EQ(CutToCharacters("abcdef", 3), "abc");
  EXPECT_EQ(CutToCharacters("abc", 3), "abc");
  EXPECT_EQ(CutToCharacters("ab", 20), "ab");
  EXPECT_EQ(CutToCharacters("abc", 0), "");
  // Each "é" is two bytes; the cut keeps three whole characters.
  EXPECT_EQ(CutToCharacters("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 3), "\xC3\xA9\xC3\xA9\xC3\xA9");
  // A four-byte character is never split.
  EXPECT_EQ(CutToCharacters("a\xF0\x9F\x99\x82"
                            "b",
                            2),
            "a\xF0\x9F\x99\x82");
}

// The point of the replacement: typed names and texts survive a save and a
// reload together with every field that follows them on the line.
TEST(SanitizeFieldText, KeepsTheDocumentFieldsInPlaceOnReload) {
  EditorContext saved;
  sObject& object = saved.Obj[0];
  object.Name = SanitizeFieldText("Layer, one", false);
  object.HasShape = 1;
  object.W = 100;
  object.H = 100;
  sShape& shape = object.Shape[0];
  shape.Name = SanitizeFieldText("wing,left", false);
  shape.Typ = kText;
  shape.Text = SanitizeFieldText("Hi; there, you", true);
  shape.FontName = "Times New roman";
  shape.FontStyle = 256;
  shape.X = 123;
  shape.Y = -45;
  shape.W = 20;

  EditorContext loaded;
  LoadDocumentText(loaded, kLoadReplace, WriteDocumentText(saved.Obj), nullptr);
  const sObject& back = loaded.Obj[0];
  const sShape& text = back.Shape[0];
  EXPECT_EQ(back.Name, "Layer. one");
  EXPECT_EQ(text.Name, "wing.left");
  EXPECT_EQ(text.Text, "Hi: there. you");
  EXPECT_EQ(text.FontName, "Times New roman");
  EXPECT_EQ(text.FontStyle, 256);
  EXPECT_EQ(text.X, 123);
  EXPECT_EQ(text.Y, -45);
  EXPECT_EQ(text.W, 20);
}

}  // namespace
}  // namespace tavisk
