// Reads an SVG picture into one layer of our shapes (see svg_layer_builder
// for what becomes what). Nothing outside the text is ever fetched: no
// external entities, no linked files.
#pragma once

#include <string>
#include <vector>

#include "document/scene.h"

namespace tavisk {

struct SvgImportOptions {
  // Our points are whole units: a 16-pixel icon read at scale 1 loses its
  // detail, at scale 8 it keeps it.
  double Scale = 1.0;
};

struct SvgReadResult {
  bool Read = false;
  sObject Layer;
  // The picture's width and height after the scale, from its root element.
  double Width = 0;
  double Height = 0;
  // What the picture holds that the layer could not keep, each kind once.
  std::vector<std::string> Dropped;
  // Why nothing was read, when Read is false.
  std::string Error;
};

SvgReadResult ReadSvgText(const std::string& text, const SvgImportOptions& options = {});

// Reads the file at path; a special file (a FIFO, a device, a folder) or
// one larger than an import may be is refused unread, with the reason in
// Error.
SvgReadResult ReadSvgFile(const std::string& path, const SvgImportOptions& options = {});

}  // namespace tavisk
