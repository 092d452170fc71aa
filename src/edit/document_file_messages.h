// What the user is told when a document cannot be saved or a file that was
// chosen for loading holds no document.
#pragma once

#include <string>

#include "platform/requesters.h"

namespace tavisk {

// error is the errno of the step that failed; the message names the path and
// the reason in plain words.
void TellNotSaved(Requesters& req, const std::string& path, int error);

void TellNotADocument(Requesters& req, const std::string& path);

}  // namespace tavisk
