#include "edit/shape_creation.h"

#include <gtest/gtest.h>

#include "document/object_creation.h"
#include "edit/document_file.h"
#include "platform/file_io.h"
#include "platform/picture_fixtures.h"
#include "platform/scripted_requesters.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

class ShapeCreationTest : public ::testing::Test {
 protected:
  ShapeCreationTest() {
    ctx.Req = &req;
    AddObject(ctx, 0);
  }

  const sShape& Made(ShapeType type, int64_t x, int64_t y) {
    EXPECT_EQ(AddShape(ctx, type, x, y), 1);
    return *ctx.CurrentShapePtr();
  }

  std::string Saved() {
    SaveDocument(ctx, "out", 1);
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile("out.txt", bytes));
    return bytes;
  }

  test::ScopedWorkDir dir;
  ScriptedRequesters req;
  EditorContext ctx;
};

TEST_F(ShapeCreationTest, BoxAtStartUpIsWrittenByteForByte) {
  Made(kBox, 100, 80);
  EXPECT_EQ(Saved(),
            "gen, ,0.13,\r\n"
            "obj,Object0,0,0,100,100,0,0,0\r\n"
            "shape,0,-8856356,Box_0,255,0,10,5,5,1,5,5,,100,80,\r\n"
            "shapefx,0,0,0,-16746241,255,0,0,10,5,5,100,0,0,0\r\n"
            "pt,0,0,0,\r\n");
}

TEST_F(ShapeCreationTest, TextShapeLineAndFont) {
  const sShape& text = Made(kText, 100, 80);
  const std::string saved = Saved();
  EXPECT_NE(saved.find("\r\nshape,0,-8856356,Text_0,255,0,10,5,5,7,10,5,"
                       "Text_0;Times New roman;256;,100,80,\r\n"),
            std::string::npos)
      << saved;
  const FontSpec* font = ctx.Fonts.Get(text.Font);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->Name, "Times New roman");
  EXPECT_EQ(font->Size, 20);
  EXPECT_EQ(font->Style, 256);
}

TEST_F(ShapeCreationTest, IndicesNamesAndPlacesByTool) {
  EXPECT_EQ(Made(kBox, 1, 2).Name, "Box_0");
  EXPECT_EQ(ctx.CurrentShape, 0);
  EXPECT_EQ(Made(kBox, 1, 2).Name, "Box_1");
  const sShape& text = Made(kText, 3, 4);
  EXPECT_EQ(text.Name, "Text_2");
  EXPECT_EQ(text.Text, "Text_0");
  EXPECT_EQ(text.Id, 2);

  const sShape& circle = Made(kCircle, 5, 6);
  EXPECT_EQ(circle.Name, "Circle_3");
  EXPECT_EQ(circle.Typ, kCircle);
  EXPECT_EQ(circle.X, 5);
  EXPECT_EQ(circle.Pt.size(), 1u);
  EXPECT_EQ(circle.Pt[0].X, 0);

  const sShape& line = Made(kLine, 70, 80);
  EXPECT_EQ(line.Name, "Line_4");
  EXPECT_EQ(line.Style, kLineStyle);
  EXPECT_EQ(line.X, 0);
  ASSERT_EQ(line.Pt.size(), 2u);
  EXPECT_EQ(line.Pt[0].X, 70);
  EXPECT_EQ(line.Pt[1].Y, 80);

  const sShape& curve = Made(kCurve, 100, 100);
  EXPECT_EQ(curve.Name, "Curve_5");
  ASSERT_EQ(curve.Pt.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(curve.Pt[i].X, 90 + 5 * i);
    EXPECT_EQ(curve.Pt[i].Y, 90 + 5 * i);
  }
  EXPECT_EQ(curve.StartX, 100);
  EXPECT_EQ(ctx.ObjReady, 1);
  EXPECT_EQ(ctx.Obj[0].HasShape, 1);
  const sShapeFx& fx = curve.Fx[0];
  EXPECT_EQ(fx.Name, "FX_0");
  EXPECT_EQ(fx.Color, -16746241);
  EXPECT_EQ(fx.Scale, 100);
  EXPECT_EQ(fx.Actif, 0);
}

TEST_F(ShapeCreationTest, RoundBoxMakesNothing) {
  EXPECT_EQ(AddShape(ctx, kRoundBox, 1, 1), 0);
  EXPECT_EQ(ctx.Obj[0].HasShape, 0);
  EXPECT_EQ(ctx.Obj[0].Shape.size(), 1u);
}

