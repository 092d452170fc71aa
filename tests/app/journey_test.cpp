// One drawing session as a user lives it, through the real window: every
// creation tool, the panels, layers, snap, copy and paste, an effect preset,
// then save, new, load, merge and export. Positions come from a fixed seed,
// so a failure is the same on every run; the seed is in the failure text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <random>

#include "app/main_window.h"
#include "app/menu_table.h"
#include "document/numeric.h"
#include "edit/gadget_ids.h"
#include "editor_fixture.h"
#include "platform/file_io.h"
#include "platform/picture_decoder.h"
#include "platform/png_writer.h"

namespace tavisk {
namespace {

constexpr unsigned kSeed = 20261208;

// What identifies a shape across a save and a load.
struct ShapeFacts {
  std::string name;
  int typ, x, y, w, h;
  int64_t color;
  size_t points, effects;
  bool operator==(const ShapeFacts&) const = default;
};

std::vector<ShapeFacts> FactsOf(const sObject& object) {
  std::vector<ShapeFacts> facts;
  if (object.HasShape == 0) return facts;
  for (const sShape& s : object.Shape) {
    facts.push_back({s.Name, s.Typ, s.X, s.Y, s.W, s.H, s.Color, s.Pt.size(), s.Fx.size()});
  }
  return facts;
}

class JourneyTest : public test::EditorTest {
 protected:
  int Draw(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

  void Choose(int gadget, int index) {
    auto* combo = as<QComboBox>(gadget);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  void TypeName(const QString& name) {
    auto* field = as<QLineEdit>(kGadgetShapeName);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, name);
  }
  sObject& Layer(int i) { return ctx().Obj[static_cast<size_t>(i)]; }
  sShape& Current() { return *ctx().CurrentShapePtr(); }

  std::mt19937 random_{kSeed};
};

int CountColour(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

TEST_F(JourneyTest, AWholeDrawingSessionSurvivesSaveLoadMergeAndExport) {
  SCOPED_TRACE("seed " + std::to_string(kSeed));
  ASSERT_TRUE(WritePng("photo.png", QImage(12, 9, QImage::Format_ARGB32)));

  // Every creation tool, at drawn places.
  ClickTool(kGadgetToolComplexShape);
  Drag(At(Draw(300, 400), Draw(200, 300)), At(Draw(300, 400), Draw(200, 300)));
  ASSERT_EQ(Current().Typ, kComplexShape);
  const int bx = Draw(40, 120), by = Draw(40, 120), bw = Draw(40, 90), bh = Draw(30, 80);
  MakeShape(kGadgetToolBox, At(bx, by), At(bx + bw, by + bh));
  const int64_t boxIndex = ctx().CurrentShape;
  EXPECT_EQ(Current().W, bw);
  EXPECT_EQ(Current().H, bh);
  MakeShape(kGadgetToolCircle, At(Draw(200, 260), Draw(60, 120)), At(Draw(270, 300), Draw(130, 160)));
  EXPECT_EQ(Current().Typ, kCircle);
  MakeShape(kGadgetToolLine, At(Draw(20, 60), Draw(300, 340)), At(Draw(100, 160), Draw(300, 340)));
  EXPECT_EQ(Current().Pt.size(), 2u);
  MakeShape(kGadgetToolCurve, At(Draw(400, 460), Draw(60, 100)), At(Draw(480, 520), Draw(120, 160)));
  EXPECT_EQ(Current().Pt.size(), 4u);
  requesters_.InputAnswers.push_back("Hello");
  MakeShape(kGadgetToolText, At(Draw(200, 260), Draw(300, 340)), At(Draw(280, 320), Draw(330, 360)));
  ClickGadget(kGadgetShapeText);
  EXPECT_EQ(Current().Text, "Hello");
  requesters_.FileAnswers.push_back("photo.png");
  MakeShape(kGadgetToolImage, At(Draw(500, 540), Draw(300, 340)), At(Draw(500, 540), Draw(300, 340)));
  EXPECT_EQ(Current().Typ, kImage);
  EXPECT_EQ(Current().W, 12);

  // The panels: the box gets a name, a colour, a dashed style and a second
  // effect.
  ClickTool(kGadgetToolSelect);
  Drag(At(bx + bw / 2, by + bh / 2), At(bx + bw / 2, by + bh / 2));
  ASSERT_EQ(ctx().CurrentShape, boxIndex);
  TypeName("Roof");
  requesters_.ColorAnswers.push_back(RGBA(10, 200, 30, 0));
  ClickGadget(kGadgetShapeColor);
  EXPECT_EQ(Current().Name, "Roof");
  EXPECT_EQ(Current().Color, RGBA(10, 200, 30, 255));
  ClickGadget(kGadgetFxAdd);
  EXPECT_EQ(Current().Fx.size(), 2u);
  as<QSpinBox>(kGadgetFxX)->setValue(4);
  EXPECT_EQ(Current().Fx[1].X, 4);

  // Snap on: the box lands on the grid; off again: it follows the pointer.
  auto* snap = qobject_cast<QAbstractButton*>(ToolbarGadget(session_->window->Toolbar(), kGadgetSnap));
  ASSERT_NE(snap, nullptr);
  snap->click();
  ASSERT_EQ(ctx().Options.Snap, 1);
  ClickTool(kGadgetToolMove);
  const int dx = Draw(20, 60), dy = Draw(20, 60);
  Drag(At(bx + 5, by + 5), At(bx + 5 + dx, by + 5 + dy));
  EXPECT_EQ(Current().X % ctx().Options.SnapX, 0);
  EXPECT_EQ(Current().Y % ctx().Options.SnapY, 0);
  snap->click();
  ASSERT_EQ(ctx().Options.Snap, 0);
  const int boxX = Current().X, boxY = Current().Y;
  Drag(At(boxX + 5, boxY + 5), At(boxX + 12, boxY + 8));
  EXPECT_EQ(Current().X, boxX + 7);
  EXPECT_EQ(Current().Y, boxY + 3);

  // An effect preset saved from the box and applied to the circle.
  requesters_.InputAnswers.push_back("journey-rim");
  ClickGadget(kGadgetFxPresetSave);
  EXPECT_TRUE(IsRegularFile("data/shapefx/journey-rim.sfx"));
  const int64_t boxFxX = Current().Fx[static_cast<size_t>(ctx().CurrentFx)].X;

  // Copy and paste: the copy lands under the pointer.
  Menu(kMenuCopyShape);
  const size_t shapesBeforePaste = Layer(0).Shape.size();
  const QPoint pasteAt = At(Draw(560, 620), Draw(400, 460));
  QTest::mouseMove(canvas(), pasteAt);
  Menu(kMenuPaste);
  const int64_t pasted = ctx().CurrentShape;
  EXPECT_EQ(Current().Name.rfind("Shape_", 0), 0u);
  EXPECT_EQ(Current().X, pasteAt.x() - At(0, 0).x());
  EXPECT_EQ(Current().Y, pasteAt.y() - At(0, 0).y());
  EXPECT_EQ(Current().Color, RGBA(10, 200, 30, 255));

  // A second layer with a circle, hidden before the export.
  ClickGadget(kGadgetObjectAdd);
  ASSERT_EQ(ctx().CurrentObject, 1);
  MakeShape(kGadgetToolCircle, At(Draw(100, 200), Draw(400, 450)), At(Draw(220, 260), Draw(470, 500)));
  requesters_.ColorAnswers.push_back(RGBA(250, 0, 250, 0));
  ClickGadget(kGadgetShapeColor);
  Choose(kGadgetFxPresets, as<QComboBox>(kGadgetFxPresets)->findText("journey-rim"));
  EXPECT_EQ(Current().Fx[static_cast<size_t>(ctx().CurrentFx)].X, boxFxX);
  EXPECT_EQ(Layer(1).Shape.size(), 1u);

  // Save, start anew, load it back, then merge it once more.
  requesters_.FileAnswers.push_back("journey.txt");
  Menu(kMenuSave);
  ASSERT_TRUE(IsRegularFile("journey.txt"));
  const std::vector<ShapeFacts> first = FactsOf(Layer(0));
  const std::vector<ShapeFacts> second = FactsOf(Layer(1));
  ASSERT_EQ(first.size(), shapesBeforePaste + 1);
  EXPECT_EQ(first[static_cast<size_t>(pasted)].color, RGBA(10, 200, 30, 255));

  Menu(kMenuNewDocument);
  EXPECT_TRUE(FactsOf(Layer(0)).empty());
  requesters_.FileAnswers.push_back("journey.txt");
  Menu(kMenuLoadDocument);
  ASSERT_EQ(ctx().Obj.size(), 2u);
  EXPECT_EQ(FactsOf(Layer(0)), first);
  EXPECT_EQ(FactsOf(Layer(1)), second);

  requesters_.FileAnswers.push_back("journey.txt");
  Menu(kMenuMerge);
  ASSERT_EQ(ctx().Obj.size(), 4u);
  EXPECT_EQ(FactsOf(Layer(2)), first);
  EXPECT_EQ(FactsOf(Layer(3)), second);

  // The export holds the green box and its pasted copy, not the hidden
  // magenta circles.
  Layer(1).Hide = 1;
  Layer(3).Hide = 1;
  requesters_.FileAnswers.push_back("journey.png");
  Menu(kMenuExportDrawnArea);
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile("journey.png", bytes));
  const QImage exported = DecodePicture(bytes);
  ASSERT_FALSE(exported.isNull());
  const QRgb green = qRgba(10, 200, 30, 255);
  EXPECT_GE(CountColour(exported, green), bw * bh);
  EXPECT_EQ(CountColour(exported, qRgba(250, 0, 250, 255)), 0);
}

}  // namespace
}  // namespace tavisk
