// A long template inserted from the panel's "+" button: the editor answers
// in a time that grows with the template, not with its square.
#include <chrono>
#include <iostream>

#include "edit/gadget_ids.h"
#include "editor_fixture.h"
#include "platform/file_io.h"

namespace tavisk {
namespace {

class TemplateInsertionTest : public test::EditorTest {};

// Named shapes of one point at every second index: the reader fills each
// gap with a blank shape that the insertion then removes. 2 lines a shape,
// half the shapes blanks.
std::string TemplateWithGaps(int lines) {
  std::string text = "gen, ,0.13,\r\nobj,T,0,0,100,100,0,0,0\r\n";
  for (int s = 0; 2 * s + 2 < lines; ++s) {
    const std::string n = std::to_string(2 * s);
    text += "shape," + n + ",-1,S" + n + ",255,0,1,1,1,0,0,0,,0,0,\r\npt,0,1,1,\r\n";
  }
  return text;
}

TEST_F(TemplateInsertionTest, AnEightyThousandLineTemplateGoesInWithoutFreezing) {
  double seconds[2] = {0, 0};
  const int lines[2] = {20000, 80000};
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(WriteFileAtomically("data/shapes/long.txt", TemplateWithGaps(lines[i])));
    ctx().ShapeFile = "long.txt";
    const size_t before = ctx().Obj[0].HasShape != 0 ? ctx().Obj[0].Shape.size() : 0;
    const auto start = std::chrono::steady_clock::now();
    ClickGadget(kGadgetShapeAdd);
    seconds[i] = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "[ template ] " << lines[i] << " lines inserted in " << seconds[i] << " s\n";
    EXPECT_EQ(ctx().Obj[0].Shape.size(), before + static_cast<size_t>(lines[i] / 2 - 1));
  }
  // Four times the lines cost about four times the time; removing the blanks
  // one at a time cost fifteen times (27 s here).
  EXPECT_LT(seconds[1], 8 * seconds[0]);
  EXPECT_LT(seconds[1], 10.0);
}

}  // namespace
}  // namespace tavisk
