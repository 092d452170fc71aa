// Documents at the reader's limits: a million lines load in bounded memory,
// and index lines far past the arrays are skipped in every load mode.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "edit/document_loading.h"
#include "io/document/document_writer.h"
#include "support/generated_document.h"

namespace tavisk {
namespace {

const PictureLoader kNoPictures = [](const std::string&) { return int64_t{0}; };

// What a child process measured, sent back whole through a pipe.
struct MillionLineLoad {
  long peakRssKb = 0;
  size_t lines = 0;
  size_t objects = 0;
  size_t shapes = 0;
  size_t points = 0;
  int64_t lastPointX = 0;
};

// Runs in a fresh child so the peak belongs to this load alone.
MillionLineLoad LoadInChild(const std::string& text) {
  MillionLineLoad load;
  EditorContext ctx;
  LoadDocumentText(ctx, kLoadReplace, text, kNoPictures);
  for (char c : text) load.lines += c == '\n';
  load.objects = ctx.Obj.size();
  for (const sObject& o : ctx.Obj) {
    load.shapes += o.Shape.size();
    for (const sShape& s : o.Shape) load.points += s.Pt.size();
  }
  load.lastPointX = ctx.Obj.back().Shape.back().Pt.back().X;
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  load.peakRssKb = usage.ru_maxrss;
  return load;
}

TEST(DocumentLimits, AMillionLinesLoadInBoundedMemory) {
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // 1 + 10 * (1 + 10000 * 10) lines: just over a million.
    const MillionLineLoad load = LoadInChild(test::GeneratedDocumentText(10, 10000, 8, 3));
    const bool sent = ::write(pipeEnds[1], &load, sizeof load) == sizeof load;
    ::_exit(sent ? 0 : 1);
  }
  ::close(pipeEnds[1]);
  MillionLineLoad load;
  ASSERT_EQ(::read(pipeEnds[0], &load, sizeof load), static_cast<ssize_t>(sizeof load));
  ::close(pipeEnds[0]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  EXPECT_EQ(load.lines, 1'000'011u);
  EXPECT_EQ(load.objects, 10u);
  EXPECT_EQ(load.shapes, 100'000u);
  EXPECT_EQ(load.points, 800'000u);
  EXPECT_EQ(load.lastPointX, 7 + 3);
  // The text alone is about 40 MB and the scene a few hundred bytes a shape:
  // well under a gigabyte, sanitizer redzones included.
  EXPECT_LT(load.peakRssKb, 1024L * 1024);
  std::cout << "[ peak RSS ] " << load.peakRssKb / 1024 << " MiB for " << load.lines
            << " lines\n";
}

struct FarIndexCase {
  const char* what;
  int mode;
  std::string text;
};

TEST(DocumentLimits, IndexLinesFarPastTheArraysAreSkippedInEveryMode) {
  const std::string shapeAt = "shape,0,1,Kept,255,0,1,1,1,0,5,5,,0,0,\n";
  const std::string max = std::to_string(kMaxArrayElements);
  const std::string lastAllowed = std::to_string(kMaxArrayElements - 1);
  const FarIndexCase cases[] = {
      {"shape at the bound", kLoadReplace, "shape," + max + ",1,X,255,0,1,1,1,0,5,5,,0,0,\n"},
      {"shape at the 64-bit maximum", kLoadReplace,
       "shape,9223372036854775807,1,X,255,0,1,1,1,0,5,5,,0,0,\n"},
      {"point and Fx at the 64-bit maximum", kLoadReplace,
       shapeAt + "pt,9223372036854775807,1,1,\nshapefx,9223372036854775807,1,1,1,1,1,1,1,1,1,1,1,1,1\n"},
      {"last allowed shape index, beyond the gap budget", kLoadReplace,
       "shape," + lastAllowed + ",1,X,255,0,1,1,1,0,5,5,,0,0,\n"},
      {"merged shape pushed past the bound by the shape base", kLoadMerge,
       "gen, ,0.13,\nshape," + lastAllowed + ",1,X,255,0,1,1,1,0,5,5,,0,0,\n"},
      {"template shape pushed past the bound by the shape base", kLoadTemplate,
       "gen, ,0.13,\nobj,T,0,0,1,1,0,0,0\nshape," + lastAllowed + ",1,X,255,0,1,1,1,0,5,5,,0,0,\n"},
  };
  for (const FarIndexCase& c : cases) {
    SCOPED_TRACE(c.what);
    EditorContext ctx;
    LoadDocumentText(ctx, kLoadReplace, "obj,Base,0,0,1,1,0,0,0\n" + shapeAt, kNoPictures);
    const size_t shapesBefore = ctx.Obj.back().Shape.size();
    LoadDocumentText(ctx, c.mode, c.text, kNoPictures);
    size_t shapes = 0;
    for (const sObject& o : ctx.Obj) {
      shapes += o.Shape.size();
      for (const sShape& s : o.Shape) {
        EXPECT_LE(s.Pt.size(), 1u);
        EXPECT_LE(s.Fx.size(), 1u);
        EXPECT_NE(s.Name, "X");
      }
    }
    // At most the one blank shape a "gen" line adds outside replace mode.
    EXPECT_LE(shapes, shapesBefore + 1);
    if (c.mode == kLoadReplace && c.text.rfind(shapeAt, 0) != 0) {
      EXPECT_EQ(WriteDocumentText(ctx.Obj), WriteDocumentText(std::vector<sObject>{sObject{}}));
    }
  }
}

}  // namespace
}  // namespace tavisk
