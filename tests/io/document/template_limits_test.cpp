// Merged files and templates of nothing but "gen" lines stay within the
// reader's gap budget in every mode.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

#include "edit/document_loading.h"
#include "support/bounded_child.h"

namespace tavisk {
namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
  return test::ValueFromChild<GenLinesLoad>([&] {
           const long before = test::PeakRssKb();
           EditorContext ctx;
           const auto start = std::chrono::steady_clock::now();
           LoadDocumentText(ctx, mode, text, [](const std::string&) { return int64_t{0}; });
           GenLinesLoad load;
           load.seconds = SecondsSince(start);
           load.objects = ctx.Obj.size();
           for (const sObject& o : ctx.Obj) load.shapes += o.Shape.size();
           load.rssGrowthKb = test::PeakRssKb() - before;
           return load;
         })
      .value_or(GenLinesLoad{});
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
              << load.rssGrowthKb / 1024 << " MiB, " << load.objects << " objects, " << load.shapes
              << " shapes\n";
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
