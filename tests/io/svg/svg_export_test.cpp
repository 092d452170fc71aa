// What the SVG export writes: well-formed SVG 1.1, an element of the right
// kind per paint with the renderer's colours and dash lengths, the export's
// rectangle, visibility and order; the shapes alone for the clipboard; and
// tavisk-cli svg's exit codes.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QXmlStreamReader>
#include <map>
#include <string>
#include <vector>

#include "document/editor_context.h"
#include "document/font_store.h"
#include "io/document/document_writer.h"
#include "io/svg/svg_writer.h"
#include "platform/file_io.h"
#include "render/image_export.h"
#include "render/render_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

using test::MakeObject;
using test::MakePointShape;
using test::MakeShape;

struct Element {
  std::string Name;
  std::map<std::string, std::string> Attributes;
  std::string Text;
  int Depth = 0;
};

// Every element in document order; empty, with the reader's error in
// error, when the text is not well-formed.
std::vector<Element> ParseSvg(const std::string& text, std::string& error) {
  std::vector<Element> elements;
  QXmlStreamReader reader(QByteArray::fromStdString(text));
  int depth = 0;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      Element e{reader.name().toString().toStdString(), {}, "", ++depth};
      for (const QXmlStreamAttribute& a : reader.attributes()) {
        e.Attributes[a.qualifiedName().toString().toStdString()] =
            a.value().toString().toStdString();
      }
      elements.push_back(std::move(e));
    } else if (reader.isEndElement()) {
      --depth;
    } else if (reader.isCharacters() && !reader.isWhitespace() && !elements.empty()) {
      elements.back().Text += reader.text().toString().toStdString();
    }
  }
  error = reader.hasError() ? reader.errorString().toStdString() : "";
  if (!error.empty()) elements.clear();
  return elements;
}

std::vector<Element> Named(const std::vector<Element>& all, const std::string& name) {
  std::vector<Element> found;
  for (const Element& e : all) {
    if (e.Name == name) found.push_back(e);
  }
  return found;
}

void UseCamera(EditorContext& ctx, int x, int y, int w, int h) {
  ctx.Options.CameraX = x;
  ctx.Options.CameraY = y;
  ctx.Options.CameraW = w;
  ctx.Options.CameraH = h;
}

