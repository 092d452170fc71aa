// What the reader makes of an SVG: shapes, places, colours, styles from
// attributes, style sheets and groups, and the list of what was dropped.
#include "io/svg/svg_reader.h"

#include <gtest/gtest.h>

#include <QPainterPath>
#include <string>

#include "document/complex_chain.h"
#include "document/numeric.h"

namespace tavisk {
namespace {

SvgReadResult Read(const std::string& body,
                   const std::string& root = "width=\"100\" height=\"100\"", double scale = 1) {
  SvgImportOptions options;
  options.Scale = scale;
  return ReadSvgText("<svg xmlns=\"http://www.w3.org/2000/svg\" " + root + ">" + body + "</svg>",
                     options);
}

const std::vector<sShape>& Shapes(const SvgReadResult& read) {
  EXPECT_TRUE(read.Read) << read.Error;
  return read.Layer.Shape;
}

// The shape's outline as the renderer fills it: even-odd.
QPainterPath Outline(const sShape& shape) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  for (const ChainFigure& figure : FiguresOfChain(shape.Pt)) {
    path.moveTo(figure[0].X, figure[0].Y);
    for (size_t i = 1; i + 2 < figure.size(); i += 3) {
      path.cubicTo(figure[i].X, figure[i].Y, figure[i + 1].X, figure[i + 1].Y, figure[i + 2].X,
                   figure[i + 2].Y);
    }
  }
  return path;
}

TEST(SvgReaderTest, NestedGroupTransformsAndTheViewBoxPlaceThePoints) {
  const SvgReadResult read = Read(
      "<g transform=\"translate(10,0)\"><g transform=\"scale(2)\">"
      "<rect x=\"1\" y=\"1\" width=\"2\" height=\"3\"/></g></g>",
      "width=\"200\" height=\"100\" viewBox=\"0 0 50 50\"");
  ASSERT_EQ(Shapes(read).size(), 1u);
  // viewBox 50 x 50 into 200 x 100: scale 2, centred 50 to the right.
  const QRectF box = Outline(read.Layer.Shape[0]).boundingRect();
  EXPECT_EQ(box, QRectF(50 + 2 * (10 + 2), 2 * 2, 2 * 4, 2 * 6));
  EXPECT_EQ(read.Width, 200);
  EXPECT_EQ(read.Height, 100);
  // The scale multiplies everything.
  const SvgReadResult scaled =
      Read("<rect x=\"1\" y=\"2\" width=\"3\" height=\"4\"/>", "width=\"16\" height=\"16\"", 8);
  EXPECT_EQ(Outline(Shapes(scaled)[0]).boundingRect(), QRectF(8, 16, 24, 32));
  EXPECT_EQ(scaled.Width, 128);
  // Units: 10 mm are 37.8 px; stretched without an aspect ratio kept.
  const SvgReadResult units =
      Read("<rect width=\"10\" height=\"10\"/>",
           "width=\"10mm\" height=\"20mm\" viewBox=\"0 0 10 10\" preserveAspectRatio=\"none\"");
  EXPECT_EQ(Outline(Shapes(units)[0]).boundingRect(), QRectF(0, 0, 38, 76));
}

TEST(SvgReaderTest, EveryBasicShapeBecomesAComplexShape) {
  const SvgReadResult read = Read(
      "<rect x=\"10\" y=\"10\" width=\"40\" height=\"20\" rx=\"5\"/>"
      "<circle cx=\"50\" cy=\"50\" r=\"10\"/>"
      "<ellipse cx=\"20\" cy=\"70\" rx=\"10\" ry=\"5\"/>"
      "<polygon points=\"60,60 90,60 90,90\"/>"
      "<polyline points=\"0,90 10,80 20,90\" fill=\"none\" stroke=\"red\"/>"
      "<line x1=\"0\" y1=\"0\" x2=\"30\" y2=\"40\" stroke=\"blue\" stroke-width=\"3\"/>");
  const std::vector<sShape>& shapes = Shapes(read);
  ASSERT_EQ(shapes.size(), 6u);
  for (const sShape& shape : shapes) EXPECT_EQ(shape.Typ, kComplexShape);
  // The rounded corner cuts the box's corner off, its sides stay.
  const QPainterPath rounded = Outline(shapes[0]);
  EXPECT_EQ(rounded.boundingRect(), QRectF(10, 10, 40, 20));
  EXPECT_FALSE(rounded.contains(QPointF(10.5, 10.5)));
  EXPECT_TRUE(rounded.contains(QPointF(30, 10.5)));
  EXPECT_TRUE(Outline(shapes[1]).contains(QPointF(57, 50)));
  EXPECT_FALSE(Outline(shapes[1]).contains(QPointF(58, 58)));
  EXPECT_EQ(Outline(shapes[2]).boundingRect(), QRectF(10, 65, 20, 10));
  EXPECT_TRUE(Outline(shapes[3]).contains(QPointF(85, 70)));
  EXPECT_FALSE(Outline(shapes[3]).contains(QPointF(65, 80)));
  // The open polyline stays open: 3k + 1 points.
  EXPECT_EQ(shapes[4].Style, kLineStyle);
  EXPECT_TRUE(ComplexChainIsOpen(shapes[4].Pt));
  EXPECT_EQ(shapes[4].Color, RGBA(255, 0, 0, 255));
  EXPECT_EQ(shapes[5].Style, kLineStyle);
  EXPECT_EQ(shapes[5].Width, 3);
  EXPECT_EQ(shapes[5].Pt.front(), (sPoint{0, 0, 0, 0}));
  EXPECT_EQ(shapes[5].Pt.back(), (sPoint{30, 40, 0, 0}));
}

TEST(SvgReaderTest, StylesComeFromAttributesSheetsAndGroupsInTheirOrder) {
  const SvgReadResult read = Read(
      "<style>.warm { fill: #f80 } path { fill: blue } #own { fill: rgb(0, 128, 255) }"
      " g.outer > path { fill: black } @media print { path { fill: red } }</style>"
      "<g fill=\"green\" fill-opacity=\"0.5\" opacity=\"0.5\">"
      "<rect width=\"1\" height=\"1\"/>"
      "<rect width=\"1\" height=\"1\" class=\"warm\" fill=\"red\"/>"
      "<path d=\"M0 0h1v1z\" class=\"warm\"/>"
      "<path d=\"M0 0h1v1z\" id=\"own\" class=\"warm\" style=\"fill:lime; fill-opacity:1\"/>"
      "<path d=\"M0 0h1v1z\" fill=\"inherit\" id=\"own2\"/>"
      "<rect width=\"1\" height=\"1\" fill=\"none\" stroke=\"currentColor\" color=\"#123\""
      " stroke-dasharray=\"4 4\" stroke-width=\"2\"/>"
      "</g>");
  const std::vector<sShape>& shapes = Shapes(read);
  ASSERT_EQ(shapes.size(), 6u);
  // Inherited green at half fill opacity and half opacity: alpha 64.
  EXPECT_EQ(shapes[0].Color, RGBA(0, 128, 0, 64));
  // A class rule beats the attribute.
  EXPECT_EQ(shapes[1].Color, RGBA(255, 136, 0, 64));
  // The class beats the element rule, whatever their order.
  EXPECT_EQ(shapes[2].Color, RGBA(255, 136, 0, 64));
  // The style attribute beats the id rule; its opacity of 1 leaves the group's.
  EXPECT_EQ(shapes[3].Color, RGBA(0, 255, 0, 128));
  // An element rule beats an inherited value asked for by attribute.
  EXPECT_EQ(shapes[4].Color, RGBA(0, 0, 255, 64));
  EXPECT_EQ(shapes[5].Style, kDash);
  EXPECT_EQ(shapes[5].Color, RGBA(0x11, 0x22, 0x33, 128));
  EXPECT_EQ(shapes[5].Width, 2);
  EXPECT_EQ(shapes[5].Height, 4);
  EXPECT_TRUE(read.Dropped.empty());
}

TEST(SvgReaderTest, AFilledAndStrokedShapeBecomesAFillThenAStroke) {
  const SvgReadResult read = Read(
      "<g transform=\"scale(3)\"><circle cx=\"10\" cy=\"10\" r=\"5\" fill=\"yellow\" "
      "stroke=\"navy\" stroke-width=\"2\" stroke-dasharray=\"1 2\"/></g>");
  const std::vector<sShape>& shapes = Shapes(read);
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0].Style, kFilled);
  EXPECT_EQ(shapes[0].Color, RGBA(255, 255, 0, 255));
  EXPECT_EQ(shapes[1].Style, kDash);
  EXPECT_EQ(shapes[1].Color, RGBA(0, 0, 128, 255));
  // Widths and dashes scale with the transform.
  EXPECT_EQ(shapes[1].Width, 6);
  EXPECT_EQ(shapes[1].Height, 3);
  EXPECT_EQ(shapes[0].Pt, shapes[1].Pt);
  EXPECT_EQ(read.Dropped,
            std::vector<std::string>{"dash patterns of unequal lengths (drawn as even dashes)"});
}

