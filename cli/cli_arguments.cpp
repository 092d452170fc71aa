#include "cli_arguments.h"

#include <charconv>

namespace tavisk::cli {

namespace {

bool ParseIndex(const std::string& text, int64_t& value) {
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && rest == end && value >= 0;
}

bool ParseScale(const std::string& text, double& value) {
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && rest == end && value > 0 && value <= 1e6;
}

// Reads the options after DOC and OUT; answers an error text or "".
std::string ParseOptions(const std::vector<std::string>& args, size_t from, Arguments& out) {
  for (size_t i = from; i < args.size(); ++i) {
    const std::string& option = args[i];
    const bool svg = out.Cmd == Command::Svg;
    if (svg && option == "--text-as-paths") {
      out.TextAsPaths = true;
      continue;
    }
    const bool known = ((svg || out.Cmd == Command::Png) && option == "--area") ||
                       ((svg || out.Cmd == Command::Pb) && option == "--object") ||
                       (out.Cmd == Command::ImportSvg && option == "--scale");
    if (!known) return "unexpected argument '" + option + "'";
    if (i + 1 >= args.size()) return option + " needs a value";
    const std::string& value = args[++i];
    if (option == "--area") {
      if (value != "drawn" && value != "camera") {
        return "--area takes 'drawn' or 'camera', not '" + value + "'";
      }
      out.CameraArea = value == "camera";
    } else if (option == "--scale") {
      if (!ParseScale(value, out.Scale)) {
        return "--scale takes a number above 0, not '" + value + "'";
      }
    } else if (!ParseIndex(value, out.Object)) {
      return "--object takes an object index (0, 1, ...), not '" + value + "'";
    } else {
      out.OneObject = true;
    }
  }
  return "";
}

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& args) {
  ParseResult result;
  if (args.empty()) {
    result.Error = "no command given";
    return result;
  }
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    if (args.size() > 1) result.Error = "--help takes no arguments";
    return result;
  }
  if (command == "png") {
    result.Args.Cmd = Command::Png;
  } else if (command == "pb") {
    result.Args.Cmd = Command::Pb;
  } else if (command == "svg") {
    result.Args.Cmd = Command::Svg;
  } else if (command == "resave") {
    result.Args.Cmd = Command::Resave;
  } else if (command == "import-svg") {
    result.Args.Cmd = Command::ImportSvg;
  } else {
    result.Error = "unknown command '" + command + "'";
    return result;
  }
  if (args.size() < 3 || args[1].empty() || args[2].empty()) {
    result.Error = command + " needs a document and an output file";
    return result;
  }
  result.Args.Document = args[1];
  result.Args.Output = args[2];
  result.Error = ParseOptions(args, 3, result.Args);
  return result;
}

std::string UsageText() {
  return "Usage:\n"
         "  tavisk-cli png DOC OUT [--area drawn|camera]\n"
         "      Draws every visible object of document DOC and saves a PNG with alpha:\n"
         "      the area holding every drawn pixel (drawn, the default) or the camera\n"
         "      rectangle (camera). \".png\" is appended to OUT unless it ends in it.\n"
         "  tavisk-cli svg DOC OUT [--area drawn|camera] [--object N] [--text-as-paths]\n"
         "      Writes the same area as png as an SVG file: every visible object, or\n"
         "      object N alone (even hidden); texts as outlines with --text-as-paths.\n"
         "      \".svg\" is appended to OUT unless it ends in it.\n"
         "  tavisk-cli pb DOC OUT [--object N]\n"
         "      Writes object N (default 0, the first) as PureBasic source. Every \".pb\"\n"
         "      is removed from the file name of OUT and one is appended.\n"
         "  tavisk-cli resave DOC OUT\n"
         "      Loads DOC and saves it in the current document format. Every \".txt\"\n"
         "      is removed from the file name of OUT and one is appended.\n"
         "  tavisk-cli import-svg SVG OUT [--scale S]\n"
         "      Reads the SVG picture and writes a document holding it as one object,\n"
         "      scaled by S (default 1; points are whole units, so a small icon wants\n"
         "      a larger scale). What the drawing cannot hold is listed as warnings.\n"
         "      Every \".txt\" is removed from the file name of OUT and one is appended.\n"
         "  tavisk-cli --help\n"
         "\n"
         "The camera comes from Preferences.ini in the current folder when there is\n"
         "one, else from the defaults; the file is never created. The path written is\n"
         "printed on standard output.\n"
         "\n"
         "Only png and svg read the pictures of image shapes; pb and resave keep\n"
         "their file names as they are.\n"
         "\n"
         "Exit codes: 0 done, 2 bad arguments, 3 unreadable file or not a document,\n"
         "4 output not written, 5 nothing to export (empty drawing, camera outside the drawing).\n";
}

}  // namespace tavisk::cli
