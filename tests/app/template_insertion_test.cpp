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

// Shapes of three points each, every second one nameless: 4 lines a shape.
std::string LongTemplate(int lines) {
  std::string text = "gen, ,0.13,\r\nobj,T,0,0,100,100,0,0,0\r\n";
  for (int s = 0; 4 * s + 2 < lines; ++s) {
    const std::string n = std::to_string(s);
    text += "shape," + n + ",-1," + (s % 2 == 0 ? "" : "S" + n) + ",255,0,1,1,1,0,0,0,,0,0,\r\n";
    for (int p = 0; p < 3; ++p) text += "pt," + std::to_string(p) + ",1,1,\r\n";
  }
  return text;
}

TEST_F(TemplateInsertionTest, AnEightyThousandLineTemplateGoesInWithoutFreezing) {
  for (const int lines : {20000, 80000}) {
    ASSERT_TRUE(WriteFileAtomically("data/shapes/long.txt", LongTemplate(lines)));
    ctx().ShapeFile = "long.txt";
    const size_t before = ctx().Obj[0].HasShape != 0 ? ctx().Obj[0].Shape.size() : 0;
    const auto start = std::chrono::steady_clock::now();
    ClickGadget(kGadgetShapeAdd);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "[ template ] " << lines << " lines inserted in " << seconds << " s\n";
    EXPECT_EQ(ctx().Obj[0].Shape.size(), before + static_cast<size_t>(lines / 4));
    EXPECT_LT(seconds, 3.0);
  }
}

}  // namespace
}  // namespace tavisk
