// tavisk-cli import-svg, run as a build script would run it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>

#include "document/editor_context.h"
#include "edit/document_loading.h"
#include "platform/file_io.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

struct ImportRun {
  int Code = -1;
  std::string Out;
  std::string Err;
};

ImportRun ImportSvg(const test::ScopedWorkDir& dir, const QStringList& arguments) {
  QProcess process;
  process.setWorkingDirectory(QString::fromStdString(dir.Path()));
  process.start(QCoreApplication::applicationDirPath() + "/../cli/tavisk-cli",
                QStringList{"import-svg"} + arguments);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return {};
  return {process.exitCode(), process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

TEST(ImportSvgCliTest, WritesADocumentOfOneLayerAndWarnsOfWhatWasDropped) {
  test::ScopedWorkDir dir;
  ASSERT_TRUE(WriteFileAtomically(
      dir.File("star.svg"),
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">"
      "<rect x=\"1\" y=\"2\" width=\"3\" height=\"4\" fill=\"#0f0\" mask=\"url(#m)\"/></svg>"));
  const ImportRun run = ImportSvg(dir, {"star.svg", "out", "--scale", "2.5"});
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, "out.txt\n");
  EXPECT_EQ(run.Err, "tavisk-cli: warning: dropped masks\n");

  std::string text;
  ASSERT_TRUE(ReadWholeFile(dir.File("out.txt"), text));
  EditorContext ctx;
  LoadDocumentText(ctx, kLoadReplace, text, [](const std::string&) { return int64_t{0}; });
  ASSERT_EQ(ctx.Obj.size(), 1u);
  EXPECT_EQ(ctx.Obj[0].Name, "star");
  ASSERT_EQ(ctx.Obj[0].Shape.size(), 1u);
  // The box scaled by 2.5: from (2.5, 5) to (10, 15), halves to even.
  int64_t minX = INT64_MAX, maxY = INT64_MIN;
  for (const sPoint& p : ctx.Obj[0].Shape[0].Pt) {
    minX = std::min(minX, p.X);
    maxY = std::max(maxY, p.Y);
  }
  EXPECT_EQ(minX, 2);
  EXPECT_EQ(maxY, 15);
}

TEST(ImportSvgCliTest, RefusesBadScalesAndPicturesItCannotRead) {
  test::ScopedWorkDir dir;
  ASSERT_TRUE(WriteFileAtomically(dir.File("bad.svg"), "<svg"));
  const ImportRun bad = ImportSvg(dir, {"bad.svg", "out"});
  EXPECT_EQ(bad.Code, 3);
  EXPECT_NE(bad.Err.find("tavisk-cli: cannot import 'bad.svg': The file is not well-formed XML"),
            std::string::npos)
      << bad.Err;
  EXPECT_FALSE(IsRegularFile(dir.File("out.txt")));
  for (const char* scale : {"0", "-1", "x", "1e7"}) {
    const ImportRun run = ImportSvg(dir, {"bad.svg", "out", "--scale", scale});
    EXPECT_EQ(run.Code, 2) << scale;
    EXPECT_NE(run.Err.find("--scale takes a number above 0"), std::string::npos) << scale;
  }
}

}  // namespace
}  // namespace tavisk
