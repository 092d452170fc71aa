// Texts longer than the bound are cut on load, whole characters only, and
// the user is told once per file.
#include <gtest/gtest.h>

#include <string>

#include "document/field_text.h"
#include "edit/document_loading.h"
#include "platform/scripted_requesters.h"

namespace tavisk {
namespace {

const PictureLoader kNoPictures = [](const std::string&) { return int64_t{0}; };

std::string TextShapeLine(int index, const std::string& text) {
  return "shape," + std::to_string(index) + ",0,T,255,0,1,1,1,7,12,0," + text + ";Sans;0,0,0,\n";
}

TEST(TextBound, LongTextsAreCutOnLoadAtACharacterAndToldOnce) {
  // "é" is two bytes; the bound falls inside the last one.
  const std::string accented = std::string(kMaxTextBytes - 1, 'a') + "\xC3\xA9" + "tail";
  const std::string atBound(kMaxTextBytes, 'b');
  EditorContext ctx;
  ScriptedRequesters req;
  ctx.Req = &req;
  LoadDocumentText(ctx, kLoadReplace,
                   "obj,O,0,0,100,100,0,0,0\n" + TextShapeLine(0, accented) +
                       TextShapeLine(1, std::string(3 * kMaxTextBytes, 'c')) +
                       TextShapeLine(2, atBound),
                   kNoPictures);
  const std::vector<sShape>& shapes = ctx.Obj[0].Shape;
  ASSERT_EQ(shapes.size(), 3u);
  // Sizes, not texts: a failure would print 64 KB.
  EXPECT_EQ(shapes[0].Text.size(), kMaxTextBytes - 1);
  EXPECT_TRUE(shapes[0].Text == std::string(kMaxTextBytes - 1, 'a'));
  EXPECT_EQ(shapes[1].Text.size(), kMaxTextBytes);
  EXPECT_TRUE(shapes[2].Text == atBound) << "a text at the bound is kept whole";
  EXPECT_EQ(shapes[1].FontName, "Sans") << "the fields after the text still read";
  ASSERT_EQ(req.Messages.size(), 1u);
  EXPECT_EQ(req.Messages[0].Text, kTextCutMessage);

  LoadDocumentText(ctx, kLoadReplace, "obj,O,0,0,100,100,0,0,0\n" + TextShapeLine(0, atBound),
                   kNoPictures);
  EXPECT_EQ(req.Messages.size(), 1u) << "nothing cut, nothing said";
}

}  // namespace
}  // namespace tavisk
