#include "svg_command.h"

#include <ostream>

#include "cli_commands.h"
#include "io/svg/svg_writer.h"

namespace tavisk::cli {

int ExportSvg(const EditorContext& ctx, const Arguments& args, std::ostream& out,
              std::ostream& err) {
  if (args.OneObject && !ValidIndex(ctx.Obj, args.Object)) {
    err << "tavisk-cli: no object " << args.Object << ": the document has " << ctx.Obj.size()
        << " object(s)\n";
    return kExitNothingToExport;
  }
  SvgExportOptions options;
  options.Area = args.CameraArea ? kExportCamera : kExportDrawnArea;
  options.Object = args.OneObject ? args.Object : -1;
  options.TextAsPaths = args.TextAsPaths;
  const std::string path = SvgFileName(args.Output);
  const SvgExportResult result =
      SaveSceneSvg(ctx, options, DrawingWidth(ctx.Options), DrawingHeight(ctx.Options), path);
  if (result == SvgExportResult::NothingSaved) return NothingToExport(args.CameraArea, err);
  if (result == SvgExportResult::TooLarge) {
    err << "tavisk-cli: " << kExportTooLargeText << "\n";
    return kExitNothingToExport;
  }
  return Written(result == SvgExportResult::Saved, path, out, err);
}

}  // namespace tavisk::cli
