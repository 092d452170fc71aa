// The pick through the hit index agrees with the reference pick (the scene
// walked as a redraw walks it, each path tested while it is built) on
// generated scenes: every shape type, the four styles, linked and hidden
// shapes, effects, object transforms, zooms and pans, with the selection,
// the pick state and the keys drawn at random before each press. Presses
// land on the canvas (a text is outlined only where the canvas shows it) and
// the styles are the four drawn ones (another style leaves its figures to
// the next paint, also across layers, which the index does not follow).
#include <gtest/gtest.h>

#include <QTransform>
#include <random>

#include "edit/press_pick.h"
#include "pick_oracle.h"
#include "render_fixtures.h"

namespace tavisk {
namespace {

constexpr int kCanvasW = 400;
constexpr int kCanvasH = 300;

class Dice {
 public:
  explicit Dice(unsigned seed) : rng_(seed) {}
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(int percent) { return Int(0, 99) < percent; }

 private:
  std::mt19937 rng_;
};

void ScatterPoints(sShape& shape, Dice& dice, int count, int size) {
  shape.Pt.clear();
  for (int k = 0; k < count; ++k) shape.Pt.push_back(sPoint{dice.Int(-size, size), dice.Int(-size, size), 0, 0});
}

// links: whether shapes may pass their figures on to the next.
sShape RandomShape(Dice& dice, int64_t picture, bool links) {
  static const char* const kWords[] = {"O", "Tavisk", "iliad", "W M", "a,b;c"};
  const uint8_t typ = static_cast<uint8_t>(dice.Int(0, 7));
  sShape shape = test::MakeShape(typ, static_cast<int16_t>(dice.Int(-20, 380)),
                                 static_cast<int16_t>(dice.Int(-20, 280)),
                                 static_cast<int16_t>(dice.Int(4, 140) * (dice.Chance(15) ? -1 : 1)),
                                 static_cast<int16_t>(dice.Int(4, 100) * (dice.Chance(15) ? -1 : 1)),
                                 test::kOpaqueBlue, static_cast<uint8_t>(dice.Int(0, 3)));
  shape.Width = static_cast<int16_t>(dice.Int(1, 14));
  shape.Height = static_cast<int16_t>(dice.Int(1, 10));
  shape.Dist = static_cast<int16_t>(dice.Int(1, 10));
  shape.Link = dice.Chance(15) && links ? 1 : 0;
  shape.Hide = dice.Chance(8) ? 1 : 0;
  shape.Close = dice.Chance(50) ? 1 : 0;
  const int size = dice.Int(10, 80);
  switch (typ) {
    case kComplexShape:
      ScatterPoints(shape, dice, 3 * dice.Int(2, 4), size);
      break;
    case kLine:
      ScatterPoints(shape, dice, dice.Int(2, 6), size);
      break;
    case kCurve:
      ScatterPoints(shape, dice, 1 + 3 * dice.Int(1, 2), size);
      break;
    case kImage:
      shape.Image = picture;
      break;
    case kText:
      shape.Text = kWords[dice.Int(0, 4)];
      shape.W = static_cast<int16_t>(dice.Int(12, 60));
      break;
    default:
      break;
  }
  if (dice.Chance(25)) {
    shape.Fx = {test::MakeFx(static_cast<int16_t>(dice.Int(-10, 10)), static_cast<int16_t>(dice.Int(-10, 10)),
                             static_cast<int16_t>(dice.Int(50, 150)), static_cast<uint8_t>(dice.Int(0, 1)),
                             test::kOpaqueGreen, static_cast<uint8_t>(dice.Int(0, 3)))};
  }
  return shape;
}

void GenerateScene(EditorContext& ctx, Dice& dice, bool links) {
  QImage picture(8, 8, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::red);
  const int64_t handle = ctx.Pictures.Add(picture);
  std::vector<sObject> objects;
  const int count = dice.Int(1, 3);
  for (int o = 0; o < count; ++o) {
    std::vector<sShape> shapes;
    const int n = dice.Int(12, 30);
    for (int s = 0; s < n; ++s) shapes.push_back(RandomShape(dice, handle, links));
    sObject object = test::MakeObject(std::move(shapes));
    static const int16_t kScales[] = {100, 100, 50, 150, 200, -100};
    object.W = kScales[dice.Int(0, 5)];
    object.H = dice.Chance(60) ? object.W : kScales[dice.Int(0, 5)];
    object.Angle = static_cast<int16_t>(dice.Chance(50) ? 0 : dice.Int(-180, 180));
    object.CenterX = static_cast<int16_t>(dice.Int(0, 300));
    object.CenterY = static_cast<int16_t>(dice.Int(0, 200));
    object.X = dice.Int(-40, 40);
    object.Y = dice.Int(-40, 40);
    object.Hide = dice.Chance(10) ? 1 : 0;
    objects.push_back(std::move(object));
  }
  test::PrepareEditor(ctx, std::move(objects));
  ctx.CurrentObject = dice.Int(0, count - 1);
  static const int64_t kZooms[] = {100, 50, 200, 75, 150, 33};
  ctx.Options.Zoom = kZooms[dice.Int(0, 5)];
}

// What a press starts from: a selection, a current shape, the pick and drag
// of the gesture and the keys.
void RandomPressState(EditorContext& ctx, CanvasView& view, Dice& dice) {
  sObject& object = ctx.Obj[static_cast<size_t>(ctx.CurrentObject)];
  for (sShape& shape : object.Shape) shape.Selected = dice.Chance(30) ? 1 : 0;
  ctx.CurrentShape = dice.Int(-1, static_cast<int>(LastIndex(object.Shape)));
  ctx.Options.ShowOnlySel = dice.Chance(8) ? 1 : 0;
  const int pick = dice.Int(0, 9);
  view.Pick = pick < 8 ? PickState::Open : pick == 8 ? PickState::Hit : PickState::Settled;
  const int drag = dice.Int(0, 9);
  view.Drag = drag < 8 ? DragMode::None : drag == 8 ? DragMode::Shapes : DragMode::Point;
  view.ShiftHeld = dice.Chance(20);
  view.SelectTool = dice.Chance(50);
  view.CreateMode = dice.Chance(4);
}

// An edit between presses: a shape moved, linked or hidden, so the index
// builds some shapes again and keeps the rest.
void RandomEdit(EditorContext& ctx, Dice& dice, bool links) {
  sObject& object = ctx.Obj[static_cast<size_t>(ctx.CurrentObject)];
  sShape& shape = object.Shape[static_cast<size_t>(dice.Int(0, static_cast<int>(LastIndex(object.Shape))))];
  switch (dice.Int(0, 2)) {
    case 0:
      shape.X = static_cast<int16_t>(shape.X + dice.Int(-30, 30));
      break;
    case 1:
      if (links) shape.Link = shape.Link != 0 ? 0 : 1;
      break;
    default:
      shape.Hide = shape.Hide != 0 ? 0 : 1;
      break;
  }
}

// A pointer position in the current object's units whose device pixel lies
// on the canvas, or false.
bool RandomPointer(const EditorContext& ctx, const CanvasView& view, Dice& dice, int64_t& x,
                   int64_t& y) {
  const sObject& object = ctx.Obj[static_cast<size_t>(ctx.CurrentObject)];
  const double zoom = ZoomFactor(ctx.Options);
  QTransform t = QTransform::fromScale(zoom, zoom);
  t.scale(object.W * 0.01, object.H * 0.01);
  t.translate(object.CenterX, object.CenterY);
  t.rotate(object.Angle);
  t.translate(-object.CenterX, -object.CenterY);
  t.translate(static_cast<double>(object.X), static_cast<double>(object.Y));
  bool invertible = false;
  const QTransform inverse = t.inverted(&invertible);
  if (!invertible) return false;
  const QPointF user = inverse.map(QPointF(dice.Int(0, kCanvasW - 1), dice.Int(0, kCanvasH - 1)));
  x = std::llround(user.x()) + view.PanX;
  y = std::llround(user.y()) + view.PanY;
  const QPointF device = t.map(QPointF(static_cast<double>(x - view.PanX), static_cast<double>(y - view.PanY)));
  return device.x() >= 0 && device.y() >= 0 && device.x() < kCanvasW && device.y() < kCanvasH;
}

std::vector<uint8_t> SelectedOf(const EditorContext& ctx) {
  std::vector<uint8_t> selected;
  for (const sShape& shape : ctx.Obj[static_cast<size_t>(ctx.CurrentObject)].Shape) {
    selected.push_back(shape.Selected);
  }
  return selected;
}

// An index told of edits is told after each one, as the editor's is.
// Without links the index builds nearly every path only when a press
// needs it.
void ExpectAgreement(ShapeHitIndex::Edits edits, bool links = true) {
  QImage canvas = test::MakeCanvas(kCanvasW, kCanvasH);
  int presses = 0;
  int picked = 0;
  for (unsigned seed = 1; seed <= 8; ++seed) {
    Dice dice(seed);
    EditorContext live;
    test::PickHooks hooks(live, edits);
    live.Hooks = &hooks;
    CanvasView view;
    GenerateScene(live, dice, links);
    for (int k = 0; k < 1300; ++k) {
      if (k % 40 == 39) {
        RandomEdit(live, dice, links);
        hooks.SceneEdited();
      }
      view.PanX = static_cast<int16_t>(dice.Int(-60, 60));
      view.PanY = static_cast<int16_t>(dice.Int(-60, 60));
      RandomPressState(live, view, dice);
      int64_t x = 0;
      int64_t y = 0;
      if (!RandomPointer(live, view, dice, x, y)) continue;
      const bool settledBefore = view.Pick == PickState::Settled;
      EditorContext reference = live;
      CanvasView referenceView = view;
      test::ReferencePick(reference, referenceView).Run(canvas, x, y);
      RunPick(live, view, x, y);
      ++presses;
      SCOPED_TRACE("seed " + std::to_string(seed) + " press " + std::to_string(k) + " at " +
                   std::to_string(x) + ", " + std::to_string(y));
      ASSERT_EQ(live.CurrentShape, reference.CurrentShape);
      ASSERT_EQ(SelectedOf(live), SelectedOf(reference));
      ASSERT_EQ(view.Pick, referenceView.Pick);
      ASSERT_EQ(view.Drag, referenceView.Drag);
      if (!settledBefore && view.Pick == PickState::Settled) ++picked;
    }
  }
  EXPECT_GE(presses, 10000);
  EXPECT_GE(picked, presses / 5) << "the presses must pick often enough to compare something";
}

TEST(HitAgreementTest, TheIndexedPickAgreesWithTheReferencePickOnGeneratedScenes) {
  ExpectAgreement(ShapeHitIndex::Edits::kFound);
}

TEST(HitAgreementTest, AnIndexToldOfEditsAgreesAsWell) {
  ExpectAgreement(ShapeHitIndex::Edits::kTold);
}

TEST(HitAgreementTest, PathsBuiltAtTheFirstPressThatNeedsThemAgree) {
  ExpectAgreement(ShapeHitIndex::Edits::kTold, false);
}

}  // namespace
}  // namespace tavisk
