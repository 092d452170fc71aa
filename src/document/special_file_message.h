// The message for a file the program refuses to read or replace because it
// is a FIFO, a device or a folder rather than a regular file.
#pragma once

#include <string>

#include "platform/requesters.h"

namespace tavisk {

void TellNotARegularFile(Requesters& req, const std::string& path);

}  // namespace tavisk
