#include <gtest/gtest.h>

#include "document/complex_chain.h"
#include "document/numeric.h"
#include "edit/gadget_ids.h"
#include "edit/panel_events.h"
#include "edit/property_sync.h"
#include "platform/scripted_requesters.h"
#include "support/fake_gadgets.h"

namespace tavisk {
namespace {

class CountingHooks : public EditorHooks {
 public:
  int redraws = 0;
  void RedrawCanvas() override { ++redraws; }
};

// One object with a box and a text, the text current.
struct PanelFixture {
  EditorContext ctx;
  test::FakeGadgets gadgets;
  ScriptedRequesters requesters;
  CountingHooks hooks;

  PanelFixture() {
    ctx.Req = &requesters;
    ctx.Hooks = &hooks;
    sObject& object = ctx.Obj[0];
    object.HasShape = 1;
    object.W = 100;
    object.H = 100;
    object.Shape.resize(2);
    object.Shape[0].Typ = kBox;
    object.Shape[0].Name = "Box_0";
    object.Shape[1].Typ = kText;
    object.Shape[1].Name = "Text_1";
    object.Shape[1].Text = "Hello";
    object.Shape[1].Alpha = 255;
    object.Shape[1].Color = RGBA(10, 20, 30, 255);
    object.Shape[1].Fx[0].Color = RGBA(1, 2, 3, 255);
    ctx.ObjReady = 1;
    ctx.CurrentShape = 1;
  }
  sShape& Current() { return ctx.Obj[0].Shape[1]; }
  void Edit(int gadget, int64_t value) {
    gadgets.SetState(gadget, value);
    HandlePanelEvent(ctx, gadgets, gadget);
  }
};

TEST(PropertySync, ShowShapePropertiesFillsTheGadgetsFromTheRecords) {
  PanelFixture f;
  sShape& shape = f.Current();
  shape.X = 12;
  shape.Y = -7;
  shape.W = 30;
  shape.Style = kDash;
  shape.Width = 4;
  shape.CX = 5;
  shape.Locked = 1;
  f.ctx.Obj[0].X = 40;
  f.ctx.CurrentFx = 9;  // beyond the last Fx
  shape.Fx[0].Scale = 150;
  shape.Fx[0].Width = 0;
  for (int g = kFirstPropertyGadget; g <= kLastPropertyGadget; ++g) f.gadgets.SetEnabled(g, false);

  ShowShapeProperties(f.ctx, f.gadgets);
  EXPECT_EQ(f.gadgets.Text(kGadgetShapeName), "Text_1");
  EXPECT_EQ(f.gadgets.State(kGadgetShapeX), 12);
  EXPECT_EQ(f.gadgets.State(kGadgetShapeY), -7);
  EXPECT_EQ(f.gadgets.State(kGadgetShapeW), 30);
  EXPECT_EQ(f.gadgets.State(kGadgetShapeStyle), kDash);
  EXPECT_EQ(f.gadgets.State(kGadgetShapeWidth), 4);
  EXPECT_EQ(f.gadgets.State(kGadgetShapeCX), 5);
  EXPECT_EQ(f.gadgets.State(kGadgetShapeLock), 1);
  EXPECT_EQ(f.gadgets.State(kGadgetShapeAlpha), 255);
  EXPECT_EQ(f.gadgets.State(kGadgetObjectX), 40);
  EXPECT_EQ(f.gadgets.State(kGadgetObjectW), 100);
  // A current Fx past the end shows Fx 0, whose zero width shows as 1; the
  // record is left as it is, since showing it is no edit.
  EXPECT_EQ(f.ctx.CurrentFx, 0);
  EXPECT_EQ(f.gadgets.State(kGadgetFxScale), 150);
  EXPECT_EQ(shape.Fx[0].Width, 0);
  EXPECT_EQ(f.gadgets.State(kGadgetFxWidth), 1);
  EXPECT_TRUE(f.gadgets.entries[kGadgetShapeX].enabled);
  EXPECT_TRUE(f.gadgets.entries[kGadgetShapeText].visible);
  EXPECT_TRUE(f.gadgets.entries[kGadgetShapeFont].visible);

  f.ctx.CurrentShape = 0;
  ShowShapeProperties(f.ctx, f.gadgets);
  EXPECT_FALSE(f.gadgets.entries[kGadgetShapeText].visible);
  EXPECT_FALSE(f.gadgets.entries[kGadgetShapeFont].visible);

  // An index past the shapes is lowered to the last one.
  f.ctx.CurrentShape = 5;
  SetPropertyGadgetsDisabled(f.ctx, f.gadgets, 1);
  EXPECT_EQ(f.ctx.CurrentShape, 1);
  EXPECT_FALSE(f.gadgets.entries[kGadgetShapeX].enabled);
  EXPECT_TRUE(f.gadgets.entries[kGadgetObjectX].enabled);  // the right panel stays
}

TEST(PropertySync, ListsFollowTheCurrentObjectAndShape) {
  PanelFixture f;
  f.Current().Fx.resize(2);
  f.Current().Fx[1].Name = "glow";
  FillShapeList(f.ctx, f.gadgets);
  EXPECT_EQ(f.gadgets.entries[kGadgetShapeList].items,
            (std::vector<std::string>{"Box_0", "Text_1"}));
  FillFxList(f.ctx, f.gadgets);
  EXPECT_EQ(f.gadgets.entries[kGadgetFxList].items.size(), 2u);
  EXPECT_EQ(f.gadgets.entries[kGadgetFxList].items[1], "glow");
  f.ctx.Obj[0].HasShape = 0;  // only the placeholder of a deleted last shape
  FillShapeList(f.ctx, f.gadgets);
  EXPECT_TRUE(f.gadgets.entries[kGadgetShapeList].items.empty());
}

TEST(PanelEvents, EditsWriteTheirFieldsAndPairsTogether) {
  PanelFixture f;
  f.gadgets.SetState(kGadgetShapeY, 33);
  f.Edit(kGadgetShapeX, 21);
  EXPECT_EQ(f.Current().X, 21);
  EXPECT_EQ(f.Current().Y, 33);  // the pair is read together
  f.gadgets.SetState(kGadgetShapeHeight, 0);
  f.gadgets.SetState(kGadgetShapeDist, 7);
  f.Edit(kGadgetShapeWidth, 0);
  EXPECT_EQ(f.Current().Width, 1);
  EXPECT_EQ(f.Current().Height, 1);
  EXPECT_EQ(f.Current().Dist, 7);
  f.Edit(kGadgetShapeAlpha, 128);
  EXPECT_EQ(f.Current().Alpha, 128);
  EXPECT_EQ(f.Current().Color, RGBA(10, 20, 30, 128));
  f.Edit(kGadgetFxAlpha, 64);
  EXPECT_EQ(f.Current().Fx[0].Color, RGBA(1, 2, 3, 64));
  f.gadgets.SetState(kGadgetFxHeight, -3);
  f.Edit(kGadgetFxDist, 0);
  EXPECT_EQ(f.Current().Fx[0].Height, 1);
  EXPECT_EQ(f.Current().Fx[0].Dist, 1);
  f.Edit(kGadgetShapeHide, 1);
  EXPECT_EQ(f.Current().Hide, 1);
  const int redrawsBefore = f.hooks.redraws;
  f.Edit(kGadgetCheckerBg, 1);
  EXPECT_EQ(f.ctx.Options.BgImg, 1);
  // The options are outside the document: no edit announces them.
  EXPECT_EQ(f.hooks.redraws, redrawsBefore + 1);

  // Without a current shape, shape edits are ignored.
  f.ctx.CurrentShape = -1;
  f.Edit(kGadgetShapeX, 99);
  EXPECT_EQ(f.ctx.Obj[0].Shape[1].X, 21);
}

// A point chosen without a drag: the spins show it, so typing one of its
// coordinates keeps the other where it was.
TEST(PanelEvents, TypingOnePointCoordinateKeepsTheOther) {
  PanelFixture f;
  f.Current().Pt = {{5, 6, 0, 0}, {40, 70, 0, 0}};
  f.gadgets.SetState(kGadgetPointX, 0);
  f.gadgets.SetState(kGadgetPointY, 0);
  f.ctx.CurrentPoint = 1;
  ShowShapeProperties(f.ctx, f.gadgets);
  f.Edit(kGadgetPointX, 45);
  EXPECT_EQ(f.Current().Pt[1].X, 45);
  EXPECT_EQ(f.Current().Pt[1].Y, 70);
}

// "Close" shows and sets a line's flag, and opens and closes a complex
// shape's chain, which has no flag of its own.
TEST(PanelEvents, CloseFollowsTheShapeAndOpensAComplexChain) {
  PanelFixture f;
  f.Current().Typ = kLine;
  f.Current().Close = 1;
  ShowShapeProperties(f.ctx, f.gadgets);
  EXPECT_EQ(f.gadgets.State(kGadgetShapeClose), 1);
  f.Edit(kGadgetShapeClose, 0);
  EXPECT_EQ(f.Current().Close, 0);

  f.Current().Typ = kComplexShape;
  f.Current().Pt = {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {30, 10}, {30, 20}};
  ShowShapeProperties(f.ctx, f.gadgets);
  EXPECT_EQ(f.gadgets.State(kGadgetShapeClose), 1);
  f.Edit(kGadgetShapeClose, 0);
  EXPECT_TRUE(ComplexChainIsOpen(f.Current().Pt));
  ShowShapeProperties(f.ctx, f.gadgets);
  EXPECT_EQ(f.gadgets.State(kGadgetShapeClose), 0);
  f.Edit(kGadgetShapeClose, 1);
  EXPECT_FALSE(ComplexChainIsOpen(f.Current().Pt));
  EXPECT_EQ(f.Current().Pt.size(), 6u);
}

TEST(PanelEvents, CancelledDialogsKeepWhatWasThere) {
  PanelFixture f;
  const int64_t before = f.Current().Color;
  HandlePanelEvent(f.ctx, f.gadgets, kGadgetShapeColor);  // no answer: cancelled
  EXPECT_EQ(f.Current().Color, before);
  HandlePanelEvent(f.ctx, f.gadgets, kGadgetShapeText);
  EXPECT_EQ(f.Current().Text, "Hello");

  f.requesters.ColorAnswers.push_back(RGBA(200, 100, 50, 0));
  HandlePanelEvent(f.ctx, f.gadgets, kGadgetShapeColor);
  EXPECT_EQ(f.Current().Color, RGBA(200, 100, 50, 255));
  f.requesters.ColorAnswers.push_back(RGBA(1, 1, 1, 0));
  HandlePanelEvent(f.ctx, f.gadgets, kGadgetColorBg);
  EXPECT_EQ(f.ctx.Options.BgColor, RGBA(1, 1, 1, 255));
}

TEST(PanelEvents, TypedTextCannotBreakTheDocumentFields) {
  PanelFixture f;
  f.gadgets.SetText(kGadgetShapeName, "a,b");
  HandlePanelEvent(f.ctx, f.gadgets, kGadgetShapeName);
  EXPECT_EQ(f.Current().Name.find(','), std::string::npos);
  EXPECT_EQ(f.gadgets.Text(kGadgetShapeName), f.Current().Name);
  f.requesters.InputAnswers.push_back("x;y,z");
  HandlePanelEvent(f.ctx, f.gadgets, kGadgetShapeText);
  EXPECT_EQ(f.Current().Text.find_first_of(",;"), std::string::npos);
}

TEST(PanelEvents, ShapeListChoiceCopiesTheSelection) {
  PanelFixture f;
  FillShapeList(f.ctx, f.gadgets);
  // The list shows the current text chosen; the user chooses the box alone.
  EXPECT_TRUE(f.gadgets.ItemSelected(kGadgetShapeList, 1));
  f.gadgets.SelectItems(kGadgetShapeList, {true, false});
  f.gadgets.SetState(kGadgetShapeList, 0);
  f.ctx.CurrentFx = 3;
  HandlePanelEvent(f.ctx, f.gadgets, kGadgetShapeList);
  EXPECT_EQ(f.ctx.CurrentShape, 0);
  EXPECT_EQ(f.ctx.CurrentFx, 0);
  EXPECT_EQ(f.ctx.Obj[0].Shape[0].Selected, 1);
  EXPECT_EQ(f.ctx.Obj[0].Shape[1].Selected, 0);

  // An added Fx becomes current with its defaults, inactive.
  HandlePanelEvent(f.ctx, f.gadgets, kGadgetFxAdd);
  ASSERT_EQ(f.ctx.Obj[0].Shape[0].Fx.size(), 2u);
  EXPECT_EQ(f.ctx.CurrentFx, 1);
  EXPECT_EQ(f.ctx.Obj[0].Shape[0].Fx[1].Name, "FX_1");
  EXPECT_EQ(f.ctx.Obj[0].Shape[0].Fx[1].Actif, 0);
}

}  // namespace
}  // namespace tavisk
