#include "document/shape_library.h"

#include <algorithm>

#include "platform/file_io.h"

namespace tavisk {

std::vector<std::string> ListShapeFiles() {
  std::vector<std::string> names = ListFiles(DataPath("data\\shapes\\"), ".txt");
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace tavisk
