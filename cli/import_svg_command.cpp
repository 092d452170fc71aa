#include "import_svg_command.h"

#include <ostream>
#include <utility>

#include "cli_commands.h"
#include "document/editor_context.h"
#include "edit/document_file.h"
#include "edit/svg_import.h"
#include "io/svg/svg_reader.h"

namespace tavisk::cli {

int ImportSvg(const Arguments& args, std::ostream& out, std::ostream& err) {
  SvgImportOptions options;
  options.Scale = args.Scale;
  SvgReadResult read = ReadSvgFile(args.Document, options);
  for (const std::string& dropped : read.Dropped) {
    err << "tavisk-cli: warning: dropped " << dropped << "\n";
  }
  if (!read.Read) {
    err << "tavisk-cli: cannot import '" << args.Document << "': " << read.Error << "\n";
    return kExitUnreadable;
  }
  // Saved by the editor's own save, as the autosave makes it.
  EditorContext ctx;
  read.Layer.Name = SvgLayerName(args.Document);
  ctx.Obj = {std::move(read.Layer)};
  const bool saved = SaveDocument(ctx, args.Output, 1);
  return Written(saved, DocumentFilePath(args.Output), out, err);
}

}  // namespace tavisk::cli