TEST(SvgReaderTest, NonzeroFillsOfNestedFiguresFillAsSvgDoes) {
  const char* nested = "M0 0h40v40h-40z M10 10h20v20h-20z";
  const char* reversed = "M0 0h40v40h-40z M10 10v20h20v-20z";
  const auto inner = [](const char* d, const char* rule) {
    const SvgReadResult read =
        Read(std::string("<path fill-rule=\"") + rule + "\" d=\"" + d + "\"/>");
    return Outline(Shapes(read).at(0)).contains(QPointF(20, 20));
  };
  // Same direction: nonzero fills the middle, even-odd leaves a hole.
  EXPECT_TRUE(inner(nested, "nonzero"));
  EXPECT_FALSE(inner(nested, "evenodd"));
  // A star in one stroke winds twice around its middle.
  const char* star = "M50 0 L79 90 L2 35 L98 35 L21 90 Z";
  const auto middle = [&](const char* rule) {
    const SvgReadResult read =
        Read(std::string("<path fill-rule=\"") + rule + "\" d=\"" + star + "\"/>");
    return Outline(Shapes(read).at(0)).contains(QPointF(50, 50));
  };
  EXPECT_TRUE(middle("nonzero"));
  EXPECT_FALSE(middle("evenodd"));
  // Opposite direction: a hole under either rule.
  EXPECT_FALSE(inner(reversed, "nonzero"));
  EXPECT_FALSE(inner(reversed, "evenodd"));
}

