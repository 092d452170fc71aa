#include "document/picture_loader.h"

#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "platform/picture_fixtures.h"
#include "platform/scripted_requesters.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

class PictureLoaderTest : public ::testing::Test {
 protected:
  PictureLoaderTest() { ctx.Req = &req; }
  test::ScopedWorkDir dir;
  ScriptedRequesters req;
  EditorContext ctx;
};

TEST_F(PictureLoaderTest, MissingEmptyOrFolderReadsAsMissing) {
  ASSERT_TRUE(WriteFileAtomically("empty.png", ""));
  ASSERT_TRUE(MakeDirectories("folder.png"));
  for (const std::string path : {"nothing.png", "empty.png", "folder.png"}) {
    req.Messages.clear();
    EXPECT_EQ(LoadPicture(ctx, 0, path), -1) << path;
    ASSERT_EQ(req.Messages.size(), 1u) << path;
    EXPECT_EQ(req.Messages[0].Title, "Error");
    EXPECT_EQ(req.Messages[0].Text, "The file doesn't exists :  " + path);
    EXPECT_EQ(req.Messages[0].Icon, MessageIcon::Error);
  }
  EXPECT_EQ(ctx.Pictures.Get(1), nullptr);
}

TEST_F(PictureLoaderTest, UndecodableFileGivesZeroAndItsMessage) {
  ASSERT_TRUE(WriteFileAtomically("notes.png", "just some text\r\n"));
  EXPECT_EQ(LoadPicture(ctx, 0, "notes.png"), 0);
  ASSERT_EQ(req.Messages.size(), 1u);
  EXPECT_EQ(req.Messages[0].Title, "Error");
  EXPECT_EQ(req.Messages[0].Text, "Unable to load the file notes.png");
  EXPECT_EQ(req.Messages[0].Icon, MessageIcon::Error);
}

TEST_F(PictureLoaderTest, ContentNotNameChoosesTheDecoder) {
  ASSERT_TRUE(WriteFileAtomically("really_png.jpg", test::MakePng(3, 2, Qt::red, true)));
  ASSERT_TRUE(WriteFileAtomically("really_jpeg.png", test::MakeJpeg(4, 4, Qt::blue)));
  const int64_t png = LoadPicture(ctx, 0, "really_png.jpg");
  const int64_t jpeg = LoadPicture(ctx, 0, "really_jpeg.png");
  EXPECT_TRUE(req.Messages.empty());
  ASSERT_NE(ctx.Pictures.Get(png), nullptr);
  ASSERT_NE(ctx.Pictures.Get(jpeg), nullptr);
  EXPECT_EQ(ctx.Pictures.Get(png)->size(), QSize(3, 2));
  EXPECT_EQ(ctx.Pictures.Get(jpeg)->size(), QSize(4, 4));
}

TEST_F(PictureLoaderTest, EachLoadGivesItsOwnHandleUnlessASlotIsNamed) {
  ASSERT_TRUE(WriteFileAtomically("a.png", test::MakePng(3, 2, Qt::red, false)));
  ASSERT_TRUE(WriteFileAtomically("b.png", test::MakePng(5, 5, Qt::green, false)));
  const int64_t first = LoadPicture(ctx, 0, "a.png");
  const int64_t second = LoadPicture(ctx, -1, "a.png");
  EXPECT_GT(first, 0);
  EXPECT_GT(second, 0);
  EXPECT_NE(first, second);

  EXPECT_EQ(LoadPicture(ctx, first, "b.png"), first);
  EXPECT_EQ(ctx.Pictures.Get(first)->size(), QSize(5, 5));
  EXPECT_EQ(ctx.Pictures.Get(second)->size(), QSize(3, 2));
  // A slot that names no picture yet gets a fresh handle.
  const int64_t fresh = LoadPicture(ctx, 99, "b.png");
  EXPECT_NE(ctx.Pictures.Get(fresh), nullptr);
}

}  // namespace
}  // namespace tavisk
