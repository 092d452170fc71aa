#include "document/special_file_message.h"

namespace tavisk {

void TellNotARegularFile(Requesters& req, const std::string& path) {
  req.Message("Error", "Not a regular file (a pipe, a device or a folder), left as it is: " + path,
              MessageIcon::Error);
}

}  // namespace tavisk
