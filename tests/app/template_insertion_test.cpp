// A long template inserted from the panel's "+" button: the editor answers
// in a time that grows with the template, not with its square.
#include <algorithm>
#include <ctime>
#include <iostream>

#include "app/menu_table.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"
#include "platform/file_io.h"

namespace tavisk {
namespace {

class TemplateInsertionTest : public test::EditorTest {
 public:
  using EditorTest::ClickGadget;
  using EditorTest::ctx;
  using EditorTest::Menu;
};

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

// Processor seconds to insert a template of this many lines into a new
// document: other programs running beside the tests do not count in it.
double InsertionSeconds(TemplateInsertionTest& t, int lines) {
  EXPECT_TRUE(WriteFileAtomically("data/shapes/long.txt", TemplateWithGaps(lines)));
  t.Menu(kMenuNewDocument);
  t.ctx().ShapeFile = "long.txt";
  const std::clock_t start = std::clock();
  t.ClickGadget(kGadgetShapeAdd);
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  std::cout << "[ template ] " << lines << " lines inserted in " << seconds << " s\n";
  EXPECT_EQ(t.ctx().Obj[0].Shape.size(), static_cast<size_t>(lines / 2 - 1));
  return seconds;
}

TEST_F(TemplateInsertionTest, AnEightyThousandLineTemplateGoesInWithoutFreezing) {
  // The best of a few runs of each size, so that a busy machine's pauses do
  // not decide the ratio.
  double small = 1e9;
  double large = 1e9;
  for (int run = 0; run < 3; ++run) small = std::min(small, InsertionSeconds(*this, 20000));
  for (int run = 0; run < 3; ++run) large = std::min(large, InsertionSeconds(*this, 80000));
  // Four times the lines cost about four times the time; removing the blanks
  // one at a time cost fifteen times (27 s here).
  EXPECT_LT(large, 8 * small);
  EXPECT_LT(large, 10.0);
}

}  // namespace
}  // namespace tavisk
