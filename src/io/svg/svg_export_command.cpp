#include "io/svg/svg_export_command.h"

#include <optional>

#include "io/svg/svg_writer.h"
#include "render/painting_failure.h"

namespace tavisk {

void ExportSceneSvg(EditorContext& ctx, int canvasWidth, int canvasHeight) {
  const std::string answer =
      ctx.Req->SaveFile("Export as SVG...", "", "SVG Images|*.svg|All Files|*.*", 0);
  if (answer.empty()) return;
  const std::optional<bool> drawnArea = ctx.Req->AskYesNo("Export as SVG", kSvgAreaQuestion);
  if (!drawnArea.has_value()) return;
  SvgExportOptions options;
  options.Area = *drawnArea ? kExportDrawnArea : kExportCamera;
  const std::string path = SvgFileName(answer);
  static PaintingFailureReport failures;
  SvgExportResult result = SvgExportResult::NothingSaved;
  const auto save = [&] { result = SaveSceneSvg(ctx, options, canvasWidth, canvasHeight, path); };
  if (!failures.Run(ctx.Req, save)) return;
  switch (result) {
    case SvgExportResult::Saved:
      break;
    case SvgExportResult::NothingSaved:
      ctx.Req->Message("Export as SVG",
                       *drawnArea ? "Nothing is drawn: no SVG file was written."
                                  : "The camera rectangle lies outside the drawing: no SVG "
                                    "file was written.",
                       MessageIcon::Info);
      break;
    case SvgExportResult::WriteFailed:
      ctx.Req->Message("Export as SVG", "Cannot save the SVG file: " + path, MessageIcon::Error);
      break;
    case SvgExportResult::TooLarge:
      ctx.Req->Message("Export as SVG", kExportTooLargeText, MessageIcon::Error);
      break;
  }
}

}  // namespace tavisk
