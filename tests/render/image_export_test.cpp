#include "render/image_export.h"

#include <gtest/gtest.h>

#include <QImage>

#include "platform/file_io.h"
#include "platform/scripted_requesters.h"
#include "render_fixtures.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

using test::kOpaqueBlue;
using test::kOpaqueGreen;
using test::kOpaqueRed;
using test::MakeObject;
using test::MakeShape;

QImage Load(const std::string& path) {
  return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_ARGB32);
}

// An editor whose only object holds a box at (10, 20) of 40 x 30.
struct ExportFixture {
  test::ScopedWorkDir dir;
  EditorContext ctx;
  ScriptedRequesters req;

  ExportFixture() {
    ctx.Req = &req;
    ctx.Obj = {MakeObject({MakeShape(kBox, 10, 20, 40, 30)})};
    ctx.ObjReady = 1;
  }
  void Export(const std::string& answer, int mode, int canvasW = 500, int canvasH = 400) {
    req.FileAnswers = {answer};
    ExportImage(ctx, mode, canvasW, canvasH);
  }
};

TEST(DrawnArea, SmallestRectangleOfNonTransparentPixels) {
  QImage image(20, 10, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  // Nothing drawn: the rectangle starts outside the image.
  EXPECT_EQ(DrawnArea(image), QRect(20, 10, 21, 11));
  image.setPixel(7, 3, qRgba(0, 0, 0, 1));
  EXPECT_EQ(DrawnArea(image), QRect(7, 3, 1, 1));
  image.setPixel(2, 8, qRgba(9, 0, 0, 9));
  image.setPixel(19, 5, 0xFF000000u);
  EXPECT_EQ(DrawnArea(image), QRect(2, 3, 18, 6));
  // Colour without alpha does not count.
  image.setPixel(0, 0, 0x00FFFFFFu);
  EXPECT_EQ(DrawnArea(image), QRect(2, 3, 18, 6));
}

TEST(ImageExport, DrawnAreaOfALoneBox) {
  ExportFixture f;
  f.ctx.Options.Zoom = 200;
  f.Export(f.dir.File("box.png"), kExportDrawnArea);

  ASSERT_EQ(f.req.Asked.size(), 1u);
  EXPECT_EQ(f.req.Asked[0].Title, "Save Image...");
  EXPECT_EQ(f.req.Asked[0].Detail, "png Images|*.png|All Files|*.*");
  EXPECT_EQ(f.req.Asked[0].Initial, "");
  const QImage image = Load(f.dir.File("box.png"));
  ASSERT_FALSE(image.isNull());
  // The box alone, zoom ignored (at most an antialiasing fringe).
  EXPECT_GE(image.width(), 40);
  EXPECT_LE(image.width(), 42);
  EXPECT_GE(image.height(), 30);
  EXPECT_LE(image.height(), 32);
  EXPECT_EQ(image.pixel(image.width() / 2, image.height() / 2), 0xFFFF0000u);
  EXPECT_TRUE(f.req.Messages.empty());
}

TEST(ImageExport, ZoomOnScreenDoesNotChangeThePicture) {
  ExportFixture f;
  f.Export(f.dir.File("plain.png"), kExportCamera);
  f.ctx.Options.Zoom = 50;
  f.Export(f.dir.File("moved.png"), kExportCamera);
  const QImage plain = Load(f.dir.File("plain.png"));
  ASSERT_FALSE(plain.isNull());
  EXPECT_EQ(plain, Load(f.dir.File("moved.png")));
  EXPECT_EQ(plain.pixel(30, 35), 0xFFFF0000u);
  EXPECT_EQ(qAlpha(plain.pixel(5, 5)), 0);
}

TEST(ImageExport, FileNameGetsPngUnlessItsExtensionIsExactlyPng) {
  ExportFixture f;
  f.Export(f.dir.File("picture.PNG"), kExportDrawnArea);
  EXPECT_TRUE(IsRegularFile(f.dir.File("picture.PNG.png")));
  EXPECT_FALSE(IsRegularFile(f.dir.File("picture.PNG")));
  EXPECT_EQ(ImageFileName("a.png"), "a.png");
  EXPECT_EQ(ImageFileName("a"), "a.png");
  EXPECT_EQ(ImageFileName("dir.png/a"), "dir.png/a.png");
  EXPECT_EQ(ImageFileName("a.png.jpg"), "a.png.jpg.png");
}

TEST(ImageExport, CameraLargerThanTheCanvasIsSavedWhole) {
  ExportFixture f;
  f.ctx.Options.CameraX = 0;
  f.ctx.Options.CameraY = 0;
  f.ctx.Options.CameraW = 800;
  f.ctx.Options.CameraH = 600;
  f.ctx.Obj[0].Shape.push_back(MakeShape(kBox, 700, 500, 90, 90, kOpaqueBlue));
  f.Export(f.dir.File("scene.png"), kExportCamera, 500, 400);
  const QImage image = Load(f.dir.File("scene.png"));
  ASSERT_EQ(image.size(), QSize(800, 600));
  EXPECT_EQ(image.pixel(750, 550), 0xFF0000FFu);  // beyond the canvas, inside the camera
  EXPECT_EQ(image.pixel(30, 35), 0xFFFF0000u);
}

TEST(ImageExport, HiddenShapesAreDrawnHiddenObjectsAreNot) {
  ExportFixture f;
  f.ctx.Obj[0].Shape[0].Hide = 1;
  f.ctx.Obj[0].Shape.push_back(MakeShape(kBox, 100, 100, 10, 10, kOpaqueGreen));
  sObject hidden = MakeObject({MakeShape(kBox, 300, 300, 20, 20, kOpaqueBlue)});
  hidden.Hide = 1;
  f.ctx.Obj.push_back(hidden);
  f.Export(f.dir.File("area.png"), kExportDrawnArea);
  const QImage image = Load(f.dir.File("area.png"));
  ASSERT_FALSE(image.isNull());
  EXPECT_GE(image.width(), 100);  // from x 10 to 110
  EXPECT_LE(image.width(), 102);
  EXPECT_GE(image.height(), 90);  // from y 20 to 110
  EXPECT_LE(image.height(), 92);
  EXPECT_EQ(image.pixel(5, 5), 0xFFFF0000u);
  EXPECT_EQ(image.pixel(image.width() - 5, image.height() - 5), 0xFF00FF00u);
}

TEST(ImageExport, ObjectTransformIsNotAppliedButEffectsAddTheObjectOffset) {
  ExportFixture f;
  sObject& object = f.ctx.Obj[0];
  object.X = 200;
  object.Y = 0;
  object.W = 50;  // half scale on screen; not in the export
  object.Shape[0].Fx = {test::MakeFx(0, 0, 100, 1, kOpaqueBlue)};
  f.Export(f.dir.File("fx.png"), kExportCamera);
  const QImage image = Load(f.dir.File("fx.png"));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.pixel(30, 35), 0xFFFF0000u);   // the box where its fields put it
  EXPECT_EQ(image.pixel(230, 35), 0xFF0000FFu);  // its effect shifted by the object's X
}

