#include "cli_commands.h"

#include <ostream>
#include <string>

#include "document/editor_context.h"
#include "document/picture_loader.h"
#include "edit/document_file.h"
#include "import_svg_command.h"
#include "io/options/options_file.h"
#include "io/purebasic/source_export.h"
#include "platform/scripted_requesters.h"
#include "render/image_export.h"
#include "svg_command.h"

namespace tavisk::cli {

namespace {

// The editor's options file is read when present and never created.
void ReadOptionsIfPresent(sPzOptions& options, std::ostream& err) {
  const OptionsReadResult read = ReadOptionsFile(".");
  if (read.State == OptionsFileState::Damaged) {
    err << "tavisk-cli: warning: " << kOptionsFileName
        << " could not be read; using the default camera\n";
  }
  options = read.Options;
}

// Reads the document as the editor does; false when the file cannot be read
// or holds no line of a document. Only the PNG and SVG exports draw, so only
// they decode pictures: the others need no more than their file names, and a
// picture's pixels can be a thousand times its file. Messages the loader
// shows (missing pictures, the picture budget) become warnings.
bool LoadInto(EditorContext& ctx, ScriptedRequesters& req, const Arguments& args,
              std::ostream& err) {
  const std::string& path = args.Document;
  PictureLoader loadPicture;
  if (args.Cmd == Command::Png || args.Cmd == Command::Svg) {
    loadPicture = [&ctx](const std::string& picture) { return LoadPicture(ctx, 0, picture); };
  }
  switch (LoadDocumentFile(ctx, kLoadReplace, path, loadPicture)) {
    case DocumentFileLoad::Loaded:
      break;
    case DocumentFileLoad::NotADocument:
      err << "tavisk-cli: '" << path << "' is not a document\n";
      return false;
    default:
      err << "tavisk-cli: cannot read document '" << path << "'\n";
      return false;
  }
  for (const ShownMessage& message : req.Messages) {
    err << "tavisk-cli: warning: " << message.Title << ": " << message.Text << "\n";
  }
  req.Messages.clear();
  return true;
}

int ExportPng(EditorContext& ctx, const Arguments& args, std::ostream& out, std::ostream& err) {
  const std::string path = ImageFileName(args.Output);
  const ImageExportResult result =
      SaveSceneImage(ctx, args.CameraArea ? kExportCamera : kExportDrawnArea,
                     DrawingWidth(ctx.Options), DrawingHeight(ctx.Options), path);
  if (result == ImageExportResult::NothingSaved) return NothingToExport(args.CameraArea, err);
  if (result == ImageExportResult::TooLarge) {
    err << "tavisk-cli: " << kExportTooLargeText << "\n";
    return kExitNothingToExport;
  }
  return Written(result == ImageExportResult::Saved, path, out, err);
}

int ExportPb(EditorContext& ctx, const Arguments& args, std::ostream& out, std::ostream& err) {
  if (!ValidIndex(ctx.Obj, args.Object)) {
    err << "tavisk-cli: no object " << args.Object << ": the document has " << ctx.Obj.size()
        << " object(s)\n";
    return kExitNothingToExport;
  }
  ctx.CurrentObject = args.Object;
  return Written(SaveObjectSource(ctx, args.Output), SourceFileName(args.Output), out, err);
}

int Resave(EditorContext& ctx, const Arguments& args, std::ostream& out, std::ostream& err) {
  // The editor's save, as the autosave makes it: the document keeps no name.
  const bool saved = SaveDocument(ctx, args.Output, 1);
  return Written(saved, DocumentFilePath(args.Output), out, err);
}

}  // namespace

int NothingToExport(bool cameraArea, std::ostream& err) {
  err << "tavisk-cli: nothing to export: "
      << (cameraArea ? "the camera rectangle lies outside the drawing\n"
                     : "no pixel is drawn between the origin and the camera's far corner\n");
  return kExitNothingToExport;
}

int Written(bool ok, const std::string& path, std::ostream& out, std::ostream& err) {
  if (!ok) {
    err << "tavisk-cli: cannot write '" << path << "'\n";
    return kExitNotWritten;
  }
  out << path << "\n";
  return kExitDone;
}

int RunCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (args.Cmd == Command::Help) {
    out << UsageText();
    return kExitDone;
  }
  if (args.Cmd == Command::ImportSvg) return ImportSvg(args, out, err);
  EditorContext ctx;
  ScriptedRequesters req;
  ctx.Req = &req;
  ReadOptionsIfPresent(ctx.Options, err);
  if (!LoadInto(ctx, req, args, err)) return kExitUnreadable;
  switch (args.Cmd) {
    case Command::Png:
      return ExportPng(ctx, args, out, err);
    case Command::Pb:
      return ExportPb(ctx, args, out, err);
    case Command::Svg:
      return ExportSvg(ctx, args, out, err);
    default:
      return Resave(ctx, args, out, err);
  }
}

}  // namespace tavisk::cli
