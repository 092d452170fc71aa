#include "edit/clipboard_operations.h"

#include <gtest/gtest.h>

#include "edit/shape_operations.h"
#include "io/clipboard/shapes_clipboard.h"

namespace tavisk {
namespace {

class ClipboardOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sShape& text = ctx.Obj[0].Shape[0];
    text.Typ = kText;
    text.Text = "Hello";
    text.FontName = "Times New roman";
    text.W = 20;
    text.X = 30;
    text.Y = 40;
    text.Alpha = 255;
    text.Font = ctx.Fonts.Load(text.FontName, 20, 0);
    ctx.Obj[0].HasShape = 1;
    ctx.ObjReady = 1;
    ctx.CurrentShape = 0;
  }

  Editor ctx;
  MemoryClipboard clipboard;
};

TEST_F(ClipboardOperationsTest, APastedTextHasAFontOfItsOwn) {
  CopyToClipboard(ctx, clipboard);
  ASSERT_TRUE(PasteFromClipboard(ctx, clipboard, std::nullopt));
  ASSERT_EQ(ctx.Obj[0].Shape.size(), 2u);
  const sShape& pasted = ctx.Obj[0].Shape[1];
  EXPECT_EQ(pasted.Text, "Hello");
  EXPECT_EQ(pasted.X, 30 + kPasteOffset);
  // The original and the editor's own copy let go of theirs.
  ctx.Fonts.Release(ctx.Obj[0].Shape[0].Font);
  ctx.Fonts.Release(ctx.Clipboard.Shape[0].Font);
  const FontSpec* font = ctx.Fonts.Get(pasted.Font);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->Name, "Times New roman");
  EXPECT_EQ(font->Size, 20);
}

TEST(SvgTextTest, OnlyTextBeginningAsAnSvgDocumentWithinTheBoundIsTaken) {
  EXPECT_TRUE(LooksLikeSvgText(" \r\n\t<?xml version=\"1.0\"?><svg/>"));
  EXPECT_TRUE(LooksLikeSvgText("<svg xmlns=\"http://www.w3.org/2000/svg\"/>"));
  EXPECT_FALSE(LooksLikeSvgText("text <svg/>"));
  EXPECT_FALSE(LooksLikeSvgText("   "));
  std::string huge = "<svg>";
  huge.resize(kMaxSvgTextBytes + 1, ' ');
  EXPECT_FALSE(LooksLikeSvgText(huge));
}

}  // namespace
}  // namespace tavisk
