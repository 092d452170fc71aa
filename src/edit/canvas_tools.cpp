#include "edit/canvas_tools.h"

#include "document/numeric.h"

namespace tavisk {

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

namespace {

// The undo step a gesture makes, named by its tool and what it dragged.
const char* GestureName(uint8_t tool, uint8_t dragMode) {
  switch (tool) {
    case kToolMove:
      return dragMode == 1 ? "Move point" : "Move";
    case kToolSelect:
      return "Select";
    case kToolScale:
      return "Scale";
    case kToolRotate:
      return "Rotate";
    case kToolAddPoint:
      return "Add point";
    case kToolDeletePoint:
      return "Delete point";
    case kToolImage:
      return "Place image";
    case kToolText:
      return "Write text";
    default:
      return "Draw shape";
  }
}

}  // namespace

CanvasTools::CanvasTools(EditorContext& ctx, EditHistory& history)
    : ctx_(ctx),
      history_(history),
      select_(ctx),
      move_(ctx),
      transform_(ctx),
      addPoint_(ctx),
      deletePoint_(ctx),
      creation_(ctx) {}

// The rounded box has no tool yet: nullptr.
CanvasTool* CanvasTools::ToolFor(uint8_t tool) {
  switch (tool) {
    case kToolMove:
      return &move_;
    case kToolSelect:
      return &select_;
    case kToolScale:
    case kToolRotate:
      return &transform_;
    case kToolAddPoint:
      return &addPoint_;
    case kToolDeletePoint:
      return &deletePoint_;
    case kToolRoundBox:
      return nullptr;
    default:
      return tool >= kToolComplexShape && tool <= kToolText ? &creation_ : nullptr;
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
  const bool buttonUpUnseen = press || (input.kind == CanvasInput::kMove && !input.left);
  if (buttonUpUnseen && ctx_.ButtonDown == 1) Release();
  if (!press && !drag) {
    if (input.kind == CanvasInput::kKeyUp && input.key == kKeySpace) ctx_.SpaceHeld = 0;
    if (input.kind == CanvasInput::kKeyUp && input.key == kKeyShift) ctx_.ShiftHeld = 0;
    if (input.kind == CanvasInput::kRelease && input.left) Release();
    return;
  }
  // Shift held while clicking counts even when the canvas missed its key-down.
  if (press && input.shift) ctx_.ShiftHeld = 1;

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
    } else if (drag && ctx_.ButtonDown == 1 && active_ != nullptr) {
      active_->Drag(p, previous_);
    }
    previous_ = p;
  }
  if (ctx_.DragMode != 0 || ctx_.ButtonDown == 1) ctx_.Hooks->RedrawCanvas(p.MX, p.MY, 1);
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
  active_ = ToolFor(ctx_.Tool);
  history_.Begin();
  editOpen_ = true;
  if (active_ != nullptr) active_->Press(p);
}

void CanvasTools::Release() {
  const char* name = GestureName(ctx_.Tool, ctx_.DragMode);
  ctx_.DragMode = 0;
  ctx_.PickState = 0;
  ctx_.ButtonDown = 0;
  active_ = nullptr;
  if (ctx_.CreateMode != 0) {
    ctx_.CreateMode = 0;
    ctx_.Tool = kToolMove;
    ctx_.Hooks->ShowTool(kToolMove);
  }
  // The panels follow from the history's announcement of what the gesture did.
  if (editOpen_) history_.End(name);
  editOpen_ = false;
}

}  // namespace tavisk
