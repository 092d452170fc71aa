// Pictures shared by file and held within a byte budget: a small file named
// by many image shapes, or many large pictures, cannot exhaust memory.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <png.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "document/picture_loader.h"
#include "edit/document_loading.h"
#include "edit/shape_creation.h"
#include "io/document/document_writer.h"
#include "platform/file_io.h"
#include "platform/picture_fixtures.h"
#include "platform/scripted_requesters.h"
#include "support/bounded_child.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

// A document whose one object holds an image shape per path, in order.
std::string DocumentNaming(const std::vector<std::string>& pictures) {
  std::string text = "gen, ,0.13,\r\nobj,Pictures,0,0,100,100,0,0,0\r\n";
  for (size_t i = 0; i < pictures.size(); ++i) {
    text += "shape," + std::to_string(i) + ",0,Image_" + std::to_string(i) +
            ",255,0,1,1,1,6,64,64," + pictures[i] + ";0;0;0;0;0;0;,0,0,\r\n" +
            "shapefx,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\npt,0,0,0,\r\n";
  }
  return text;
}

void ReadWithPictures(EditorContext& ctx, const std::string& text) {
  LoadDocumentText(ctx, kLoadReplace, text,
                   [&ctx](const std::string& path) { return LoadPicture(ctx, 0, path); });
}

long VmKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
  }
  return 0;
}

struct ChildLoad {
  long rssGrowthKb = -1;
  size_t shapesWithPicture = 0;
  size_t placeholders = 0;
  size_t messages = 0;
};

// Loads text in a fresh child whose address space may grow by at most
// limitKb: a load that decodes a copy per shape fails there instead of
// taking the machine's memory.
ChildLoad LoadInChild(const std::string& text, long limitKb) {
  return test::ValueFromChild<ChildLoad>([&] {
           const rlimit limit{static_cast<rlim_t>(VmKb("VmSize:") + limitKb) * 1024,
                              static_cast<rlim_t>(VmKb("VmSize:") + limitKb) * 1024};
           ::setrlimit(RLIMIT_AS, &limit);
           const long before = VmKb("VmHWM:");
           ScriptedRequesters req;
           EditorContext ctx;
           ctx.Req = &req;
           ReadWithPictures(ctx, text);
           ChildLoad result;
           for (const sShape& shape : ctx.Obj[0].Shape) {
             result.shapesWithPicture += ctx.Pictures.Get(shape.Image) != nullptr ? 1 : 0;
             result.placeholders += ctx.Pictures.IsPlaceholder(shape.Image) ? 1 : 0;
           }
           result.messages = req.Messages.size();
           result.rssGrowthKb = VmKb("VmHWM:") - before;
           return result;
         })
      .value_or(ChildLoad{});
}

TEST(PictureBudget, AFileNamedByManyShapesIsDecodedOnce) {
  test::ScopedWorkDir dir;
  // 2048 x 2048: 16 MiB decoded, a few kilobytes as a file.
  ASSERT_TRUE(WriteFileAtomically("plain.png", test::MakePng(2048, 2048, Qt::darkCyan, true)));
  const std::string text = DocumentNaming(std::vector<std::string>(24, "plain.png"));

  // A copy per shape would need 384 MiB.
  const ChildLoad load = LoadInChild(text, 160 * 1024);
  ASSERT_GE(load.rssGrowthKb, 0) << "the loading child died";
  EXPECT_EQ(load.messages, 0u);
  EXPECT_EQ(load.shapesWithPicture, 24u);
  EXPECT_LT(load.rssGrowthKb, 64 * 1024);

  // Each shape still has a handle of its own, all showing the same pixels.
  ScriptedRequesters req;
  EditorContext ctx;
  ctx.Req = &req;
  ReadWithPictures(ctx, DocumentNaming({"plain.png", "plain.png"}));
  const sObject& object = ctx.Obj[0];
  ASSERT_NE(ctx.Pictures.Get(object.Shape[0].Image), nullptr);
  ASSERT_NE(ctx.Pictures.Get(object.Shape[1].Image), nullptr);
  EXPECT_NE(object.Shape[0].Image, object.Shape[1].Image);
  EXPECT_EQ(ctx.Pictures.Get(object.Shape[0].Image)->constBits(),
            ctx.Pictures.Get(object.Shape[1].Image)->constBits());
  EXPECT_EQ(ctx.Pictures.DecodedBytes(), 2048 * 2048 * 4);
}

