// The command line of tavisk-cli, parsed without touching any file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavisk::cli {

enum class Command { Help, Png, Pb, Resave, ImportSvg };

struct Arguments {
  Command Cmd = Command::Help;
  std::string Document;
  std::string Output;
  bool CameraArea = false;  // png: the camera rectangle instead of the drawn area
  int64_t Object = 0;       // pb: index of the object to export
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
