#include "io/purebasic/source_export.h"

#include <gtest/gtest.h>

#include "document/numeric.h"
#include "platform/clock.h"
#include "platform/file_io.h"
#include "platform/scripted_requesters.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

sShape MakeShape(uint8_t typ, int16_t x, int16_t y, int16_t w = 0, int16_t h = 0) {
  sShape shape;
  shape.Typ = typ;
  shape.X = x;
  shape.Y = y;
  shape.W = w;
  shape.H = h;
  shape.Color = RGBA(255, 0, 0, 255);
  return shape;
}

sShape MakeComplex(int16_t x, int16_t y, std::vector<sPoint> points) {
  sShape shape = MakeShape(kComplexShape, x, y);
  shape.Pt = std::move(points);
  return shape;
}

sObject MakeObject(std::vector<sShape> shapes) {
  sObject object;
  object.Name = "Object0";
  object.HasShape = 1;
  object.Shape = std::move(shapes);
  return object;
}

// The shape blocks: the lines between "    Z = Zoom" and the closing lines.
std::string Blocks(const sObject& object) {
  const std::string text = ObjectSourceText(object, "01/02/2003");
  const std::string head = "    Z = Zoom\r\n";
  const std::string tail = "\r\nEndProcedure \r\n\r\n\r\n";
  const size_t start = text.find(head);
  if (start == std::string::npos || text.size() < tail.size() ||
      text.compare(text.size() - tail.size(), tail.size(), tail) != 0) {
    return "<malformed>";
  }
  return text.substr(start + head.size(), text.size() - tail.size() - start - head.size());
}

const char* const kPaintRed = "\r\n    VectorSourceColor(-16776961)\r\n    FillPath()\r\n\r\n\r\n";

TEST(SourceExport, LoneBoxGivesTheWholeFileByteForByte) {
  const sObject object = MakeObject({MakeShape(kBox, 10, 20, 40, 30)});
  EXPECT_EQ(ObjectSourceText(object, "08/12/2026"),
            "; Made with Tavisk ! 0.13\r\n"
            "; Date : 08/12/2026\r\n"
            "; Pb Version : 5.42 + \r\n"
            "\r\n"
            "Global Zoom.f = 1\r\n"
            "\r\n"
            "\r\n"
            "Procedure Object0(x,y,ScaleX.f=1,ScaleY.f=1,font=-1,txt$=\"\")\r\n"
            "\r\n"
            "    Protected Z.f\r\n"
            "    Z = Zoom\r\n"
            "    MovePathCursor(0*Z, 0*Z)\r\n"
            "    AddPathBox((0+x)*Z, (0+y)*Z, (40*ScaleX)*Z, (30*ScaleY)*Z)\r\n"
            "\r\n"
            "    VectorSourceColor(-16776961)\r\n"
            "    FillPath()\r\n"
            "\r\n"
            "\r\n"
            "\r\n"
            "EndProcedure \r\n"
            "\r\n"
            "\r\n");
}

TEST(SourceExport, ComplexShapeSegmentsWrapToTheFirstPoint) {
  EXPECT_EQ(
      Blocks(MakeObject({MakeComplex(100, 50, {{0, 0}, {10, 0}, {10, 10}})})),
      std::string("    MovePathCursor(0*Z, 0*Z)\r\n"
                  "    AddPathCurve((10+x)*Z, (0+y)*Z, (10+x)*Z, (10+y)*Z, (0+x)*Z, (0+y)*Z)\r\n") +
          kPaintRed);
  // Four points: an open chain, no segment back through the first points.
  EXPECT_EQ(
      Blocks(MakeObject({MakeComplex(0, 0, {{1, 1}, {2, 2}, {3, 3}, {4, 4}})})),
      std::string("    MovePathCursor(0*Z, 0*Z)\r\n"
                  "    AddPathCurve((1+x)*Z, (1+y)*Z, (2+x)*Z, (2+y)*Z, (3+x)*Z, (3+y)*Z)\r\n") +
          kPaintRed);
  // Two figures: the jump between them is a cursor move, the jump back to
  // the start is not written.
  EXPECT_EQ(Blocks(MakeObject({MakeComplex(0, 0,
                                           {{0, 0}, {9, 0}, {9, 9}, {0, 0}, {0, 0}, {20, 20}, {20, 20},
                                            {29, 20}, {29, 29}, {20, 20}, {20, 20}, {0, 0}})})),
            std::string("    MovePathCursor(0*Z, 0*Z)\r\n"
                        "    AddPathCurve((9+x)*Z, (0+y)*Z, (9+x)*Z, (9+y)*Z, (0+x)*Z, (0+y)*Z)\r\n"
                        "    MovePathCursor((20+x)*Z, (20+y)*Z)\r\n"
                        "    AddPathCurve((29+x)*Z, (20+y)*Z, (29+x)*Z, (29+y)*Z, (20+x)*Z, "
                        "(20+y)*Z)\r\n") +
                kPaintRed);
}

