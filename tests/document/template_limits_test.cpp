// Templates and merged files at the reader's limits: a long template goes
// in at a cost that grows with its length, and files of nothing but "gen"
// lines stay within the gap budget in every mode.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <iostream>

#include "document/document_file.h"
#include "document/document_reader.h"
#include "document/object_creation.h"
#include "document/shape_template.h"
#include "platform/file_io.h"
#include "support/recording_hooks.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One "gen" line, then shapes of three points each, every second one
// nameless: 4 lines a shape.
std::string LongTemplate(int lines) {
  std::string text = "gen, ,0.13,\r\nobj,T,0,0,100,100,0,0,0\r\n";
  for (int s = 0; 4 * s + 2 < lines; ++s) {
    const std::string n = std::to_string(s);
    text += "shape," + n + ",-1," + (s % 2 == 0 ? "" : "S" + n) + ",255,0,1,1,1,0,0,0,,0,0,\r\n";
    for (int p = 0; p < 3; ++p) text += "pt," + std::to_string(p) + ",1,1,\r\n";
  }
  return text;
}

class TemplateLimitsTest : public ::testing::Test {
 protected:
  TemplateLimitsTest() {
    ctx.Hooks = &hooks;
    AddObject(ctx, 0);
    EXPECT_TRUE(MakeDirectories("data/shapes"));
  }

  test::ScopedWorkDir dir;
  test::RecordingHooks hooks;
  EditorContext ctx;
};

TEST_F(TemplateLimitsTest, InsertingAnEightyThousandLineTemplateTakesLinearTime) {
  for (const int lines : {20000, 80000}) {
    ASSERT_TRUE(WriteFileAtomically("data/shapes/long.txt", LongTemplate(lines)));
    ctx.ShapeFile = "long.txt";
    ctx.Obj[0].Shape.resize(3);
    for (sShape& s : ctx.Obj[0].Shape) s.Name = "mine";
    ctx.Obj[0].HasShape = 1;
    ctx.CurrentShape = 1;
    const auto start = std::chrono::steady_clock::now();
    MakeTemplateSlot(ctx);
    ASSERT_TRUE(InsertShapeTemplate(ctx, 0));
    const double seconds = SecondsSince(start);
    std::cout << "[ template ] " << lines << " lines inserted in " << seconds << " s\n";
    EXPECT_EQ(ctx.Obj[0].Shape.size(), 3u + static_cast<size_t>(lines / 4));
    EXPECT_LT(seconds, 2.0);
  }
}

// What a child process measured, sent back whole through a pipe.
struct GenLinesLoad {
  long rssGrowthKb = -1;
  double seconds = 0;
  size_t objects = 0;
  size_t shapes = 0;
};

// Reads text in mode into a one-object scene, in a fresh child so the peak
// belongs to this load alone.
GenLinesLoad LoadInChild(int mode, const std::string& text) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const long before = usage.ru_maxrss;
    EditorContext ctx;
    const auto start = std::chrono::steady_clock::now();
    ReadDocumentText(ctx, mode, text, [](const std::string&) { return int64_t{0}; });
    GenLinesLoad load;
    load.seconds = SecondsSince(start);
    load.objects = ctx.Obj.size();
    for (const sObject& o : ctx.Obj) load.shapes += o.Shape.size();
    ::getrusage(RUSAGE_SELF, &usage);
    load.rssGrowthKb = usage.ru_maxrss - before;
    ::_exit(::write(pipeEnds[1], &load, sizeof load) == sizeof load ? 0 : 1);
  }
  ::close(pipeEnds[1]);
  GenLinesLoad load;
  if (::read(pipeEnds[0], &load, sizeof load) != static_cast<ssize_t>(sizeof load)) load = {};
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return load;
}

TEST(TemplateLimits, AMillionGenLinesStayWithinTheGapBudgetInEveryMode) {
  std::string oldGen;
  std::string gen;
  for (int i = 0; i < 1'000'000; ++i) {
    oldGen += "gen,L,0.07,\n";  // before "obj" lines: a merge adds an object for each
    gen += "gen, ,0.13,\n";     // a template adds a blank shape for each
  }
  struct Case {
    const char* what;
    int mode;
    const std::string& text;
  };
  for (const Case& c : {Case{"merged", kLoadMerge, oldGen}, Case{"template", kLoadTemplate, gen},
                        Case{"template of old lines", kLoadTemplate, oldGen}}) {
    SCOPED_TRACE(c.what);
    const GenLinesLoad load = LoadInChild(c.mode, c.text);
    ASSERT_GE(load.rssGrowthKb, 0) << "the loading child died";
    std::cout << "[ gen lines ] " << c.what << ": " << load.seconds << " s, "
              << load.rssGrowthKb / 1024 << " MiB, " << load.objects << " objects, "
              << load.shapes << " shapes\n";
    // One object or shape a line up to the budget (a merged object holds its
    // placeholder shape), none beyond it.
    EXPECT_LE(load.objects, static_cast<size_t>(kMaxGapElements) + 1);
    EXPECT_LE(load.shapes, static_cast<size_t>(kMaxGapElements) + 1);
    EXPECT_LT(load.rssGrowthKb, 256 * 1024);
    EXPECT_LT(load.seconds, 5.0);
  }
}

}  // namespace
}  // namespace tavisk