TEST(ImageExport, NothingToSaveIsSilent) {
  ExportFixture f;
  f.ctx.Obj[0].Hide = 1;
  f.Export(f.dir.File("none.png"), kExportDrawnArea);
  EXPECT_FALSE(IsRegularFile(f.dir.File("none.png")));

  f.ctx.Obj[0].Hide = 0;
  f.ctx.Options.CameraX = 600;  // the camera runs past the 1024-wide drawing
  f.Export(f.dir.File("outside.png"), kExportCamera);
  EXPECT_FALSE(IsRegularFile(f.dir.File("outside.png")));
  EXPECT_EQ(SaveSceneImage(f.ctx, kExportCamera, 500, 400, f.dir.File("x.png")),
            ImageExportResult::NothingSaved);

  f.Export("", kExportDrawnArea);  // cancelled
  EXPECT_TRUE(f.req.Messages.empty());
  EXPECT_TRUE(ListFiles(f.dir.Path(), "").empty());
}

TEST(ImageExport, WriteFailureIsReportedWithTheFileName) {
  ExportFixture f;
  const std::string answer = f.dir.File("missing/folder/pic");
  f.Export(answer, kExportDrawnArea);
  ASSERT_EQ(f.req.Messages.size(), 1u);
  EXPECT_EQ(f.req.Messages[0].Title, "Save image");
  EXPECT_EQ(f.req.Messages[0].Text, "Cannot save image: " + answer + ".png");
}

}  // namespace
}  // namespace tavisk