TEST(SvgExport, WritesOneElementOfTheRightKindPerPaint) {
  EditorContext ctx;
  UseCamera(ctx, 0, 0, 300, 200);
  sShape text = MakeShape(kText, 10, 100, 24, 0, RGBA(0, 0, 255, 128));
  // Markup, a control character and a byte that is not UTF-8.
  text.Text = "a<b>&\"c\x01\xff";
  text.Font = ctx.Fonts.Load("Liberation Serif", 24, kFontBold | kFontItalic);
  sShape image = MakeShape(kImage, 200, 10, 0, 0);
  QImage picture(6, 4, QImage::Format_ARGB32);
  picture.fill(QColor(1, 2, 3, 200));
  image.Image = ctx.Pictures.Add(picture);
  image.Alpha = 51;
  sShape dashed = MakeShape(kBox, 20, 20, 50, 30, test::kOpaqueBlue, kDash);
  dashed.Width = 3;
  dashed.Height = 7;
  sShape dotted = MakePointShape(kLine, {{100, 20}, {180, 60}}, test::kOpaqueGreen, kDot);
  dotted.Width = 4;
  dotted.Dist = 10;
  sObject hidden = MakeObject({MakeShape(kBox, 0, 0, 300, 200)});
  hidden.Hide = 1;
  ctx.Obj = {MakeObject({dashed, MakeShape(kCircle, 150, 150, 20, 10, RGBA(255, 0, 0, 64))}),
             hidden, MakeObject({dotted, text, image})};

  const SvgScene scene = SceneSvgText(ctx, {kExportCamera, -1, false}, 300, 200);
  ASSERT_EQ(scene.Result, SvgExportResult::Saved);
  std::string error;
  const std::vector<Element> all = ParseSvg(scene.Text, error);
  ASSERT_EQ(error, "") << scene.Text;
  ASSERT_EQ(all.front().Name, "svg");
  EXPECT_EQ(all.front().Attributes.at("version"), "1.1");
  EXPECT_EQ(all.front().Attributes.at("viewBox"), "0 0 300 200");
  EXPECT_EQ(all.front().Attributes.at("width"), "300");

  // The hidden object is left out: two groups, in the objects' order.
  std::vector<std::string> order;
  for (const Element& e : all) {
    if (e.Depth == 3 || (e.Depth == 2 && e.Name == "g")) order.push_back(e.Name);
  }
  EXPECT_EQ(order,
            (std::vector<std::string>{"g", "rect", "ellipse", "g", "path", "text", "image"}));

  const Element rect = Named(all, "rect").at(0);
  EXPECT_EQ(rect.Attributes.at("x"), "20");
  EXPECT_EQ(rect.Attributes.at("width"), "50");
  EXPECT_EQ(rect.Attributes.at("fill"), "none");
  EXPECT_EQ(rect.Attributes.at("stroke"), "#0000ff");
  EXPECT_EQ(rect.Attributes.at("stroke-width"), "3");
  EXPECT_EQ(rect.Attributes.at("stroke-dasharray"), "7 7");
  const Element ellipse = Named(all, "ellipse").at(0);
  EXPECT_EQ(ellipse.Attributes.at("rx"), "20");
  EXPECT_EQ(ellipse.Attributes.at("fill"), "#ff0000");
  EXPECT_EQ(ellipse.Attributes.at("fill-opacity"), "0.251");
  // Dots: a dash of almost no length every Dist, with round caps.
  const Element dots = Named(all, "path").at(0);
  EXPECT_EQ(dots.Attributes.at("stroke-dasharray"), "0.004 9.996");
  EXPECT_EQ(dots.Attributes.at("stroke-linecap"), "round");
  EXPECT_EQ(dots.Attributes.at("d"), "M100 20 L180 60");

  const Element words = Named(all, "text").at(0);
  EXPECT_EQ(words.Text, "a<b>&\"c\xef\xbf\xbd");
  EXPECT_EQ(words.Attributes.at("font-family"), "'Liberation Serif'");
  EXPECT_EQ(words.Attributes.at("font-size"), "24");
  EXPECT_EQ(words.Attributes.at("font-weight"), "bold");
  EXPECT_EQ(words.Attributes.at("font-style"), "italic");
  EXPECT_EQ(words.Attributes.at("x"), "10");
  EXPECT_GT(std::stod(words.Attributes.at("y")), 110.0);  // the baseline, an ascent down
  EXPECT_EQ(words.Attributes.at("fill-opacity"), "0.502");

  const Element img = Named(all, "image").at(0);
  const std::string href = img.Attributes.at("xlink:href");
  const std::string prefix = "data:image/png;base64,";
  ASSERT_EQ(href.compare(0, prefix.size(), prefix), 0);
  const QImage decoded = QImage::fromData(
      QByteArray::fromBase64(QByteArray::fromStdString(href.substr(prefix.size()))), "PNG");
  EXPECT_EQ(decoded.size(), QSize(6, 4));
  EXPECT_EQ(decoded.pixelColor(0, 0), QColor(1, 2, 3, 200));
  EXPECT_EQ(img.Attributes.at("opacity"), "0.2");

  // Outlined, the text is a path and there is no text element.
  const SvgScene outlined = SceneSvgText(ctx, {kExportCamera, -1, true}, 300, 200);
  const std::vector<Element> paths = ParseSvg(outlined.Text, error);
  EXPECT_TRUE(Named(paths, "text").empty());
  EXPECT_EQ(Named(paths, "path").size(), 2u);
}

TEST(SvgExport, TheRectangleIsTheImageExportsAndOneObjectMayBeChosen) {
  EditorContext ctx;
  UseCamera(ctx, 5, 6, 100, 80);
  sObject hidden = MakeObject({MakeShape(kBox, 150, 160, 10, 10)});
  hidden.Hide = 1;
  ctx.Obj = {MakeObject({MakeShape(kBox, 37, 41, 20, 10), MakeShape(kCircle, 90, 90, 5, 5)}),
             hidden};
  QImage drawing(200, 200, QImage::Format_ARGB32_Premultiplied);
  PaintSceneForExport(ctx, drawing);
  const QRect drawn = DrawnArea(drawing);
  std::string error;
  const auto viewBox = [&](const SvgExportOptions& options) {
    const SvgScene scene = SceneSvgText(ctx, options, 200, 200);
    const std::vector<Element> all = ParseSvg(scene.Text, error);
    return all.empty() ? std::string("none") : all.front().Attributes.at("viewBox");
  };
  EXPECT_EQ(viewBox({kExportDrawnArea, -1, false}),
            std::to_string(drawn.x()) + " " + std::to_string(drawn.y()) + " " +
                std::to_string(drawn.width()) + " " + std::to_string(drawn.height()));
  EXPECT_EQ(viewBox({kExportCamera, -1, false}), "5 6 100 80");
  // The hidden object alone, when asked for by its index.
  EXPECT_EQ(viewBox({kExportDrawnArea, 1, false}), "150 160 10 10");
  EXPECT_EQ(SceneSvgText(ctx, {kExportDrawnArea, 2, false}, 200, 200).Result,
            SvgExportResult::NothingSaved);
  UseCamera(ctx, 500, 500, 10, 10);
  EXPECT_EQ(SceneSvgText(ctx, {kExportCamera, -1, false}, 200, 200).Result,
            SvgExportResult::NothingSaved);
  EXPECT_EQ(SvgFileName("a/b.c/x"), "a/b.c/x.svg");
  EXPECT_EQ(SvgFileName("x.svg"), "x.svg");
}

