// Every scalable Adwaita icon imports; those without gradients look, once
// imported and drawn by the image export, as rsvg-convert draws them.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "document/editor_context.h"
#include "io/svg/svg_reader.h"
#include "platform/file_io.h"
#include "platform/png_decoder.h"
#include "render/image_export.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

constexpr int kSide = 128;
constexpr size_t kColumns = 6;
const char* const kIconRoot = "/usr/share/icons/Adwaita";

std::vector<std::string> ScalableIcons() {
  std::vector<std::string> files;
  QDirIterator folders(kIconRoot, {"scalable*"}, QDir::Dirs | QDir::NoDotAndDotDot);
  while (folders.hasNext()) {
    QDirIterator icons(folders.next(), {"*.svg"}, QDir::Files, QDirIterator::Subdirectories);
    while (icons.hasNext()) files.push_back(icons.next().toStdString());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Ink: pixels more than half opaque.
bool Ink(const QImage& image, int x, int y) {
  return qAlpha(image.pixel(x, y)) > 127;
}

double InkIntersectionOverUnion(const QImage& a, const QImage& b) {
  int64_t both = 0, either = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const bool inA = Ink(a, x, y), inB = Ink(b, x, y);
      both += inA && inB;
      either += inA || inB;
    }
  }
  return either == 0 ? 1.0 : static_cast<double>(both) / static_cast<double>(either);
}

QImage Imported(const SvgReadResult& read) {
  EditorContext ctx;
  ctx.Obj = {read.Layer};
  QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  PaintSceneForExport(ctx, image);
  return image;
}

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// The icon's text with its root placed at (x, y) and sized to a cell.
std::string InCell(const std::string& icon, size_t x, size_t y, double width, double height) {
  std::smatch root;
  const std::regex rootTag("<svg\\b[^>]*>");
  if (!std::regex_search(icon, root, rootTag)) return "";
  std::string tag = std::regex_replace(root.str(), std::regex("\\s(width|height)=\"[^\"]*\""), "");
  std::string placed = " x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
                       std::to_string(kSide) + "\" height=\"" + std::to_string(kSide) +
                       "\" preserveAspectRatio=\"none\"";
  if (tag.find("viewBox") == std::string::npos) {
    placed += " viewBox=\"0 0 " + std::to_string(width) + " " + std::to_string(height) + "\"";
  }
  tag.insert(4, placed);
  return tag + icon.substr(static_cast<size_t>(root.position() + root.length()));
}

struct Compared {
  std::string file;
  SvgReadResult read;
  double iou = 0;
};

TEST(SvgAdwaitaIconsTest, EveryIconImportsAndThoseWithoutGradientsMatchAnIndependentRenderer) {
  const std::vector<std::string> icons = ScalableIcons();
  if (icons.empty()) GTEST_SKIP() << "no Adwaita icons under " << kIconRoot;
  if (std::system("rsvg-convert --version > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "no rsvg-convert";
  test::ScopedWorkDir dir;
  const auto start = std::chrono::steady_clock::now();

  // Icons drawn by rsvg-convert in grids of kColumns x kColumns: each icon's
  // root made a nested <svg> filling its cell, stretched as -w and -h
  // stretch it. One process per icon would take a minute; one grid for all
  // is slow too, as group opacities and masks draw on layers of the whole
  // picture.
  std::vector<Compared> compared;
  std::vector<std::string> cells;
  size_t read = 0;
  for (const std::string& file : icons) {
    std::string text;
    ASSERT_TRUE(ReadWholeFile(file, text)) << file;
    SvgReadResult result = ReadSvgText(text);
    const double width = result.Width, height = result.Height;
    if (result.Read && width > 0) {
      SvgImportOptions options;
      options.Scale = kSide / width;
      result = ReadSvgText(text, options);
    }
    read += result.Read;
    if (!result.Read || text.find("Gradient") != std::string::npos) continue;
    const size_t cell = compared.size() % (kColumns * kColumns);
    cells.push_back(
        InCell(text, kSide * (cell % kColumns), kSide * (cell / kColumns), width, height));
    compared.push_back({file, std::move(result), 0});
  }
  ASSERT_FALSE(compared.empty());
  std::vector<QImage> grids;
  for (size_t first = 0; first < cells.size(); first += kColumns * kColumns) {
    std::string grid = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                       std::to_string(kSide * kColumns) + "\" height=\"" +
                       std::to_string(kSide * kColumns) + "\">\n";
    for (size_t i = first; i < std::min(cells.size(), first + kColumns * kColumns); ++i) {
      grid += cells[i] + "\n";
    }
    ASSERT_TRUE(WriteFileAtomically(dir.File("grid.svg"), grid + "</svg>\n"));
    ASSERT_EQ(std::system(("rsvg-convert -o " + Quoted(dir.File("grid.png")) + " " +
                           Quoted(dir.File("grid.svg")))
                              .c_str()),
              0);
    std::string png;
    ASSERT_TRUE(ReadWholeFile(dir.File("grid.png"), png));
    grids.push_back(DecodePng(png).convertToFormat(QImage::Format_ARGB32));
    ASSERT_EQ(grids.back().size(), QSize(kSide * kColumns, kSide * kColumns));
  }

  std::vector<double> scores;
  std::string failures;
  for (size_t i = 0; i < compared.size(); ++i) {
    const size_t cell = i % (kColumns * kColumns);
    const QImage reference = grids[i / (kColumns * kColumns)].copy(
        static_cast<int>(cell % kColumns) * kSide, static_cast<int>(cell / kColumns) * kSide, kSide,
        kSide);
    const double iou = InkIntersectionOverUnion(Imported(compared[i].read), reference);
    scores.push_back(iou);
    if (iou < 0.95) failures += "  " + compared[i].file + " " + std::to_string(iou) + "\n";
  }
  std::vector<double> sorted = scores;
  std::sort(sorted.begin(), sorted.end());
  const double good = static_cast<double>(std::count_if(scores.begin(), scores.end(),
                                                        [](double s) { return s >= 0.95; })) /
                      static_cast<double>(scores.size());
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf(
      "Adwaita: %zu icons, %zu imported; %zu without gradients compared, %.1f %% with "
      "IoU >= 0.95, median IoU %.4f, %.1f s\n%s",
      icons.size(), read, scores.size(), 100 * good, sorted[sorted.size() / 2], seconds,
      failures.c_str());
  EXPECT_EQ(read, icons.size());
  EXPECT_GE(good, 0.90);
}

}  // namespace
}  // namespace tavisk
