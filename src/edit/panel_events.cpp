#include "edit/panel_events.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

#include "document/field_text.h"
#include "document/numeric.h"
#include "document/object_creation.h"
#include "edit/fx_presets.h"
#include "edit/gadget_ids.h"
#include "edit/object_operations.h"
#include "edit/path_closing.h"
#include "edit/property_sync.h"
#include "edit/shape_creation.h"
#include "edit/shape_operations.h"
#include "edit/shape_template.h"

namespace tavisk {

namespace {

using Handler = std::function<void(EditorContext&, Gadgets&, const PanelEvent&)>;

// The options are not the document: their changes are shown here, while the
// edit history announces every change to the document.
void RedrawForOptions(EditorContext& ctx) { ctx.Hooks->RedrawCanvas(); }

int64_t AtLeastOne(int64_t value) { return std::max<int64_t>(value, 1); }

// A handler that edits the current shape; nothing without one.
Handler OnShape(std::function<void(sShape&, Gadgets&)> edit) {
  return [edit](EditorContext& ctx, Gadgets& g, const PanelEvent&) {
    if (sShape* shape = ctx.CurrentShapePtr()) edit(*shape, g);
  };
}

// The same for the current Fx of the current shape.
Handler OnFx(std::function<void(sShapeFx&, Gadgets&)> edit) {
  return [edit](EditorContext& ctx, Gadgets& g, const PanelEvent&) {
    if (sShapeFx* fx = ctx.CurrentFxPtr()) edit(*fx, g);
  };
}

Handler OnObject(std::function<void(sObject&, Gadgets&)> edit) {
  return [edit](EditorContext& ctx, Gadgets& g, const PanelEvent&) {
    if (sObject* object = ctx.CurrentObjectPtr()) edit(*object, g);
  };
}

// A colour dialog's answer with the alpha kept; a cancelled dialog keeps the
// colour as it was.
bool AskColor(EditorContext& ctx, int64_t& color, int alpha) {
  const int64_t chosen = ctx.Req->Color(color);
  if (chosen == -1) return false;
  color = WithAlpha(chosen, alpha);
  return true;
}

// The "+" button: the template takes the place of a slot made for it, and
// the object then holds real shapes (unless the template gave none).
void AddTemplateShape(EditorContext& ctx) {
  if (ctx.CurrentObjectPtr() == nullptr) return;
  MakeTemplateSlot(ctx);
  if (!InsertShapeTemplate(ctx)) return;
  if (sObject* object = ctx.CurrentObjectPtr()) object->HasShape = 1;
  ctx.ObjReady = 1;
}

void ChooseFont(EditorContext& ctx) {
  sShape* shape = ctx.CurrentShapePtr();
  if (shape == nullptr || ctx.Fonts.Get(shape->Font) == nullptr) return;
  const std::optional<FontChoice> chosen = ctx.Req->Font(shape->FontName, 20);
  if (chosen) {
    // The old font stays loaded: an undo brings the shape back with it.
    shape->FontName = SanitizeFieldText(chosen->Name, true);
    shape->FontStyle = chosen->Style;
    shape->Font = ctx.Fonts.Load(shape->FontName, 20, shape->FontStyle);
  }
}

void ChooseShapeInList(EditorContext& ctx, Gadgets& g) {
  const sObject* layer = ctx.CurrentObjectPtr();
  if (layer == nullptr || layer->HasShape == 0) return;
  ctx.CurrentShape = g.State(kGadgetShapeList);
  ctx.CurrentFx = 0;
  if (sObject* object = ctx.CurrentObjectPtr()) {
    for (size_t i = 0; i < object->Shape.size(); ++i) {
      object->Shape[i].Selected = g.ItemSelected(kGadgetShapeList, static_cast<int>(i)) ? 1 : 0;
    }
  }
}

const std::unordered_map<int, Handler>& Table() {
  static const std::unordered_map<int, Handler> table = {
      {kGadgetObjectDown, [](EditorContext& ctx, Gadgets&, const PanelEvent&) { MoveObjectDown(ctx); }},
      {kGadgetObjectUp, [](EditorContext& ctx, Gadgets&, const PanelEvent&) { MoveObjectUp(ctx); }},
      {kGadgetLayerList,
       [](EditorContext& ctx, Gadgets&, const PanelEvent& e) {
         if (e.doubleClick) {
           LayerListRename(ctx, e.x);
         } else {
           LayerListPress(ctx, e.x, e.y);
         }
       }},
      {kGadgetObjectDelete,
       [](EditorContext& ctx, Gadgets&, const PanelEvent&) { DeleteCurrentObject(ctx); }},
      {kGadgetObjectAdd, [](EditorContext& ctx, Gadgets&, const PanelEvent&) { AddObject(ctx, 1); }},
      {kGadgetObjectLock,
       [](EditorContext& ctx, Gadgets& g, const PanelEvent&) {
         if (sObject* object = ctx.CurrentObjectPtr()) object->Locked = g.State(kGadgetObjectLock) ? 1 : 0;
       }},
      {kGadgetObjectW, OnObject([](sObject& o, Gadgets& g) {
         o.H = Wrap16(g.State(kGadgetObjectH));
         o.W = Wrap16(g.State(kGadgetObjectW));
       })},
      {kGadgetObjectX, OnObject([](sObject& o, Gadgets& g) {
         o.X = g.State(kGadgetObjectX);
         o.Y = g.State(kGadgetObjectY);
       })},
      {kGadgetShapeAdd,
       [](EditorContext& ctx, Gadgets&, const PanelEvent&) { AddTemplateShape(ctx); }},
      {kGadgetShapeDelete,
       [](EditorContext& ctx, Gadgets&, const PanelEvent&) { DeleteCurrentShape(ctx); }},
      // A complex shape carries no flag: its chain itself opens and closes.
      {kGadgetShapeClose,
       [](EditorContext& ctx, Gadgets& g, const PanelEvent&) {
         sShape* shape = ctx.CurrentShapePtr();
         if (shape == nullptr) return;
         const bool close = g.State(kGadgetShapeClose) != 0;
         if (shape->Typ != kComplexShape) {
           shape->Close = close ? 1 : 0;
         } else if (close) {
           ClosePath(ctx);
         } else {
           OpenPath(ctx);
         }
       }},
      {kGadgetShapeLink, OnShape([](sShape& s, Gadgets& g) { s.Link = g.State(kGadgetShapeLink) ? 1 : 0; })},
      {kGadgetShapeHide, OnShape([](sShape& s, Gadgets& g) { s.Hide = g.State(kGadgetShapeHide) ? 1 : 0; })},
      {kGadgetShapeLock,
       [](EditorContext& ctx, Gadgets& g, const PanelEvent&) {
         if (sShape* shape = ctx.CurrentShapePtr()) shape->Locked = g.State(kGadgetShapeLock) ? 1 : 0;
       }},
      {kGadgetShapeFont, [](EditorContext& ctx, Gadgets&, const PanelEvent&) { ChooseFont(ctx); }},
      {kGadgetShapeText,
       [](EditorContext& ctx, Gadgets&, const PanelEvent&) {
         sShape* shape = ctx.CurrentShapePtr();
         if (shape == nullptr) return;
         const std::string answer = ctx.Req->Input("Text", "Change the text", shape->Text);
         // A cancelled dialog (an empty answer) keeps the text.
         if (!answer.empty()) {
           shape->Text = SanitizeFieldText(answer, true);
           if (CutToBytes(shape->Text, kMaxTextBytes)) {
             ctx.Req->Message("Text", kTextCutMessage, MessageIcon::Info);
           }
         }
       }},
      {kGadgetShapeLibrary,
       [](EditorContext& ctx, Gadgets& g, const PanelEvent&) {
         ctx.ShapeFile = g.Text(kGadgetShapeLibrary);
       }},
      {kGadgetShapeList,
       [](EditorContext& ctx, Gadgets& g, const PanelEvent&) { ChooseShapeInList(ctx, g); }},
      {kGadgetShapeW, OnShape([](sShape& s, Gadgets& g) {
         s.W = Wrap16(g.State(kGadgetShapeW));
         s.H = Wrap16(g.State(kGadgetShapeH));
       })},
      {kGadgetShapeStyle,
       OnShape([](sShape& s, Gadgets& g) { s.Style = Wrap8(std::max<int64_t>(0, g.State(kGadgetShapeStyle))); })},
      {kGadgetShapeWidth, OnShape([](sShape& s, Gadgets& g) {
         s.Width = Wrap16(AtLeastOne(g.State(kGadgetShapeWidth)));
         s.Height = Wrap16(AtLeastOne(g.State(kGadgetShapeHeight)));
         s.Dist = Wrap16(AtLeastOne(g.State(kGadgetShapeDist)));
       })},
      {kGadgetShapeX, OnShape([](sShape& s, Gadgets& g) {
         s.X = Wrap16(g.State(kGadgetShapeX));
         s.Y = Wrap16(g.State(kGadgetShapeY));
       })},
      {kGadgetShapeCX, OnShape([](sShape& s, Gadgets& g) {
         s.CX = Wrap16(g.State(kGadgetShapeCX));
         s.CY = Wrap16(g.State(kGadgetShapeCY));
       })},
      {kGadgetShapeAlpha, OnShape([](sShape& s, Gadgets& g) {
         s.Alpha = Wrap8(g.State(kGadgetShapeAlpha));
         s.Color = WithAlpha(s.Color, s.Alpha);
       })},
      {kGadgetPointX,
       [](EditorContext& ctx, Gadgets& g, const PanelEvent&) {
         sShape* shape = ctx.CurrentShapePtr();
         if (shape == nullptr || !ValidIndex(shape->Pt, ctx.CurrentPoint)) return;
         sPoint& point = shape->Pt[static_cast<size_t>(ctx.CurrentPoint)];
         point.X = g.State(kGadgetPointX);
         point.Y = g.State(kGadgetPointY);
       }},
      {kGadgetShapeColor,
       [](EditorContext& ctx, Gadgets&, const PanelEvent&) {
         if (sShape* shape = ctx.CurrentShapePtr()) AskColor(ctx, shape->Color, shape->Alpha);
       }},
      {kGadgetShapeDown, [](EditorContext& ctx, Gadgets&, const PanelEvent&) { MoveShapeDown(ctx); }},
      {kGadgetShapeUp, [](EditorContext& ctx, Gadgets&, const PanelEvent&) { MoveShapeUp(ctx); }},
      {kGadgetShapeName,
       [](EditorContext& ctx, Gadgets& g, const PanelEvent&) {
         sShape* shape = ctx.CurrentShapePtr();
         if (shape == nullptr) return;
         const std::string typed = g.Text(kGadgetShapeName);
         shape->Name = SanitizeFieldText(typed, false);
         // Show the user the name that will be kept.
         if (shape->Name != typed) g.SetText(kGadgetShapeName, shape->Name);
       }},
      {kGadgetFxScale, OnFx([](sShapeFx& fx, Gadgets& g) { fx.Scale = Wrap16(g.State(kGadgetFxScale)); })},
      {kGadgetFxPresets,
       [](EditorContext& ctx, Gadgets& g, const PanelEvent&) {
         LoadFxPreset(ctx, PresetListName(g.Text(kGadgetFxPresets)));
       }},
      {kGadgetFxList,
       [](EditorContext& ctx, Gadgets& g, const PanelEvent&) {
         ctx.CurrentFx = std::max<int64_t>(0, g.State(kGadgetFxList));
       }},
      {kGadgetFxPresetSave,
       [](EditorContext& ctx, Gadgets&, const PanelEvent&) { SaveFxPreset(ctx); }},
      {kGadgetFxAdd,
       [](EditorContext& ctx, Gadgets&, const PanelEvent&) {
         sShape* shape = ctx.CurrentShapePtr();
         if (shape == nullptr) return;
         shape->Fx.emplace_back();
         ctx.CurrentFx = LastIndex(shape->Fx);
         InitShapeFx(ctx, ctx.CurrentFx);
       }},
      {kGadgetFxActif, OnFx([](sShapeFx& fx, Gadgets& g) { fx.Actif = g.State(kGadgetFxActif) ? 1 : 0; })},
      {kGadgetFxType,
       OnFx([](sShapeFx& fx, Gadgets& g) { fx.Typ = Wrap8(std::max<int64_t>(0, g.State(kGadgetFxType))); })},
      {kGadgetFxWidth, OnFx([](sShapeFx& fx, Gadgets& g) {
         fx.Width = AtLeastOne(g.State(kGadgetFxWidth));
         fx.Height = AtLeastOne(g.State(kGadgetFxHeight));
         fx.Dist = AtLeastOne(g.State(kGadgetFxDist));
       })},
      {kGadgetFxDepth,
       OnFx([](sShapeFx& fx, Gadgets& g) { fx.Depth = Wrap8(std::max<int64_t>(0, g.State(kGadgetFxDepth))); })},
      {kGadgetFxAlpha, OnFx([](sShapeFx& fx, Gadgets& g) {
         fx.Alpha = Wrap8(g.State(kGadgetFxAlpha));
         fx.Color = WithAlpha(fx.Color, fx.Alpha);
       })},
      {kGadgetFxX, OnFx([](sShapeFx& fx, Gadgets& g) {
         fx.X = Wrap16(g.State(kGadgetFxX));
         fx.Y = Wrap16(g.State(kGadgetFxY));
       })},
      {kGadgetFxColor,
       [](EditorContext& ctx, Gadgets&, const PanelEvent&) {
         sShape* shape = ctx.CurrentShapePtr();
         if (shape == nullptr) return;
         if (!ValidIndex(shape->Fx, ctx.CurrentFx)) ctx.CurrentFx = 0;
         sShapeFx& fx = shape->Fx[static_cast<size_t>(ctx.CurrentFx)];
         AskColor(ctx, fx.Color, fx.Alpha);
       }},
      {kGadgetColorBg,
       [](EditorContext& ctx, Gadgets&, const PanelEvent&) {
         if (AskColor(ctx, ctx.Options.BgColor, 255)) RedrawForOptions(ctx);
       }},
      {kGadgetCheckerBg,
       [](EditorContext& ctx, Gadgets& g, const PanelEvent&) {
         ctx.Options.BgImg = g.State(kGadgetCheckerBg) ? 1 : 0;
         RedrawForOptions(ctx);
       }},
  };
  return table;
}

// Gadgets edited in pairs or threes answer to the same handler.
int PairLeader(int gadget) {
  switch (gadget) {
    case kGadgetObjectH:
      return kGadgetObjectW;
    case kGadgetObjectY:
      return kGadgetObjectX;
    case kGadgetShapeH:
      return kGadgetShapeW;
    case kGadgetShapeHeight:
    case kGadgetShapeDist:
      return kGadgetShapeWidth;
    case kGadgetShapeY:
      return kGadgetShapeX;
    case kGadgetShapeCY:
      return kGadgetShapeCX;
    case kGadgetPointY:
      return kGadgetPointX;
    case kGadgetFxY:
      return kGadgetFxX;
    case kGadgetFxHeight:
    case kGadgetFxDist:
      return kGadgetFxWidth;
    default:
      return gadget;
  }
}

}  // namespace

PanelStep PanelStepOf(int gadget) {
  // Fields that change by the unit while held or typed into carry their own
  // gadget as the key that joins their edits; the rest make a step each.
  struct Named {
    int gadget;
    const char* name;
    bool held;
  };
  static constexpr Named kSteps[] = {
      {kGadgetObjectX, "Move object", true},
      {kGadgetObjectW, "Resize object", true},
      {kGadgetShapeName, "Rename shape", true},
      {kGadgetShapeX, "Move shape", true},
      {kGadgetShapeW, "Resize shape", true},
      {kGadgetShapeCX, "Move centre", true},
      {kGadgetShapeAlpha, "Change transparency", true},
      {kGadgetShapeWidth, "Change stroke", true},
      {kGadgetPointX, "Move point", true},
      {kGadgetFxX, "Move Fx", true},
      {kGadgetFxWidth, "Change Fx size", true},
      {kGadgetFxAlpha, "Change Fx transparency", true},
      {kGadgetFxScale, "Change Fx scale", true},
      {kGadgetObjectAdd, "Add object", false},
      {kGadgetObjectDelete, "Delete object", false},
      {kGadgetObjectUp, "Reorder objects", false},
      {kGadgetObjectDown, "Reorder objects", false},
      {kGadgetObjectLock, "Lock object", false},
      {kGadgetLayerList, "Change object", false},
      {kGadgetShapeAdd, "Insert template", false},
      {kGadgetShapeDelete, "Delete shape", false},
      {kGadgetShapeUp, "Reorder shapes", false},
      {kGadgetShapeDown, "Reorder shapes", false},
      {kGadgetShapeColor, "Change colour", false},
      {kGadgetShapeStyle, "Change style", false},
      {kGadgetShapeText, "Change text", false},
      {kGadgetShapeFont, "Change font", false},
      {kGadgetShapeHide, "Hide shape", false},
      {kGadgetShapeLock, "Lock shape", false},
      {kGadgetShapeLink, "Link shape", false},
      {kGadgetShapeClose, "Close shape", false},
      {kGadgetFxPresets, "Apply Fx preset", false},
      {kGadgetFxAdd, "Add Fx", false},
      {kGadgetFxPresetSave, "Save Fx preset", false},
      {kGadgetFxColor, "Change Fx colour", false},
      {kGadgetFxActif, "Change Fx", false},
      {kGadgetFxType, "Change Fx", false},
      {kGadgetFxDepth, "Change Fx", false},
  };
  const int leader = PairLeader(gadget);
  for (const Named& step : kSteps) {
    if (step.gadget == leader) return {step.name, step.held ? leader : 0};
  }
  return {"Edit", 0};
}

void HandlePanelEvent(EditorContext& ctx, Gadgets& gadgets, int gadget, const PanelEvent& event) {
  const auto found = Table().find(PairLeader(gadget));
  if (found != Table().end()) found->second(ctx, gadgets, event);
}

}  // namespace tavisk
