// An options file with a huge camera: the image export refuses it, says
// why, and never allocates the picture.
#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "platform/scripted_requesters.h"
#include "render/image_export.h"
#include "render_fixtures.h"
#include "support/bounded_child.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

struct ChildExport {
  ImageExportResult result = ImageExportResult::Saved;
  long rssGrowthKb = -1;
};

// Exports in a fresh child, whose peak resident size grows only by what
// the export touched.
ChildExport ExportInChild(EditorContext& ctx, int mode, int canvasW, int canvasH,
                          const std::string& path) {
  return test::ValueFromChild<ChildExport>([&] {
           const long before = test::PeakRssKb();
           ChildExport done;
           done.result = SaveSceneImage(ctx, mode, canvasW, canvasH, path);
           done.rssGrowthKb = test::PeakRssKb() - before;
           return done;
         })
      .value_or(ChildExport{});
}

TEST(ExportBudget, AHugeCameraIsRefusedWithoutAllocatingThePicture) {
  test::ScopedWorkDir dir;
  EditorContext ctx;
  ctx.Obj = {test::MakeObject({test::MakeShape(kBox, 10, 20, 40, 30)})};
  ctx.ObjReady = 1;
  struct Camera {
    int16_t w, h;
  };
  // The largest the options hold, then just past the budget on one side.
  for (const Camera camera : {Camera{32767, 32767}, Camera{8193, 8192}, Camera{32767, 2049}}) {
    SCOPED_TRACE(std::to_string(camera.w) + " x " + std::to_string(camera.h));
    ctx.Options.CameraW = camera.w;
    ctx.Options.CameraH = camera.h;
    for (const int mode : {kExportCamera, kExportDrawnArea}) {
      const ChildExport done = ExportInChild(ctx, mode, 500, 400, dir.File("huge.png"));
      ASSERT_GE(done.rssGrowthKb, 0) << "the exporting child died";
      EXPECT_EQ(done.result, ImageExportResult::TooLarge);
      EXPECT_LT(done.rssGrowthKb, 64 * 1024);
      EXPECT_FALSE(IsRegularFile(dir.File("huge.png")));
    }
  }
}

TEST(ExportBudget, TheMenuCommandTellsTheUserWhy) {
  test::ScopedWorkDir dir;
  EditorContext ctx;
  ScriptedRequesters req;
  ctx.Req = &req;
  ctx.Obj = {test::MakeObject({test::MakeShape(kBox, 10, 20, 40, 30)})};
  ctx.Options.CameraW = 32767;
  ctx.Options.CameraH = 32767;
  req.FileAnswers = {dir.File("scene")};
  ExportImage(ctx, kExportCamera, 500, 400);
  ASSERT_EQ(req.Messages.size(), 1u);
  EXPECT_EQ(req.Messages[0].Title, "Save image");
  EXPECT_EQ(req.Messages[0].Text, kExportTooLargeText);
  EXPECT_FALSE(IsRegularFile(dir.File("scene.png")));

  // Within the budget the same scene is saved.
  ctx.Options.CameraW = 800;
  ctx.Options.CameraH = 600;
  req.FileAnswers = {dir.File("scene")};
  ExportImage(ctx, kExportCamera, 500, 400);
  EXPECT_TRUE(IsRegularFile(dir.File("scene.png")));
  EXPECT_EQ(req.Messages.size(), 1u);
}

}  // namespace
}  // namespace tavisk
