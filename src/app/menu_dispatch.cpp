#include "app/menu_dispatch.h"

#include <QAction>

#include "app/canvas_widget.h"
#include "app/help.h"
#include "app/main_window.h"
#include "app/menu_table.h"
#include "document/object_creation.h"
#include "edit/boolean_operations.h"
#include "edit/document_file.h"
#include "edit/figure_split_join.h"
#include "edit/object_operations.h"
#include "edit/path_closing.h"
#include "edit/point_editing.h"
#include "edit/point_insertion.h"
#include "edit/selection_edits.h"
#include "edit/shape_conversion.h"
#include "edit/shape_operations.h"
#include "edit/svg_import.h"
#include "edit/unsaved_changes.h"
#include "edit/view_commands.h"
#include "io/purebasic/source_export.h"
#include "io/svg/svg_export_command.h"
#include "render/image_export.h"

namespace tavisk {

namespace {

// Why a boolean operation left the shapes as they were.
constexpr const char* kBooleanRefusal =
    "Select at least two shapes that fill an area (boxes, circles, lines, curves or complex "
    "shapes, neither locked nor hidden). The shapes stay as they are when the result would "
    "cover nothing.";

// A check item flips its option and shows the new value.
void BindToggle(MainWindow& window, EditorContext& ctx, int id, uint8_t sPzOptions::*option) {
  window.SetMenuOperation(id, [&window, &ctx, id, option] {
    const uint8_t value = ToggleViewOption(ctx, ctx.Options.*option);
    if (QAction* action = window.MenuAction(id)) action->setChecked(value == 1);
  });
}

}  // namespace

void InstallMenuOperations(MainWindow& window, Editor& ctx, EditHistory& history) {
  // Not while a canvas gesture holds shapes it is still changing: the step
  // it makes would be taken from under it.
  window.SetMenuOperation(kMenuUndo, [&ctx, &history] {
    if (!ctx.ButtonDown) history.Undo();
  });
  window.SetMenuOperation(kMenuRedo, [&ctx, &history] {
    if (!ctx.ButtonDown) history.Redo();
  });
  window.SetMenuOperation(kMenuNewDocument, [&ctx, &history] {
    if (!MayLeaveDocument(ctx, history)) return;
    NewDocument(ctx);
    history.Forget();
  });
  window.SetMenuOperation(kMenuLoadDocument, [&ctx, &history] {
    if (!MayLeaveDocument(ctx, history)) return;
    if (LoadDocument(ctx, 0, "")) history.Forget();
  });
  window.SetMenuOperation(kMenuMerge, [&ctx] { LoadDocument(ctx, 1, ""); });
  window.SetMenuOperation(kMenuImportSvg, [&ctx] { ImportSvgFile(ctx, ""); });
  window.SetMenuOperation(kMenuSave, [&ctx, &history] { SaveAndMark(ctx, history, ctx.DocFile); });
  // "Save a copy" adopts the name it saves under, as a "save as" does.
  window.SetMenuOperation(kMenuSaveCopy, [&ctx, &history] { SaveAndMark(ctx, history, ""); });
  const auto exportImage = [&window, &ctx](int mode) {
    ExportImage(ctx, mode, window.Canvas()->contentsRect().width(),
                window.Canvas()->contentsRect().height());
  };
  window.SetMenuOperation(kMenuExportDrawnArea, [exportImage] { exportImage(0); });
  window.SetMenuOperation(kMenuExportCamera, [exportImage] { exportImage(1); });
  window.SetMenuOperation(kMenuExportSvg, [&window, &ctx] {
    ExportSceneSvg(ctx, window.Canvas()->contentsRect().width(),
                   window.Canvas()->contentsRect().height());
  });
  window.SetMenuOperation(kMenuExportSource, [&ctx] { ExportObjectSource(ctx); });
  window.SetMenuOperation(kMenuQuit, [&window, &ctx, &history] {
    if (MayLeaveDocument(ctx, history)) window.RequestQuit();
  });

  window.SetMenuOperation(kMenuPointDelete, [&ctx] { DeletePoint(ctx, ctx.CurrentPoint); });
  const std::pair<int, void (*)(EditorContext&)> pointOperations[] = {
      {kMenuPointOpenPath, OpenPath},          {kMenuPointClosePath, ClosePath},
      {kMenuPointAddBefore, AddPointBefore},   {kMenuPointAddAfter, AddPointAfter},
      {kMenuPointToLine, ConvertToLine},       {kMenuPointToCurve, ConvertToCurve},
      {kMenuPointToComplex, ConvertToComplex}, {kMenuPointSeparate, SeparateFigures},
      {kMenuPointJoin, JoinSelectedShapes},
  };
  for (const auto& [id, operation] : pointOperations) {
    window.SetMenuOperation(id, [&ctx, operation] { operation(ctx); });
  }
  const std::pair<int, BooleanOp> booleanOperations[] = {
      {kMenuUnion, BooleanOp::Union},
      {kMenuDifference, BooleanOp::Difference},
      {kMenuIntersection, BooleanOp::Intersection},
      {kMenuExclusion, BooleanOp::Exclusion},
  };
  for (const auto& [id, op] : booleanOperations) {
    window.SetMenuOperation(id, [&ctx, op] {
      if (!ApplyBooleanOp(ctx, op)) {
        ctx.Req->Message("Info", kBooleanRefusal, MessageIcon::Info);
      }
    });
  }

  window.SetMenuOperation(kMenuSelectAll, [&ctx] { SelectAll(ctx); });
  window.SetMenuOperation(kMenuDeselectAll, [&ctx] { DeselectAll(ctx); });
  window.SetMenuOperation(kMenuPasteToShape, [&ctx] { PasteToShape(ctx); });
  window.SetMenuOperation(kMenuDeleteShape, [&ctx] { DeleteCurrentShape(ctx); });
  window.SetMenuOperation(kMenuShapeUp, [&ctx] { MoveShapeUp(ctx); });
  window.SetMenuOperation(kMenuShapeDown, [&ctx] { MoveShapeDown(ctx); });
  // The same layer as the object panel's add button: named, at 100 %.
  window.SetMenuOperation(kMenuAddObject, [&ctx] { AddObject(ctx, 1); });
  // The menu item does what the object panel's delete button does.
  window.SetMenuOperation(kMenuDeleteObject, [&ctx] { DeleteCurrentObject(ctx); });

  // The check mark says whether the whole selection is locked: a click
  // unlocks a locked one and locks any other.
  window.SetMenuOperation(kMenuLockSelection, [&window, &ctx] {
    SetSelectionLocked(ctx, SelectionLocked(ctx) ? 0 : 1);
    // Without a selection the click changed nothing but the mark.
    window.MenuAction(kMenuLockSelection)->setChecked(SelectionLocked(ctx));
  });

  window.SetMenuOperation(kMenuZoomIn, [&ctx] { ZoomIn(ctx); });
  window.SetMenuOperation(kMenuZoomOut, [&ctx] { ZoomOut(ctx); });
  window.SetMenuOperation(kMenuZoom50, [&ctx] { SetZoom(ctx, 50); });
  window.SetMenuOperation(kMenuZoom100, [&ctx] { SetZoom(ctx, 100); });
  window.SetMenuOperation(kMenuZoom200, [&ctx] { SetZoom(ctx, 200); });
  window.SetMenuOperation(kMenuViewReset, [&ctx] { ViewReset(ctx); });

  window.SetMenuOperation(kMenuAbout,
                          [&ctx] { ctx.Req->Message("Info", AboutText(), MessageIcon::None); });
  window.SetMenuOperation(kMenuHelpRtf, [&window, &ctx] { ShowHelp(&window, *ctx.Req, 0); });
  window.SetMenuOperation(kMenuHelpHtml, [&window, &ctx] { ShowHelp(&window, *ctx.Req, 1); });

  BindToggle(window, ctx, kMenuShowGrid, &sPzOptions::ShowGrid);
  BindToggle(window, ctx, kMenuShowCameraBorder, &sPzOptions::ShowCameraBorder);
  BindToggle(window, ctx, kMenuHideAnchor, &sPzOptions::HideAncre);
  BindToggle(window, ctx, kMenuShowSelection, &sPzOptions::ShowSelection);
  BindToggle(window, ctx, kMenuShowOnlySelected, &sPzOptions::ShowOnlySel);
}

}  // namespace tavisk
