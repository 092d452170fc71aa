#include "edit/shape_template.h"

#include <gtest/gtest.h>

#include "document/numeric.h"
#include "document/object_creation.h"
#include "edit/document_loading.h"
#include "edit/shape_creation.h"
#include "io/document/document_writer.h"
#include "platform/file_io.h"
#include "support/recording_hooks.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

constexpr const char* kTwoShapes =
    "gen, ,0.13,\r\nobj,Star,5,5,100,100,0,0,0\r\n"
    "shape,0,-1,Tip,255,0,1,1,1,0,0,0,,0,0,\r\npt,0,1,1,\r\npt,1,2,2,\r\npt,2,3,3,\r\n"
    "shape,1,-1,Tail,255,0,1,1,1,0,0,0,,20,30,\r\npt,0,4,4,\r\npt,1,5,5,\r\npt,2,6,6,\r\n";

class ShapeTemplateTest : public ::testing::Test {
 protected:
  ShapeTemplateTest() {
    ctx.Hooks = &hooks;
    AddObject(ctx, 0);
    EXPECT_TRUE(MakeDirectories("data/shapes"));
    EXPECT_TRUE(WriteFileAtomically("data/shapes/1-defaut.txt", kTwoShapes));
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const sShape& s : ctx.Obj[0].Shape) names.push_back(s.Name);
    return names;
  }

  test::ScopedWorkDir dir;
  test::RecordingHooks hooks;
  EditorContext ctx;
};

TEST_F(ShapeTemplateTest, ComplexToolOnAFreshObject) {
  ctx.DocFile = "mine";
  ASSERT_EQ(AddShape(ctx, kComplexShape, 10, 10), 1);
  // The placeholder gives way to the template; no blank shape is left.
  EXPECT_EQ(Names(), (std::vector<std::string>{"Tip", "Tail"}));
  EXPECT_EQ(ctx.CurrentShape, 1);
  EXPECT_EQ(ctx.Obj[0].HasShape, 1);
  EXPECT_EQ(ctx.ObjReady, 1);
  EXPECT_EQ(ctx.DocFile, "mine") << "the template is not the document";
  EXPECT_EQ(hooks.Title, "") << "nor its title";
  EXPECT_EQ(ctx.Obj.size(), 1u);
  EXPECT_EQ(ctx.Obj[0].Name, "Object0");
  EXPECT_EQ(ctx.Obj[0].X, 0);
  EXPECT_EQ(ctx.Obj[0].Shape[1].Pt[2].X, 6);
  // The first shape lands at the press, the second keeps its place beside it.
  EXPECT_EQ(ctx.Obj[0].Shape[0].X, 10);
  EXPECT_EQ(ctx.Obj[0].Shape[0].Y, 10);
  EXPECT_EQ(ctx.Obj[0].Shape[1].X, 30);
  EXPECT_EQ(ctx.Obj[0].Shape[1].Y, 40);
}

TEST_F(ShapeTemplateTest, PanelButtonPutsTheTemplateAtTheSlotAndLeavesOtherShapesAlone) {
  AddShape(ctx, kBox, 1, 1);
  AddShape(ctx, kCircle, 2, 2);
  ctx.Obj[0].Shape[0].Fx[0].Color = 12345;
  ctx.Obj[0].Shape[1].Name.clear();  // the user's own nameless shape
  MakeTemplateSlot(ctx);
  ASSERT_EQ(ctx.CurrentShape, 2);
  EXPECT_TRUE(InsertShapeTemplate(ctx));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Box_0", "", "Tip", "Tail"}));
  EXPECT_EQ(ctx.CurrentShape, 2);
  EXPECT_EQ(ctx.Obj[0].Shape[0].Fx[0].Color, 12345);
  EXPECT_EQ(ctx.Obj[0].Shape[1].Typ, kCircle);
}

TEST_F(ShapeTemplateTest, BlanksFillingTheTemplatesIndexGapsAreRemoved) {
  ASSERT_TRUE(WriteFileAtomically("data/shapes/gaps.txt",
                                  "gen, ,0.13,\r\nobj,G,0,0,100,100,0,0,0\r\n"
                                  "shape,0,-1,First,255,0,1,1,1,0,0,0,,0,0,\r\n"
                                  "shape,3,-1,Fourth,255,0,1,1,1,0,0,0,,0,0,\r\n"));
  ctx.ShapeFile = "gaps.txt";
  ASSERT_EQ(AddShape(ctx, kComplexShape, 0, 0), 1);
  EXPECT_EQ(Names(), (std::vector<std::string>{"First", "Fourth"}));
}

TEST_F(ShapeTemplateTest, AMissingTemplateChangesNothing) {
  ctx.ShapeFile = "deleted.txt";
  AddShape(ctx, kBox, 1, 1);
  ctx.Obj[0].Shape[0].Fx[0].Scale = 250;
  const std::string before = WriteDocumentText(ctx.Obj);
  ctx.DocFile = "mine";
  MakeTemplateSlot(ctx);
  EXPECT_FALSE(InsertShapeTemplate(ctx));
  EXPECT_EQ(WriteDocumentText(ctx.Obj), before);
  EXPECT_EQ(ctx.CurrentShape, 0);
  EXPECT_EQ(ctx.DocFile, "mine");

  // An empty choice means the default template.
  ctx.ShapeFile = "";
  MakeTemplateSlot(ctx);
  EXPECT_TRUE(InsertShapeTemplate(ctx));
  EXPECT_EQ(ctx.ShapeFile, "1-defaut.txt");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Box_0", "Tip", "Tail"}));
}

// Our shipped library: every template reads as complex shapes whose points
// form closed chains of cubic segments.
TEST(ShapeLibraryData, EveryTemplateIsAWellFormedComplexShape) {
  const std::string folder = std::string(TAVISK_SOURCE_DATA) + "/shapes";
  const std::vector<std::string> files = ListFiles(folder, ".txt");
  EXPECT_GE(files.size(), 6u);
  EXPECT_TRUE(IsRegularFile(folder + "/1-defaut.txt"));
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    std::string text;
    ASSERT_TRUE(ReadWholeFile(folder + "/" + file, text));
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    EditorContext ctx;
    AddObject(ctx, 0);
    LoadDocumentText(ctx, kLoadTemplate, text, nullptr);
    const std::vector<sShape>& shapes = ctx.Obj[0].Shape;
    ASSERT_GE(shapes.size(), 3u);
    for (size_t i = 2; i < shapes.size(); ++i) {
      EXPECT_EQ(shapes[i].Typ, kComplexShape);
      EXPECT_FALSE(shapes[i].Name.empty());
      EXPECT_EQ(shapes[i].Alpha, Alpha(shapes[i].Color));
      EXPECT_GE(shapes[i].Pt.size(), 3u);
      EXPECT_EQ(shapes[i].Pt.size() % 3, 0u) << shapes[i].Name;
    }
  }
}

}  // namespace
}  // namespace tavisk
