// The command line of tavisk-cli, parsed without touching any file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavisk::cli {

enum class Command { Help, Png, Pb, Resave, Svg, ImportSvg };

struct Arguments {
  Command Cmd = Command::Help;
  std::string Document;
  std::string Output;
  bool CameraArea = false;  // png, svg: the camera rectangle instead of the drawn area
  int64_t Object = 0;       // pb, svg: index of the object to export
  bool OneObject = false;   // svg: only Object, not every visible object
  bool TextAsPaths = false;  // svg: texts as outlines
  double Scale = 1.0;       // import-svg: the picture's scale
};

struct ParseResult {
  Arguments Args;
  std::string Error;  // empty when the command line is valid
};

// args excludes the program name.
ParseResult ParseArguments(const std::vector<std::string>& args);

std::string UsageText();

}  // namespace tavisk::cli