TEST(SvgReaderTest, WhatCannotBeKeptIsListedOnceAndGradientsKeepTheirMiddleColour) {
  const SvgReadResult read = Read(
      "<defs><linearGradient id=\"g\"><stop offset=\"0\" stop-color=\"#000\"/>"
      "<stop offset=\"1\" style=\"stop-color:#fff\"/></linearGradient>"
      "<radialGradient id=\"r\" href=\"#g\"/><filter id=\"f\"/><mask id=\"m\"/></defs>"
      "<rect width=\"10\" height=\"10\" fill=\"url(#g)\" filter=\"url(#f)\"/>"
      "<rect width=\"10\" height=\"10\" fill=\"url(#r)\" mask=\"url(#m)\" filter=\"url(#f)\"/>"
      "<image href=\"x.png\" width=\"5\" height=\"5\"/>"
      "<rect width=\"10\" height=\"10\" fill=\"url(#missing) #f00\"/>");
  const std::vector<sShape>& shapes = Shapes(read);
  ASSERT_EQ(shapes.size(), 3u);
  EXPECT_EQ(shapes[0].Color, RGBA(128, 128, 128, 255));
  EXPECT_EQ(shapes[1].Color, RGBA(128, 128, 128, 255));
  EXPECT_EQ(shapes[2].Color, RGBA(255, 0, 0, 255));
  EXPECT_EQ(read.Dropped,
            (std::vector<std::string>{"filters", "gradients (their middle colour was kept)",
                                      "masks", "images"}));
}

TEST(SvgReaderTest, UseSymbolsAndTextsArePlaced) {
  const SvgReadResult read = Read(
      "<defs><rect id=\"r\" width=\"4\" height=\"4\"/>"
      "<symbol id=\"s\" viewBox=\"0 0 2 2\"><rect width=\"2\" height=\"2\"/></symbol></defs>"
      "<use href=\"#r\" x=\"10\" y=\"20\"/>"
      "<use href=\"#s\" x=\"30\" y=\"30\" width=\"10\" height=\"10\"/>"
      "<text x=\"5\" y=\"50\" font-size=\"20\" font-family=\"'Liberation Sans', sans-serif\" "
      "font-weight=\"bold\" id=\"a, rather; long name of a text\">Hello, "
      "<tspan>there;</tspan></text>");
  const std::vector<sShape>& shapes = Shapes(read);
  ASSERT_EQ(shapes.size(), 3u);
  EXPECT_EQ(Outline(shapes[0]).boundingRect(), QRectF(10, 20, 4, 4));
  EXPECT_EQ(Outline(shapes[1]).boundingRect(), QRectF(30, 30, 10, 10));
  EXPECT_EQ(shapes[2].Typ, kText);
  // Names and texts as the document keeps them: no separators, names cut.
  EXPECT_EQ(shapes[2].Text, "Hello. there:");
  EXPECT_EQ(shapes[2].Name, "a. rather; long name");
  EXPECT_EQ(shapes[2].FontName, "Liberation Sans");
  EXPECT_EQ(shapes[2].W, 20);
  EXPECT_NE(shapes[2].FontStyle & 256, 0);
  EXPECT_EQ(shapes[2].X, 5);
  // Placed by its top: above the baseline.
  EXPECT_LT(shapes[2].Y, 50);
  EXPECT_GT(shapes[2].Y, 25);
}

}  // namespace
}  // namespace tavisk