TEST(SvgExport, ShapesAloneKeepTheSceneCoordinatesOverTheirDrawnArea) {
  EditorContext ctx;
  sShape text = MakeShape(kText, 900, 700, 30, 0, test::kOpaqueBlue);
  text.Text = "far";
  sShape line = MakePointShape(kLine, {{-40, -30}, {-10, -30}}, test::kOpaqueRed, kLineStyle);
  line.Width = 2;
  const std::string svg = ShapesSvgText(ctx, {MakeShape(kBox, 300, 400, 20, 10), line, text});
  std::string error;
  const std::vector<Element> all = ParseSvg(svg, error);
  ASSERT_EQ(error, "") << svg;
  ASSERT_FALSE(all.empty());
  const std::string viewBox = all.front().Attributes.at("viewBox");
  // From the line's round end left of -40 to past the text right of 900.
  EXPECT_LT(std::stod(viewBox), -40.0) << viewBox;
  EXPECT_GT(std::stod(viewBox.substr(viewBox.rfind(' '))), 740.0) << viewBox;
  EXPECT_EQ(Named(all, "rect").at(0).Attributes.at("x"), "300");
  EXPECT_EQ(Named(all, "path").at(0).Attributes.at("d"), "M-40 -30 L-10 -30");
  EXPECT_EQ(Named(all, "text").at(0).Attributes.at("x"), "900");
  EXPECT_EQ(ShapesSvgText(ctx, {}), "");
  EXPECT_EQ(ShapesSvgText(ctx, {MakeShape(kRoundBox, 0, 0, 10, 10)}), "");
}

TEST(SvgExportCli, WritesTheFileAndAnswersWithTheExitCodesOfPng) {
  test::ScopedWorkDir dir;
  sObject hidden = MakeObject({MakeShape(kCircle, 50, 50, 10, 10)});
  hidden.Hide = 1;
  ASSERT_TRUE(WriteFileAtomically(
      dir.File("doc.txt"),
      WriteDocumentText({MakeObject({MakeShape(kBox, 10, 20, 40, 30)}), hidden})));

  const test::CliRun drawn = test::RunCli(dir, {"svg", "doc.txt", "out"});
  EXPECT_EQ(drawn.Code, 0) << drawn.Err;
  EXPECT_EQ(drawn.Out, "out.svg\n");
  std::string text;
  ASSERT_TRUE(ReadWholeFile(dir.File("out.svg"), text));
  std::string error;
  const std::vector<Element> all = ParseSvg(text, error);
  ASSERT_EQ(error, "");
  EXPECT_EQ(all.front().Attributes.at("viewBox"), "10 20 40 30");

  const test::CliRun one = test::RunCli(
      dir, {"svg", "doc.txt", "one.svg", "--object", "1", "--area", "drawn", "--text-as-paths"});
  EXPECT_EQ(one.Code, 0) << one.Err;
  ASSERT_TRUE(ReadWholeFile(dir.File("one.svg"), text));
  EXPECT_EQ(Named(ParseSvg(text, error), "ellipse").size(), 1u);

  EXPECT_EQ(test::RunCli(dir, {"svg", "doc.txt", "x", "--area", "all"}).Code, 2);
  EXPECT_EQ(test::RunCli(dir, {"png", "doc.txt", "x", "--text-as-paths"}).Code, 2);
  EXPECT_EQ(test::RunCli(dir, {"svg", "nope.txt", "x"}).Code, 3);
  EXPECT_EQ(test::RunCli(dir, {"svg", "doc.txt", "no/such/folder/x"}).Code, 4);
  const test::CliRun missing = test::RunCli(dir, {"svg", "doc.txt", "x", "--object", "2"});
  EXPECT_EQ(missing.Code, 5);
  EXPECT_NE(missing.Err.find("no object 2"), std::string::npos) << missing.Err;
  EXPECT_FALSE(IsRegularFile(dir.File("x.svg")));
}

}  // namespace
}  // namespace tavisk
