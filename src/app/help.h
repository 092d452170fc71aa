// The About text and the two help documents.
#pragma once

#include <string>

namespace tavisk {

// Four lines joined by line feeds: what Tavisk is, how it was made, the
// version and the build date (dd/mm/yyyy).
std::string AboutText();

// Absolute path of help document which (0 the RTF guide, 1 the HTML guide),
// under the current directory; empty for any other number.
std::string HelpDocumentPath(int which);

// Asks the desktop to open the document with its viewer, without waiting;
// a missing file or viewer goes unreported.
void ShowHelp(int which);

}  // namespace tavisk