TEST(SourceExport, ReferencePointRules) {
  // A box at Y 0 is never taken: everything shifts by -1000.
  EXPECT_EQ(Blocks(MakeObject({MakeShape(kBox, 5, 0, 8, 9)})),
            std::string("    MovePathCursor(-995*Z, -1000*Z)\r\n"
                        "    AddPathBox((-995+x)*Z, (-1000+y)*Z, (8*ScaleX)*Z, (9*ScaleY)*Z)\r\n") +
                kPaintRed);
  // A circle counts from X - W, and only when that is at least W.
  EXPECT_EQ(
      Blocks(MakeObject({MakeShape(kCircle, 100, 100, 20, 10)})),
      std::string("    MovePathCursor(20*Z, 10*Z)\r\n"
                  "    AddPathEllipse((20+x)*Z, (10+y)*Z, (20*ScaleX)*Z, (10*ScaleY)*Z)\r\n") +
          kPaintRed);
  EXPECT_EQ(Blocks(MakeObject({MakeShape(kCircle, 30, 100, 20, 10)})).substr(0, 36),
            "    MovePathCursor(-970*Z, -900*Z)\r\n");
  // Lower on one axis only does not move the reference.
  const std::string blocks =
      Blocks(MakeObject({MakeShape(kBox, 10, 100, 1, 1), MakeComplex(0, 0, {{5, 200}}),
                         MakeComplex(0, 0, {{12, 50}})}));
  EXPECT_NE(blocks.find("    MovePathCursor(0*Z, 0*Z)\r\n"), std::string::npos) << blocks;
  EXPECT_NE(blocks.find("    MovePathCursor(-5*Z, 100*Z)\r\n"), std::string::npos) << blocks;
  EXPECT_NE(blocks.find("    MovePathCursor(2*Z, -50*Z)\r\n"), std::string::npos) << blocks;
}

TEST(SourceExport, NegativeReferenceIsClampedOnlyForBoxesAndCircles) {
  // A circle with negative radii can give a negative corner; it becomes 0.
  EXPECT_EQ(Blocks(MakeObject({MakeShape(kCircle, -20, -20, -10, -10)})).substr(0, 38),
            "    MovePathCursor(-20*Z, -20*Z)\r\n    ");
  // A complex shape keeps its negative corner.
  EXPECT_EQ(Blocks(MakeObject({MakeComplex(-7, -3, {{0, 0}})})).substr(0, 34),
            "    MovePathCursor(0*Z, 0*Z)\r\n    ");
}

TEST(SourceExport, PointsAtTheEndsOfSixtyFourBitsExportTheirTrueValues) {
  // The lowest point becomes the reference, so the highest one lies 2^64 - 1
  // (plus the shape offsets) away from it; no sum may wrap.
  const sObject object = MakeObject(
      {MakeComplex(10, -32768, {{INT64_MIN, INT64_MIN}, {INT64_MAX, INT64_MAX}}),
       MakeComplex(32767, 32767, {{INT64_MAX, 0}})});
  EXPECT_EQ(Blocks(object),
            std::string("    MovePathCursor(0*Z, 0*Z)\r\n"
                        "    AddPathCurve((18446744073709551615+x)*Z, (18446744073709551615+y)*Z, "
                        "(0+x)*Z, (0+y)*Z, (18446744073709551615+x)*Z, (18446744073709551615+y)*Z)"
                        "\r\n") +
                kPaintRed +
                "    MovePathCursor(18446744073709584372*Z, 9223372036854841343*Z)\r\n"
                "    AddPathCurve((18446744073709584372+x)*Z, (9223372036854841343+y)*Z, "
                "(18446744073709584372+x)*Z, (9223372036854841343+y)*Z, "
                "(18446744073709584372+x)*Z, (9223372036854841343+y)*Z)\r\n" +
                kPaintRed);
}

