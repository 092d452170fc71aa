#include "edit/canvas_tools.h"

#include <cmath>
#include <cstdlib>

#include "document/shape_creation.h"
#include "document/numeric.h"
#include "edit/point_editing.h"

namespace tavisk {

namespace {

constexpr int kHitRadius = 3;  // scene units, whatever the zoom

bool IsEditingTool(uint8_t tool) { return tool <= kToolDeletePoint; }


}  // namespace

void ChooseTool(EditorContext& ctx, uint8_t tool) {
  // A tool button was clicked, so no canvas gesture can still be under way,
  // even one whose release went to a dialog.
  ctx.ButtonDown = 0;
  ctx.DragMode = 0;
  ctx.PickState = 0;
  ctx.CreateMode = 0;
  ctx.Tool = tool;
  if (tool == kToolRoundBox) {
    ctx.Req->Message("Info", "These tool doesn't work for the moment", MessageIcon::Info);
  }
}

void CanvasTools::HandleEvent(const CanvasInput& input) {
  if (input.kind == CanvasInput::kKeyDown) {
    if (input.shift || input.key == kKeyShift) ctx_.ShiftHeld = 1;
    if (input.key == kKeySpace) ctx_.SpaceHeld = 1;
    return;
  }
  const bool press = input.kind == CanvasInput::kPress && input.left;
  const bool drag = input.kind == CanvasInput::kMove && input.left;
  // A release that went to a dialog (a file requester or an error box opened
  // by the press) never reaches the canvas: the gesture ended there.
  const bool buttonLostElsewhere = (press || (input.kind == CanvasInput::kMove && !input.left));
  if (buttonLostElsewhere && ctx_.ButtonDown == 1) Release();
  if (!press && !drag) {
    if (input.kind == CanvasInput::kKeyUp && input.key == kKeySpace) ctx_.SpaceHeld = 0;
    if (input.kind == CanvasInput::kKeyUp && input.key == kKeyShift) ctx_.ShiftHeld = 0;
    if (input.kind == CanvasInput::kRelease && input.left) Release();
    return;
  }
  // Shift held while clicking counts even when the canvas missed its key-down.
  if (press && input.shift) ctx_.ShiftHeld = 1;

  redrawDue_ = false;
  const std::optional<ScenePointer> pointer = PointerToScene(ctx_, input.x, input.y);
  ScenePointer p;
  if (pointer) {
    p = *pointer;
    ctx_.MouseX = p.MX;
    ctx_.MouseY = p.MY;
    if (ctx_.SpaceHeld) {
      Pan(p);
    } else if (press && ctx_.ButtonDown == 0) {
      Press(p);
    } else if (drag && ctx_.ButtonDown == 1) {
      Drag(p);
    }
    lastMX_ = p.MX;
    lastMY_ = p.MY;
  }
  if (ctx_.DragMode != 0 || ctx_.ButtonDown == 1 || redrawDue_) {
    ctx_.Hooks->RedrawCanvas(p.MX, p.MY, 1);
  }
}

void CanvasTools::Pan(const ScenePointer& p) {
  if (ctx_.ButtonDown == 0) {
    ctx_.ButtonDown = 1;
    ctx_.DragStartX = p.SX;
    ctx_.DragStartY = p.SY;
  }
  ctx_.PanX = Wrap16(p.MX - ctx_.DragStartX);
  ctx_.PanY = Wrap16(p.MY - ctx_.DragStartY);
}

void CanvasTools::Press(const ScenePointer& p) {
  ctx_.DragStartX = p.SX;
  ctx_.DragStartY = p.SY;
  ctx_.ButtonDown = 1;
  ctx_.DragMode = 0;
  // A pick left over from a redraw without a press must not swallow this one.
  ctx_.PickState = 0;
  transform_.Reset();
  if (IsEditingTool(ctx_.Tool)) {
    if (ctx_.CurrentShape == -1) {
      PressImageHitTest(p);
    } else {
      PressOnSelection(p);
    }
  } else if (ctx_.Tool != kToolRoundBox) {
    PressCreate(p);
  }
}

// Images have no area to pick, so a press on one selects it here.
void CanvasTools::PressImageHitTest(const ScenePointer& p) {
  sObject* object = ctx_.CurrentObjectPtr();
  if (object == nullptr) return;
  for (int64_t i = 0; i < static_cast<int64_t>(object->Shape.size()); ++i) {
    sShape& shape = object->Shape[static_cast<size_t>(i)];
    if (shape.Typ != kImage) continue;
    // The rectangle the user sees: the drawn size, whichever way it points.
    const int64_t x0 = std::min<int64_t>(shape.X, shape.X + shape.W);
    const int64_t x1 = std::max<int64_t>(shape.X, shape.X + shape.W);
    const int64_t y0 = std::min<int64_t>(shape.Y, shape.Y + shape.H);
    const int64_t y1 = std::max<int64_t>(shape.Y, shape.Y + shape.H);
    if (p.SX < x0 || p.SX > x1 || p.SY < y0 || p.SY > y1) continue;
    shape.Selected = 1;
    ctx_.CurrentShape = i;
    ctx_.PickState = 1;
    redrawDue_ = true;
    if (ctx_.Tool == kToolMove) ctx_.DragMode = 2;
    return;
  }
}

// The shape whose point is hit becomes the current one, so that the point
// tools change the shape the user pointed at.
void CanvasTools::PressOnSelection(const ScenePointer& p) {
  sObject* object = ctx_.CurrentObjectPtr();
  if (object == nullptr) return;
  for (int64_t i = 0; i <= LastIndex(object->Shape); ++i) {
    sShape& shape = object->Shape[static_cast<size_t>(i)];
    if (i != ctx_.CurrentShape && !shape.Selected) continue;
    if (ctx_.Tool == kToolAddPoint) {
      if (AddPointsAtPointer(shape, p)) return;
    } else if (ctx_.Tool == kToolMove || ctx_.Tool == kToolSelect ||
               ctx_.Tool == kToolDeletePoint) {
      if (PressOnPoints(i, shape, p)) return;
    }
  }
}

// New points sit under the pointer, in the shape's own units; only the first
// line, curve or complex shape receives them.
bool CanvasTools::AddPointsAtPointer(sShape& shape, const ScenePointer& p) {
  const int64_t x = p.SX - shape.X;
  const int64_t y = p.SY - shape.Y;
  if (shape.Typ == kComplexShape || shape.Typ == kCurve) {
    shape.Pt.push_back({x - 10, y, 0, 0});
    shape.Pt.push_back({x, y, 0, 0});
    shape.Pt.push_back({x + 10, y, 0, 0});
  } else if (shape.Typ == kLine) {
    shape.Pt.push_back({x, y, 0, 0});
  } else {
    return false;
  }
  ctx_.DragMode = 3;
  return true;
}

// True when a point of the shape was hit, which ends the press.
bool CanvasTools::PressOnPoints(int64_t index, sShape& shape, const ScenePointer& p) {
  ctx_.CurrentPoint = -1;
  for (int64_t k = 0; k <= LastIndex(shape.Pt); ++k) {
    const sPoint& point = shape.Pt[static_cast<size_t>(k)];
    if (std::llabs(p.SX - (shape.X + point.X)) > kHitRadius ||
        std::llabs(p.SY - (shape.Y + point.Y)) > kHitRadius) {
      continue;
    }
    if (ctx_.CurrentShape != index) {
      ctx_.CurrentShape = index;
      ctx_.Hooks->ShowShapeProperties();
    }
    ctx_.CurrentPoint = k;
    if (ctx_.Tool == kToolMove) {
      ctx_.DragMode = 1;
      const int64_t count = static_cast<int64_t>(shape.Pt.size());
      auto at = [&](int64_t i) {
        const sPoint& q = shape.Pt[static_cast<size_t>(i)];
        return PointAtPress{i, shape.X + q.X, shape.Y + q.Y};
      };
      dragged_ = at(k);
      previous_ = at(PreviousPoint(k, count));
      next_ = at(NextPoint(k, count));
    } else if (ctx_.Tool == kToolDeletePoint) {
      DeletePoint(ctx_, k);
    }
    return true;
  }
  if (ctx_.Tool == kToolMove && (shape.Typ == kImage || shape.Typ == kText)) ctx_.DragMode = 2;
  return false;
}

void CanvasTools::PressCreate(const ScenePointer& p) {
  if (AddShape(ctx_, p.SX, p.SY) == 1) {
    if (const sShape* shape = ctx_.CurrentShapePtr()) {
      createdPoint_ = LastIndex(shape->Pt) - (shape->Typ == kCurve ? 2 : 0);
    }
  }
  ctx_.CreateMode = 2;
}

void CanvasTools::Drag(ScenePointer p) {
  if (ctx_.CurrentShape >= 0 && IsEditingTool(ctx_.Tool)) {
    if (ctx_.Options.Snap == 1) {
      p.SX = SnapToStep(p.SX, ctx_.Options.SnapX);
      p.SY = SnapToStep(p.SY, ctx_.Options.SnapY);
    }
    if (ctx_.DragMode == 1 && ctx_.Tool == kToolMove) {
      DragPoint(p);
    } else if (ctx_.DragMode == 2) {
      transform_.Apply(ctx_, lastMX_, lastMY_, p.MX, p.MY);
    }
  } else if (ctx_.CreateMode == 2) {
    DragNewShape(p);
  }
}

void CanvasTools::DragPoint(const ScenePointer& p) {
  sShape* shape = ctx_.CurrentShapePtr();
  if (shape == nullptr || shape->Locked || !ValidIndex(shape->Pt, ctx_.CurrentPoint)) return;
  sPoint& point = shape->Pt[static_cast<size_t>(ctx_.CurrentPoint)];
  if (shape->Typ == kComplexShape || shape->Typ == kCurve) {
    point.X = p.SX - shape->X;
    point.Y = p.SY - shape->Y;
    ctx_.Hooks->ShowPointPosition(point.X, point.Y);
    if (ctx_.CurrentPoint % 3 == 0 && dragged_.index == ctx_.CurrentPoint) {
      const int64_t dx = p.SX - dragged_.x;
      const int64_t dy = p.SY - dragged_.y;
      for (const PointAtPress& neighbour : {previous_, next_}) {
        if (!ValidIndex(shape->Pt, neighbour.index) || neighbour.index == ctx_.CurrentPoint) {
          continue;
        }
        sPoint& q = shape->Pt[static_cast<size_t>(neighbour.index)];
        q.X = neighbour.x + dx - shape->X;
        q.Y = neighbour.y + dy - shape->Y;
      }
    }
  } else {
    // The pointer is already in the object's units: taking the object's
    // offset off again would throw the point away from the pointer.
    point.X = p.SX - shape->X;
    point.Y = p.SY - shape->Y;
    ctx_.Hooks->ShowPointPosition(point.X, point.Y);
  }
}

// The new shape was placed at the pointer less the pan, so it is sized in
// the same units: with the view panned it still follows the pointer.
void CanvasTools::DragNewShape(const ScenePointer& p) {
  sShape* shape = ctx_.CurrentShapePtr();
  if (shape == nullptr) return;
  switch (shape->Typ) {
    case kLine:
      if (ValidIndex(shape->Pt, createdPoint_)) {
        shape->Pt[static_cast<size_t>(createdPoint_)].X = p.SX;
        shape->Pt[static_cast<size_t>(createdPoint_)].Y = p.SY;
      }
      break;
    case kCurve:
      for (int64_t i = 0; i < 3; ++i) {
        if (!ValidIndex(shape->Pt, createdPoint_ + i)) break;
        sPoint& point = shape->Pt[static_cast<size_t>(createdPoint_ + i)];
        point.X = p.SX + 5 * (i - 1);
        point.Y = p.SY + 5 * (i - 1);
      }
      break;
    case kBox:
    case kRoundBox:
      shape->W = Wrap16(p.SX - shape->StartX);
      shape->H = Wrap16(p.SY - shape->StartY);
      break;
    case kText:
      shape->W = Wrap16(std::max<int64_t>(1, std::llabs(p.SX - shape->StartX)));
      shape->H = Wrap16(std::llabs(p.SY - shape->StartY));
      break;
    case kCircle:
      shape->W = Wrap16(std::max<int64_t>(1, std::llabs(p.SX - shape->StartX)));
      shape->H = Wrap16(std::max<int64_t>(1, std::llabs(p.SY - shape->StartY)));
      break;
    default:
      break;
  }
  redrawDue_ = true;
}

void CanvasTools::Release() {
  // A point or shape drag changed what the panel shows.
  const bool dragged = ctx_.DragMode == 1 || ctx_.DragMode == 2;
  ctx_.DragMode = 0;
  ctx_.PickState = 0;
  ctx_.ButtonDown = 0;
  if (ctx_.CreateMode != 0) {
    ctx_.CreateMode = 0;
    ctx_.Tool = kToolMove;
    ctx_.Hooks->ShowTool(kToolMove);
    // The panel still shows the size the shape was made with, before the
    // drag gave it its own.
    ctx_.Hooks->ShowShapeProperties();
  } else if (dragged) {
    ctx_.Hooks->ShowShapeProperties();
  }
}

}  // namespace tavisk
