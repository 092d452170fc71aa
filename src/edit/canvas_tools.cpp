#include "edit/canvas_tools.h"

#include "document/numeric.h"
#include "edit/press_pick.h"
#include "edit/selection_edits.h"

namespace tavisk {

void ChooseTool(Editor& ctx, Tool tool) {
  // A tool button was clicked, so no canvas gesture can still be under way,
  // even one whose release went to a dialog.
  ctx.ButtonDown = false;
  ctx.View.Drag = DragMode::None;
  ctx.View.Pick = PickState::Open;
  ctx.View.CreateMode = false;
  ctx.UseTool(tool);
  if (tool == Tool::RoundBox) {
    ctx.Req->Message("Info", "These tool doesn't work for the moment", MessageIcon::Info);
  }
}

namespace {

// The undo step a gesture makes, named by its tool and what it dragged.
const char* GestureName(Tool tool, DragMode drag) {
  switch (tool) {
    case Tool::Move:
      return drag == DragMode::Point ? "Move point" : "Move";
    case Tool::Select:
      return "Select";
    case Tool::Scale:
      return "Scale";
    case Tool::Rotate:
      return "Rotate";
    case Tool::AddPoint:
      return "Add point";
    case Tool::DeletePoint:
      return "Delete point";
    case Tool::Image:
      return "Place image";
    case Tool::Text:
      return "Write text";
    default:
      return "Draw shape";
  }
}

}  // namespace

CanvasTools::CanvasTools(Editor& ctx, EditHistory& history)
    : ctx_(ctx),
      history_(history),
      select_(ctx),
      move_(ctx),
      transform_(ctx),
      addPoint_(ctx),
      deletePoint_(ctx),
      creation_(ctx) {}

// The rounded box has no tool yet: nullptr.
CanvasTool* CanvasTools::ToolFor(Tool tool) {
  switch (tool) {
    case Tool::Move:
      return &move_;
    case Tool::Select:
      return &select_;
    case Tool::Scale:
    case Tool::Rotate:
      return &transform_;
    case Tool::AddPoint:
      return &addPoint_;
    case Tool::DeletePoint:
      return &deletePoint_;
    case Tool::RoundBox:
      return nullptr;
    case Tool::ComplexShape:
    case Tool::Box:
    case Tool::Circle:
    case Tool::Line:
    case Tool::Curve:
    case Tool::Image:
    case Tool::Text:
      return &creation_;
  }
  return nullptr;
}

void CanvasTools::HandleEvent(const CanvasInput& input) {
  if (input.kind == CanvasInput::kKeyDown) {
    if (input.shift || input.key == kKeyShift) ctx_.View.ShiftHeld = true;
    if (input.key == kKeySpace) ctx_.SpaceHeld = true;
    if (IsArrowKey(input.key)) Nudge(input);
    return;
  }
  const bool press = input.kind == CanvasInput::kPress && input.left;
  const bool drag = input.kind == CanvasInput::kMove && input.left;
  // A release that went to a dialog (a file requester or an error box opened
  // by the press) never reaches the canvas: the gesture ended there.
  const bool buttonUpUnseen = press || (input.kind == CanvasInput::kMove && !input.left);
  if (buttonUpUnseen && ctx_.ButtonDown) Release();
  if (!press && !drag) {
    if (input.kind == CanvasInput::kKeyUp && input.key == kKeySpace) ctx_.SpaceHeld = false;
    if (input.kind == CanvasInput::kKeyUp && input.key == kKeyShift) ctx_.View.ShiftHeld = false;
    if (input.kind == CanvasInput::kRelease && input.left) Release();
    return;
  }
  // Shift held while clicking counts even when the canvas missed its key-down.
  if (press && input.shift) ctx_.View.ShiftHeld = true;

  const std::optional<ScenePointer> pointer = PointerToScene(ctx_, input.x, input.y);
  ScenePointer p;
  if (pointer) {
    p = *pointer;
    ctx_.MouseX = p.MX;
    ctx_.MouseY = p.MY;
    if (ctx_.SpaceHeld) {
      Pan(p);
    } else if (press && !ctx_.ButtonDown) {
      Press(p);
    } else if (drag && ctx_.ButtonDown && active_ != nullptr) {
      active_->Drag(p, previous_);
    }
    previous_ = p;
  }
  // The pick follows the gesture until a press resolves it; the redraw that
  // shows the result only paints.
  if (ctx_.View.Drag != DragMode::None || ctx_.ButtonDown) {
    RunPick(ctx_, ctx_.View, p.MX, p.MY);
    ctx_.Hooks->RedrawCanvas();
  }
}

void CanvasTools::Pan(const ScenePointer& p) {
  if (!ctx_.ButtonDown) {
    ctx_.ButtonDown = true;
    ctx_.DragStartX = p.SX;
    ctx_.DragStartY = p.SY;
  }
  ctx_.View.PanX = Wrap16(p.MX - ctx_.DragStartX);
  ctx_.View.PanY = Wrap16(p.MY - ctx_.DragStartY);
}

void CanvasTools::Press(const ScenePointer& p) {
  ctx_.DragStartX = p.SX;
  ctx_.DragStartY = p.SY;
  ctx_.ButtonDown = true;
  ctx_.View.Drag = DragMode::None;
  // A pick left over from an earlier gesture must not swallow this one.
  ctx_.View.Pick = PickState::Open;
  active_ = ToolFor(ctx_.CurrentTool());
  history_.Begin();
  editOpen_ = true;
  if (active_ != nullptr) active_->Press(p);
}

void CanvasTools::Release() {
  const char* name = GestureName(ctx_.CurrentTool(), ctx_.View.Drag);
  ctx_.View.Drag = DragMode::None;
  ctx_.View.Pick = PickState::Open;
  ctx_.ButtonDown = false;
  active_ = nullptr;
  if (ctx_.View.CreateMode) {
    ctx_.View.CreateMode = false;
    ctx_.UseTool(Tool::Move);
    ctx_.Hooks->ShowTool(ButtonNumber(Tool::Move));
  }
  // The panels follow from the history's announcement of what the gesture did.
  if (editOpen_) history_.End(name);
  editOpen_ = false;
}

// Each press, held keys' repeats included, moves the selection; a burst of
// them is one step, closed by the next edit or when the canvas loses the
// focus. Not during a gesture, whose edit is still open.
void CanvasTools::Nudge(const CanvasInput& arrow) {
  if (ctx_.ButtonDown || NudgeableShapes(ctx_).empty()) return;
  const bool horizontal = arrow.key == kKeyLeft || arrow.key == kKeyRight;
  const int64_t sign = arrow.key == kKeyLeft || arrow.key == kKeyUp ? -1 : 1;
  const int64_t distance = sign * NudgeStep(ctx_.Options, arrow.shift, horizontal);
  history_.Begin(kNudgeMergeKey);
  NudgeSelection(ctx_, horizontal ? distance : 0, horizontal ? 0 : distance);
  history_.End("Nudge", kNudgeMergeKey);
}

}  // namespace tavisk