TEST_F(ShapeCreationTest, ImageToolTakesItsPictureAndName) {
  ASSERT_TRUE(MakeDirectories("pics"));
  ASSERT_TRUE(WriteFileAtomically("pics/photo.v2.png", test::MakePng(12, 7, Qt::red, false)));
  req.FileAnswers = {"pics/photo.v2.png"};
  const sShape& image = Made(kImage, 40, 50);
  ASSERT_EQ(req.Asked.size(), 1u);
  EXPECT_EQ(req.Asked[0].Title, "Image");
  EXPECT_EQ(req.Asked[0].Detail, "Png(.png)|*.png|Jpg|*.jpg");
  EXPECT_EQ(image.Name, "photo.v20");
  EXPECT_EQ(image.Typ, kImage);
  EXPECT_EQ(image.W, 12);
  EXPECT_EQ(image.H, 7);
  EXPECT_EQ(image.X, 40);
  EXPECT_EQ(image.ImageFile, "pics/photo.v2.png");
  EXPECT_NE(ctx.Pictures.Get(image.Image), nullptr);
}

TEST_F(ShapeCreationTest, ImageToolCancelledOrUndecodableMakesNothing) {
  EXPECT_EQ(AddShape(ctx, kImage, 1, 1), 0);  // no answer queued: cancelled
  EXPECT_TRUE(req.Messages.empty());

  ASSERT_TRUE(WriteFileAtomically("fake.png", "text"));
  req.FileAnswers = {"fake.png"};
  EXPECT_EQ(AddShape(ctx, kImage, 1, 1), 0);
  ASSERT_FALSE(req.Messages.empty());
  EXPECT_EQ(req.Messages.back().Title, "Error");
  // LoadPicture's own box is the only one.
  ASSERT_EQ(req.Messages.size(), 1u);
  EXPECT_EQ(req.Messages.back().Text, "Unable to load the file fake.png");
  EXPECT_EQ(ctx.Obj[0].HasShape, 0);
}

// The picture's path goes into a document field: one that holds a field
// or line separator could not be read back, so the tool refuses it.
TEST_F(ShapeCreationTest, ImageToolRefusesAPathTheDocumentCannotHold) {
  const std::string picture = test::MakePng(4, 4, Qt::red, false);
  for (const std::string name :
       {"wing,left.png", "wing;left.png", "two\nlines.png", "x\r\nobj,Evil,0,0,1,1,0,0,0.png"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(WriteFileAtomically(name, picture));
    req.Messages.clear();
    req.FileAnswers = {name};
    EXPECT_EQ(AddShape(ctx, kImage, 1, 1), 0);
    ASSERT_EQ(req.Messages.size(), 1u);
    EXPECT_EQ(req.Messages[0].Title, "Error");
    EXPECT_NE(req.Messages[0].Text.find("rename"), std::string::npos);
    EXPECT_EQ(ctx.Obj[0].HasShape, 0);
  }
  ASSERT_TRUE(WriteFileAtomically("wing left.png", picture));
  req.FileAnswers = {"wing left.png"};
  EXPECT_EQ(Made(kImage, 1, 1).ImageFile, "wing left.png");
}

TEST_F(ShapeCreationTest, AddObjectAndNewDocument) {
  Made(kBox, 1, 1);
  ctx.Obj[0].Alpha = 9;
  ctx.Obj[0].W = 3;
  AddObject(ctx, 0);
  EXPECT_EQ(ctx.Obj[0].Name, "Object0");
  EXPECT_EQ(ctx.Obj[0].Alpha, 255);
  EXPECT_EQ(ctx.Obj[0].W, 100);
  EXPECT_EQ(ctx.Obj[0].Shape[0].Name, "Box_0");

  AddObject(ctx, 1);
  ASSERT_EQ(ctx.Obj.size(), 2u);
  EXPECT_EQ(ctx.Obj[1].Name, "Object1");
  EXPECT_EQ(ctx.Obj[1].Depth, 1);
  EXPECT_EQ(ctx.CurrentObject, 1);

  ctx.DocFile = "previous";
  NewDocument(ctx);
  ASSERT_EQ(ctx.Obj.size(), 1u);
  EXPECT_EQ(ctx.Obj[0].Name, "Object0");
  EXPECT_EQ(ctx.Obj[0].H, 100);
  EXPECT_EQ(ctx.Obj[0].HasShape, 0);
  EXPECT_EQ(ctx.ObjReady, -1);
  EXPECT_EQ(ctx.CurrentShape, 0);
  // A save of the new drawing must not land on the previous document's file.
  EXPECT_EQ(ctx.DocFile, "");
}

TEST_F(ShapeCreationTest, AddObjectSortsOnDepth) {
  AddObject(ctx, 1);
  AddObject(ctx, 1);
  ctx.Obj[0].Depth = 200;  // moves behind the new one on the next sort
  AddObject(ctx, 1);
  ASSERT_EQ(ctx.Obj.size(), 4u);
  EXPECT_EQ(ctx.Obj[0].Name, "Object1");
  EXPECT_EQ(ctx.Obj[2].Name, "Object3");
  EXPECT_EQ(ctx.Obj[3].Name, "Object0");
  // The new object is current wherever the sort put it.
  EXPECT_EQ(ctx.CurrentObject, 2);
}

}  // namespace
}  // namespace tavisk