TEST(SourceExport, HiddenShapesCountForTheReferenceButWriteNothing) {
  sShape hidden = MakeShape(kBox, 10, 20, 40, 30);
  hidden.Hide = 1;
  EXPECT_EQ(Blocks(MakeObject({hidden, MakeShape(kBox, 50, 60, 5, 5)})),
            std::string("    MovePathCursor(40*Z, 40*Z)\r\n"
                        "    AddPathBox((40+x)*Z, (40+y)*Z, (5*ScaleX)*Z, (5*ScaleY)*Z)\r\n") +
                kPaintRed);
}

TEST(SourceExport, PlaceholderSlotStillWritesItsBlock) {
  sObject object;
  object.Name = "Object3";
  EXPECT_EQ(Blocks(object),
            "    MovePathCursor(0*Z, 0*Z)\r\n"
            "    AddPathCurve((0+x)*Z, (0+y)*Z, (0+x)*Z, (0+y)*Z, (0+x)*Z, (0+y)*Z)\r\n"
            "\r\n"
            "    VectorSourceColor(0)\r\n"
            "    FillPath()\r\n"
            "\r\n"
            "\r\n");
  EXPECT_NE(ObjectSourceText(object, "").find("Procedure Object3(x,y,"), std::string::npos);
}

TEST(SourceExport, LayerNamesBecomeProcedureNamesThatCompile) {
  sObject object;
  for (const auto& [name, procedure] : std::vector<std::pair<std::string, std::string>>{
           {"Layer B", "Layer_B"}, {"3d-view", "_3d_view"}, {"", "_"}, {"été", "_t_"}}) {
    object.Name = name;
    EXPECT_NE(ObjectSourceText(object, "").find("Procedure " + procedure + "(x,y,"),
              std::string::npos)
        << name;
  }
}

TEST(SourceExport, PaintLinesFollowTheStyle) {
  sShape shape = MakeShape(kBox, 1, 1, 2, 2);
  shape.Color = RGBA(0, 0, 255, 255);
  shape.Width = 3;
  shape.Height = 7;
  shape.Dist = 9;
  const std::string path =
      "    MovePathCursor(0*Z, 0*Z)\r\n"
      "    AddPathBox((0+x)*Z, (0+y)*Z, (2*ScaleX)*Z, (2*ScaleY)*Z)\r\n";
  const struct {
    uint8_t style;
    std::string paint;
  } cases[] = {
      {kLineStyle, "    StrokePath(3,#PB_Path_RoundEnd)\r\n"},
      {kDash, "    DashPath(3, 7)\r\n"},
      {kDot, "    DotPath(3, 9,#PB_Path_RoundEnd)\r\n"},
      {kCustom, ""},
  };
  for (const auto& c : cases) {
    shape.Style = c.style;
    EXPECT_EQ(Blocks(MakeObject({shape})),
              path + "\r\n    VectorSourceColor(-65536)\r\n" + c.paint + "\r\n\r\n")
        << int(c.style);
  }
  // A linked shape writes its path only; the next shape paints it.
  shape.Link = 1;
  EXPECT_EQ(Blocks(MakeObject({shape})), path);
}

TEST(SourceExport, UnpaintedTypesWriteTheCursorMoveOnly) {
  for (uint8_t typ : {kRoundBox, kLine, kCurve, kImage}) {
    sShape shape = MakeShape(typ, 3, 4, 5, 6);
    shape.Link = 1;
    const std::string blocks = Blocks(MakeObject({MakeShape(kBox, 1, 1, 1, 1), shape}));
    const std::string last = "\r\n\r\n    MovePathCursor(2*Z, 3*Z)\r\n";
    ASSERT_GT(blocks.size(), last.size());
    EXPECT_EQ(blocks.substr(blocks.size() - last.size()), last) << int(typ);
  }
}

