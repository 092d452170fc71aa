#include "import_svg_command.h"

#include <ostream>

#include "cli_commands.h"
#include "document/document_file.h"
#include "document/document_writer.h"
#include "edit/svg_import.h"
#include "io/svg/svg_reader.h"
#include "platform/file_io.h"

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
  read.Layer.Name = SvgLayerName(args.Document);
  const std::string path = DocumentFilePath(args.Output);
  if (!WriteFileAtomically(path, WriteDocumentText({read.Layer}))) {
    err << "tavisk-cli: cannot write '" << path << "'\n";
    return kExitNotWritten;
  }
  out << path << "\n";
  return kExitDone;
}

}  // namespace tavisk::cli
