// Hostile pictures end in a message, quickly, never in a crash, a hang or
// memory without end. Each is read in a child that a hang would not outlive.
#include <gtest/gtest.h>

#include <string>

#include "io/svg/svg_reader.h"
#include "support/bounded_child.h"

namespace tavisk {
namespace {

const std::string kOpen = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">";

std::string Repeated(const std::string& part, size_t times) {
  std::string out;
  out.reserve(part.size() * times);
  for (size_t i = 0; i < times; ++i) out += part;
  return out;
}

// The error of reading text in a child given a few seconds; a read that
// succeeds answers "read".
std::string ErrorOf(const std::string& text, double scale = 1) {
  return test::RunInChild(
      [&] {
        SvgImportOptions options;
        options.Scale = scale;
        const SvgReadResult read = ReadSvgText(text, options);
        return read.Read ? std::string("read") : "error: " + read.Error;
      },
      20);
}

TEST(SvgBoundsTest, EntitiesAreRefusedAndNothingIsFetched) {
  const std::string laughs =
      "<?xml version=\"1.0\"?><!DOCTYPE svg [<!ENTITY a \"hahahahahahahahahaha\">"
      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
      "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
      "]>" +
      kOpen + "<text>&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;</text></svg>";
  EXPECT_EQ(ErrorOf(laughs), "error: The file declares entities, which an SVG import refuses.");
  const std::string external =
      "<?xml version=\"1.0\"?><!DOCTYPE svg [<!ENTITY x SYSTEM "
      "\"file:///etc/passwd\">]>" +
      kOpen + "<text>&x;</text></svg>";
  EXPECT_EQ(ErrorOf(external), "error: The file declares entities, which an SVG import refuses.");
  // An entity never declared is an XML error, not a fetch.
  EXPECT_NE(ErrorOf(kOpen + "<text>&undeclared;</text></svg>")
                .find("error: The file is not well-formed XML"),
            std::string::npos);
}

TEST(SvgBoundsTest, SizeNestingElementsAndPointsHaveTheirLimits) {
  // A 40 MB path.
  EXPECT_EQ(ErrorOf(kOpen + "<path d=\"M0 0" + Repeated(" L1 1", 8u << 20) + "\"/></svg>"),
            "error: The file is larger than an SVG import may be (32 MiB).");
  EXPECT_EQ(ErrorOf(kOpen + Repeated("<g>", 100000) + Repeated("</g>", 100000) + "</svg>"),
            "error: The file nests its elements deeper than an SVG import allows.");
  EXPECT_EQ(ErrorOf(kOpen + Repeated("<g/>", 150000) + "</svg>"),
            "error: The file holds more elements than an SVG import allows.");
  // 1.2 million segments in 12 MB.
  EXPECT_EQ(ErrorOf(kOpen + "<path d=\"M0 0" + Repeated(" 1 1", 1200000) + "\"/></svg>"),
            "error: The picture holds more points than an SVG import allows (1000000).");
  EXPECT_EQ(ErrorOf(kOpen + Repeated("<rect width=\"1\" height=\"1\"/>", 90000) + "</svg>"),
            "error: The picture holds more points than an SVG import allows (1000000).");
}

TEST(SvgBoundsTest, CopiesByUseAreCountedAndLoopsEnd) {
  // Ten copies of ten copies ... of a rectangle: ten billion rectangles.
  std::string bomb = kOpen + "<defs><rect id=\"l0\" width=\"1\" height=\"1\"/>";
  for (int level = 1; level <= 10; ++level) {
    bomb += "<g id=\"l" + std::to_string(level) + "\">" +
            Repeated("<use href=\"#l" + std::to_string(level - 1) + "\"/>", 10) + "</g>";
  }
  bomb += "</defs><use href=\"#l10\"/></svg>";
  EXPECT_EQ(ErrorOf(bomb).substr(0, 18), "error: The picture");
  EXPECT_EQ(
      ErrorOf(kOpen +
              "<g id=\"loop\"><rect width=\"1\" height=\"1\"/><use href=\"#loop\"/></g></svg>"),
      "error: The picture nests its elements deeper than an SVG import allows.");
  EXPECT_EQ(ErrorOf(kOpen + "<use id=\"self\" href=\"#self\"/></svg>"),
            "error: The picture nests its elements deeper than an SVG import allows.");
}

TEST(SvgBoundsTest, StyleSheetsAndTextsRepeatedByUseHaveTheirLimits) {
  std::string rules = kOpen + "<style>";
  for (int i = 0; i < 5000; ++i) rules += ".c" + std::to_string(i) + "{fill:red}";
  EXPECT_EQ(
      ErrorOf(rules + "</style>" + Repeated("<rect width=\"1\" height=\"1\"/>", 5000) + "</svg>"),
      "error: The picture's style sheet is too large for its number of elements.");
  // Rules of many selectors share their declarations.
  EXPECT_EQ(
      ErrorOf(kOpen + "<style>" + Repeated("a,", 9000) + "rect{fill:red;" +
              Repeated("stroke:blue;", 200000) + "}</style><rect width=\"1\" height=\"1\"/></svg>"),
      "read");
  const std::string text = kOpen + "<defs><text id=\"t\">" + Repeated("words ", 200000) +
                           Repeated("<tspan>x</tspan>", 20000) + "</text></defs>" +
                           Repeated("<use href=\"#t\"/>", 20000) + "</svg>";
  EXPECT_EQ(ErrorOf(text), "error: The picture holds more text than an SVG import allows.");
}

TEST(SvgBoundsTest, NumbersBeyondTheDrawingsRangeAreRefused) {
  const std::string tooFar =
      "error: The picture reaches coordinates beyond what a drawing may hold (2^40 units).";
  EXPECT_EQ(ErrorOf(kOpen + "<path d=\"M0 0 L1e20 0 L0 1z\"/></svg>"), tooFar);
  EXPECT_EQ(
      ErrorOf(kOpen + "<g transform=\"scale(1e20)\"><rect width=\"1\" height=\"1\"/></g></svg>"),
      tooFar);
  EXPECT_EQ(ErrorOf(kOpen + "<rect width=\"2e6\" height=\"1\"/></svg>", 1e6), tooFar);
  // A number past 1e100 (or the double range) stops the path there, as a
  // syntax error does; what came before it is kept.
  for (const char* huge : {"1e300", "1e999"}) {
    const std::string text = kOpen + "<path d=\"M0 0 L5 0 L" + huge + " 0 L0 5z\"/></svg>";
    EXPECT_EQ(ErrorOf(text), "read") << huge;
    // The line to (5, 0) and the fill's closing line back: six points.
    EXPECT_EQ(ReadSvgText(text).Layer.Shape.at(0).Pt.size(), 6u) << huge;
  }
  EXPECT_EQ(ErrorOf(kOpen + "<rect width=\"1\" height=\"1\"/></svg>", 0),
            "error: The scale of an SVG import must be above 0 and at most 1000000.");
  EXPECT_EQ(ErrorOf("<html><body/></html>"), "error: The file is not an SVG picture.");
  EXPECT_EQ(ErrorOf(""),
            "error: The file is not well-formed XML: Premature end of document. (line 1).");
  EXPECT_EQ(ErrorOf(kOpen + "<rect width=\"0\" height=\"5\"/></svg>"),
            "error: The picture draws nothing that can be imported.");
}

}  // namespace
}  // namespace tavisk