// A 16384 x 16384 one-bit picture, written a row at a time: a few
// kilobytes that decode to a gigabyte.
void WriteHugeSparsePng(const char* path) {
  FILE* file = std::fopen(path, "wb");
  ASSERT_NE(file, nullptr);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, file);
  png_set_IHDR(png, info, 16384, 16384, 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(16384 / 8, 0);
  for (int y = 0; y < 16384; ++y) png_write_row(png, row.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

TEST(PictureBudget, APictureBeyondTheBudgetIsRefusedBeforeItIsDecoded) {
  test::ScopedWorkDir dir;
  WriteHugeSparsePng("bomb.png");
  ASSERT_LT(FileSize("bomb.png"), 1 << 20);
  const ChildLoad load = LoadInChild(DocumentNaming({"bomb.png", "bomb.png"}), 900 * 1024);
  ASSERT_GE(load.rssGrowthKb, 0) << "the loading child died";
  EXPECT_EQ(load.placeholders, 2u);
  EXPECT_EQ(load.messages, 1u);
  EXPECT_LT(load.rssGrowthKb, 64 * 1024);
}

class PictureBudgetTest : public ::testing::Test {
 protected:
  PictureBudgetTest() {
    ctx.Req = &req;
    // Two 64 x 64 pictures (16 KiB each) fit, a third does not.
    ctx.Pictures = PictureStore(40 * 1024);
    for (const char* name : {"a.png", "b.png", "c.png"}) {
      EXPECT_TRUE(WriteFileAtomically(name, test::MakePng(64, 64, Qt::red, true)));
    }
  }
  bool ShowsPlaceholder(const sShape& shape) const {
    return ctx.Pictures.IsPlaceholder(shape.Image) && ctx.Pictures.Get(shape.Image) != nullptr;
  }

  test::ScopedWorkDir dir;
  ScriptedRequesters req;
  EditorContext ctx;
};

TEST_F(PictureBudgetTest, PastTheBudgetOneMessageAndPlaceholdersThatKeepTheirFiles) {
  const std::string text = DocumentNaming({"a.png", "b.png", "c.png", "c.png", "a.png", "c.png"});
  ReadWithPictures(ctx, text);
  const std::vector<sShape>& shapes = ctx.Obj[0].Shape;
  ASSERT_EQ(shapes.size(), 6u);
  for (size_t i : {0, 1, 4}) {
    EXPECT_FALSE(ShowsPlaceholder(shapes[i])) << i;
    ASSERT_NE(ctx.Pictures.Get(shapes[i].Image), nullptr) << i;
  }
  for (size_t i : {2, 3, 5}) EXPECT_TRUE(ShowsPlaceholder(shapes[i])) << i;
  ASSERT_EQ(req.Messages.size(), 1u);
  EXPECT_EQ(req.Messages[0].Title, "Error");
  EXPECT_NE(req.Messages[0].Text.find("c.png"), std::string::npos) << req.Messages[0].Text;
  EXPECT_LE(ctx.Pictures.DecodedBytes(), 40 * 1024);
  // Nothing is lost on save: every shape keeps its file and size.
  EXPECT_EQ(WriteDocumentText(ctx.Obj), text);
}

TEST_F(PictureBudgetTest, PicturesOfShapesThatAreGoneMakeRoom) {
  ReadWithPictures(ctx, DocumentNaming({"a.png", "b.png"}));
  // The clipboard keeps a's picture alive; b's goes with its document.
  ctx.Clipboard.Shape = {ctx.Obj[0].Shape[0]};
  ReadWithPictures(ctx, DocumentNaming({"c.png"}));
  EXPECT_TRUE(req.Messages.empty());
  EXPECT_FALSE(ShowsPlaceholder(ctx.Obj[0].Shape[0]));
  EXPECT_NE(ctx.Pictures.Get(ctx.Clipboard.Shape[0].Image), nullptr);

  // The image tool refuses a picture past the budget, with its message.
  ASSERT_TRUE(WriteFileAtomically("d.png", test::MakePng(64, 64, Qt::blue, true)));
  req.FileAnswers = {"d.png"};
  EXPECT_EQ(AddShape(ctx, kImage, 5, 5), 0);
  EXPECT_EQ(ctx.Obj[0].Shape.size(), 1u);
  ASSERT_EQ(req.Messages.size(), 1u);
  EXPECT_NE(req.Messages[0].Text.find("d.png"), std::string::npos);
}

TEST_F(PictureBudgetTest, AFileRewrittenSinceItWasDecodedIsDecodedAnew) {
  ReadWithPictures(ctx, DocumentNaming({"a.png"}));
  ASSERT_TRUE(WriteFileAtomically("a.png", test::MakePng(8, 3, Qt::red, true)));
  const int64_t again = LoadPicture(ctx, 0, "a.png");
  ASSERT_NE(ctx.Pictures.Get(again), nullptr);
  EXPECT_EQ(ctx.Pictures.Get(again)->size(), QSize(8, 3));
}

}  // namespace
}  // namespace tavisk
