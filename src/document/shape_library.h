// The shape library: the template documents of "data\shapes\".
#pragma once

#include <string>
#include <vector>

namespace tavisk {

// The file names ("1-defaut.txt") of the documents in "data\shapes\",
// folders such as "_autosave" left out, sorted by name so the list reads
// the same on every file system; empty when the folder cannot be read.
std::vector<std::string> ListShapeFiles();

}  // namespace tavisk
