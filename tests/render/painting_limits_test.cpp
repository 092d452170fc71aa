// Small documents whose drawing would grow with the length of their paths
// or texts: each is drawn on the canvas and for the image export in a child
// process, whose peak memory and time must follow what is visible.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <iostream>
#include <string>

#include "child_measure.h"
#include "document/field_text.h"
#include "edit/document_loading.h"
#include "platform/scripted_requesters.h"
#include "render/image_export.h"
#include "render/renderer.h"

namespace tavisk {
namespace {

const PictureLoader kNoPictures = [](const std::string&) { return int64_t{0}; };

// A line of one shape from (0, 10) to (length, 10) in style (2 dashes, 3
// dots) with width, dash length and dot distance 1: 169 bytes at 10^8.
std::string LongLineDocument(const std::string& length, int style) {
  return "gen, ,0.13,\nobj,Long,0,0,100,100,0,0,0\nshape,0,-16777216,Long,255," +
         std::to_string(style) + ",1,1,1,4,0,0,,0,0,\npt,0,0,10,\npt,1," + length + ",10,\n";
}

std::string LongTextDocument(size_t bytes) {
  return "gen, ,0.13,\nobj,Long,0,0,100,100,0,0,0\nshape,0,-16777216,Long,255,0,1,1,1,7,12,0," +
         std::string(bytes, 'W') + ";Sans;0,10,10,\n";
}

std::string CaseDocument(const std::string& name) {
  if (name == "dots 1e8") return LongLineDocument("100000000", kDot);
  if (name == "dots 3e8") return LongLineDocument("300000000", kDot);
  if (name == "dashes 1e8") return LongLineDocument("100000000", kDash);
  return LongTextDocument(1 << 20);
}

// Loads the case's document, redraws the canvas twice (a click and its
// release) and paints the export; reports the messages shown.
long DrawCase(const std::string& name) {
  EditorContext ctx;
  ScriptedRequesters req;
  ctx.Req = &req;
  LoadDocumentText(ctx, kLoadReplace, CaseDocument(name), kNoPictures);
  QImage canvas(800, 600, QImage::Format_ARGB32_Premultiplied);
  CanvasView view;
  RedrawCanvas(ctx, view, canvas);
  RedrawCanvas(ctx, view, canvas);
  QImage drawing(800, 600, QImage::Format_ARGB32_Premultiplied);
  PaintSceneForExport(ctx, drawing);
  // The visible part is drawn: the right edge of both pictures (a dash of
  // one pixel, then a gap).
  const auto reaches = [](const QImage& image) {
    return qAlpha(image.pixel(798, 10)) > 0 || qAlpha(image.pixel(799, 10)) > 0;
  };
  const bool drawn =
      name.find("text") != std::string::npos || (reaches(canvas) && reaches(drawing));
  return drawn ? static_cast<long>(req.Messages.size()) : -1;
}

TEST(PaintingLimitsChild, Run) {
  const char* name = std::getenv(test::kChildCaseVariable);
  if (name == nullptr) GTEST_SKIP() << "run by the PaintingLimits tests";
  test::MeasureInChild(1536, [&] { return DrawCase(name); });
}

TEST(PaintingLimits, LongDashesAndDotsCostWhatIsVisible) {
  for (const char* name : {"dots 1e8", "dots 3e8", "dashes 1e8"}) {
    SCOPED_TRACE(name);
    const test::ChildMeasure m = test::RunChildCase("PaintingLimitsChild.Run", name);
    ASSERT_FALSE(m.died) << "the drawing child died";
    EXPECT_EQ(m.detail, 0) << "drawn along the whole canvas, nothing to report";
    EXPECT_LT(m.peakGrowthMb, 200);
    EXPECT_LT(m.seconds, 3.0);
    std::cout << "[ " << name << " ] " << m.peakGrowthMb << " MiB, " << m.seconds << " s\n";
  }
}

TEST(PaintingLimits, AMegabyteOfTextIsCutAndDrawnInBoundedMemory) {
  const test::ChildMeasure m = test::RunChildCase("PaintingLimitsChild.Run", "text 1 MB");
  ASSERT_FALSE(m.died) << "the drawing child died";
  EXPECT_EQ(m.detail, 1) << "one message about the cut text";
  EXPECT_LT(m.peakGrowthMb, 1024);
  EXPECT_LT(m.seconds, 3.0);
  std::cout << "[ text 1 MB ] " << m.peakGrowthMb << " MiB, " << m.seconds << " s\n";
}

}  // namespace
}  // namespace tavisk
