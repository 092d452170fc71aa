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

bool HasSize(uint8_t type) {
  return type == kBox || type == kRoundBox || type == kCircle || type == kImage ||
         type == kText;
}

int64_t Snap(int64_t value, int64_t step) {
  return step < 1 ? value : DivTrunc(value, step) * step;
}

template <typename Visit>
void ForEachEditedShape(EditorContext& ctx, Visit&& visit) {
  sObject* object = ctx.CurrentObjectPtr();
  if (object == nullptr) return;
  for (int64_t i = 0; i < static_cast<int64_t>(object->Shape.size()); ++i) {
    sShape& shape = object->Shape[static_cast<size_t>(i)];
    if (i == ctx.CurrentShape || shape.Selected) {
      if (!visit(shape)) return;
    }
  }
}

}  // namespace

void ChooseTool(EditorContext& ctx, uint8_t tool) {
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
    if (ctx_.Tool == kToolMove) {
      ctx_.DragMode = 2;
      shape.StartX = Wrap16(p.MX - shape.X);
      shape.StartY = Wrap16(p.MY - shape.Y);
    }
    return;
  }
}

void CanvasTools::PressOnSelection(const ScenePointer& p) {
  ForEachEditedShape(ctx_, [&](sShape& shape) {
    switch (ctx_.Tool) {
      case kToolAddPoint:
        if (ctx_.DragMode != 0) return true;
        if (shape.Typ == kComplexShape || shape.Typ == kCurve) {
          shape.Pt.push_back({p.MX - 10, p.MY, 0, 0});
          shape.Pt.push_back({p.MX, p.MY, 0, 0});
          shape.Pt.push_back({p.MX + 10, p.MY, 0, 0});
          ctx_.DragMode = 3;
        } else if (shape.Typ == kLine) {
          shape.Pt.push_back({p.MX, p.MY, 0, 0});
          ctx_.DragMode = 3;
        }
        return true;
      case kToolRotate:
        // The drag's angle counts from the press, so the shape does not
        // jump at the first move.
        shape.StartX = Wrap16(p.MX);
        for (sPoint& point : shape.Pt) {
          point.StartX = point.X;
          point.StartY = point.Y;
        }
        return true;
      case kToolScale:
        for (sPoint& point : shape.Pt) {
          point.StartX = point.X;
          point.StartY = point.Y;
        }
        if (HasSize(shape.Typ)) {
          shape.StartX = Wrap16(p.MX + shape.W);
          shape.StartY = Wrap16(p.MY + shape.H);
        } else {
          shape.StartX = Wrap16(p.MX);
        }
        return true;
      case kToolMove:
      case kToolSelect:
      case kToolDeletePoint: {
        ctx_.CurrentPoint = -1;
        for (int64_t k = 0; k < static_cast<int64_t>(shape.Pt.size()); ++k) {
          const sPoint& point = shape.Pt[static_cast<size_t>(k)];
          const int64_t px = shape.X + point.X;
          const int64_t py = shape.Y + point.Y;
          if (std::llabs(p.SX - px) > kHitRadius || std::llabs(p.SY - py) > kHitRadius) continue;
          ctx_.CurrentPoint = k;
          if (ctx_.Tool == kToolMove) {
            ctx_.DragMode = 1;
            const int64_t count = static_cast<int64_t>(shape.Pt.size());
            auto at = [&](int64_t index) {
              const sPoint& q = shape.Pt[static_cast<size_t>(index)];
              return PointAtPress{index, shape.X + q.X, shape.Y + q.Y};
            };
            dragged_ = at(k);
            previous_ = at(PreviousPoint(k, count));
            next_ = at(NextPoint(k, count));
          } else if (ctx_.Tool == kToolDeletePoint) {
            DeletePoint(ctx_, k);
          }
          return true;
        }
        if (ctx_.Tool == kToolMove && (shape.Typ == kImage || shape.Typ == kText)) {
          ctx_.DragMode = 2;
          shape.StartX = Wrap16(p.MX - shape.X);
          shape.StartY = Wrap16(p.MY - shape.Y);
        }
        return true;
      }
      default:
        return true;
    }
  });
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
      p.SX = Snap(p.SX, ctx_.Options.SnapX);
      p.SY = Snap(p.SY, ctx_.Options.SnapY);
    }
    if (ctx_.DragMode == 1 && ctx_.Tool == kToolMove) {
      DragPoint(p);
    } else if (ctx_.DragMode == 2) {
      if (ctx_.Options.Snap != 0) {
        p.MX = Snap(p.MX, ctx_.Options.SnapX);
        p.MY = Snap(p.MY, ctx_.Options.SnapY);
      }
      DragShapes(p);
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

void CanvasTools::DragShapes(const ScenePointer& p) {
  ForEachEditedShape(ctx_, [&](sShape& shape) {
    if (shape.Locked) return true;
    if (ctx_.Tool == kToolMove) {
      shape.X = Wrap16(p.MX - shape.StartX);
      shape.Y = Wrap16(p.MY - shape.StartY);
    } else if (ctx_.Tool == kToolScale) {
      const double s = static_cast<double>(p.MX - shape.StartX) * 0.01;
      shape.ScaleFactor = s;
      const sPoint first = shape.Pt.front();
      for (sPoint& point : shape.Pt) {
        point.X = RoundInt(static_cast<double>(point.StartX) * (1 + s) -
                           static_cast<double>(first.StartX) * s);
        point.Y = RoundInt(static_cast<double>(point.StartY) * (1 + s) -
                           static_cast<double>(first.StartY) * s);
      }
      if (HasSize(shape.Typ)) {
        shape.W = Wrap16(std::max<int64_t>(1, std::llabs(p.MX - shape.StartX)));
        shape.H = Wrap16(std::max<int64_t>(1, std::llabs(p.MY - shape.StartY)));
      }
    } else if (ctx_.Tool == kToolRotate) {
      shape.Angle = Wrap16(RoundInt(static_cast<double>(p.MX - shape.StartX) * 0.1));
      const float radians = static_cast<float>(shape.Angle * M_PI / 180.0);
      const float c = std::cos(radians);
      const float s = std::sin(radians);
      for (sPoint& point : shape.Pt) {
        const double d = static_cast<double>(point.StartX - shape.CX);
        const double e = static_cast<double>(point.StartY - shape.CY);
        point.X = RoundInt(shape.CX + d * c - e * s);
        point.Y = RoundInt(shape.CY + e * c + d * s);
      }
    }
    return true;
  });
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
  }
}

}  // namespace tavisk