TEST(SourceExport, TextBlockAndQuotesThatStillCompile) {
  sShape text = MakeShape(kText, 30, 40, 24);
  text.Text = "Hello";
  sShape quoted = text;
  quoted.Text = "say \"hi\"";
  const std::string blocks = Blocks(MakeObject({MakeShape(kBox, 10, 10, 1, 1), text, quoted}));
  EXPECT_NE(
      blocks.find("    MovePathCursor(20*Z, 30*Z)\r\n"
                  "    MovePathCursor((20+x)*Z, (30+y)*Z)\r\n"
                  "    VectorFont(FontID(Font), (24*ScaleX)*Z)\r\n"
                  "    txt$ = \"Hello\" ; you can comment this line if needed and use the txt "
                  "parameter in the procedure\r\n"
                  "    AddPathText(txt$)\r\n"
                  "\r\n    VectorSourceColor(-16776961)\r\n    FillPath()\r\n"),
      std::string::npos)
      << blocks;
  EXPECT_NE(blocks.find("    txt$ = \"say \" + Chr(34) + \"hi\" + Chr(34) + \"\" ; you can"),
            std::string::npos)
      << blocks;
}

TEST(SourceExport, FileNameRules) {
  const struct {
    const char* answer;
    const char* written;
  } cases[] = {
      {"scene", "scene.pb"},
      {"scene.pb", "scene.pb"},
      {"my.pb.scene", "my.scene.pb"},
      {"picture.PB", "picture.PB.pb"},
      {"a.pb.pb", "a.pb"},
      {"/tmp/dir.pb/scene", "/tmp/dir.pb/scene.pb"},
      {"/tmp/dir.pb/x.pb.y", "/tmp/dir.pb/x.y.pb"},
  };
  for (const auto& c : cases) EXPECT_EQ(SourceFileName(c.answer), c.written) << c.answer;
}

TEST(SourceExport, MenuCommandAsksThenWritesTheCurrentObject) {
  test::ScopedWorkDir dir;
  EditorContext ctx;
  ScriptedRequesters req;
  ctx.Req = &req;
  ctx.Obj = {MakeObject({MakeShape(kBox, 1, 1, 1, 1)}),
             MakeObject({MakeShape(kBox, 10, 20, 40, 30)})};
  ctx.Obj[1].Name = "Second";
  ctx.CurrentObject = 1;
  req.FileAnswers = {dir.File("my.pb.scene")};
  ExportObjectSource(ctx);

  ASSERT_EQ(req.Asked.size(), 1u);
  EXPECT_EQ(req.Asked[0].Kind, "save");
  EXPECT_EQ(req.Asked[0].Title, "Save Purebasic Command...");
  EXPECT_EQ(req.Asked[0].Detail, "Pb files (.pb)|*.pb|All Files|*.*");
  EXPECT_EQ(req.Asked[0].Initial, CurrentDirectory() + "/");
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(dir.File("my.scene.pb"), bytes));
  EXPECT_EQ(bytes, ObjectSourceText(ctx.Obj[1], TodayDate()));
  EXPECT_NE(bytes.find("Procedure Second("), std::string::npos);
  EXPECT_TRUE(req.Messages.empty());
}

TEST(SourceExport, CancelAndUnwritableFileAreSilent) {
  test::ScopedWorkDir dir;
  EditorContext ctx;
  ScriptedRequesters req;
  ctx.Req = &req;
  ExportObjectSource(ctx);  // no answer queued: cancelled
  EXPECT_TRUE(ListFiles(dir.Path(), "").empty());

  req.FileAnswers = {dir.File("missing/folder/out.pb")};
  ExportObjectSource(ctx);
  EXPECT_FALSE(SaveObjectSource(ctx, dir.File("missing/folder/out.pb")));
  EXPECT_TRUE(req.Messages.empty());
  EXPECT_TRUE(ListFiles(dir.Path(), "").empty());

  ctx.CurrentObject = 5;
  EXPECT_FALSE(SaveObjectSource(ctx, dir.File("out.pb")));
  EXPECT_FALSE(IsRegularFile(dir.File("out.pb")));
}

}  // namespace
}  // namespace tavisk
