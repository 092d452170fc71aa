// The options file: "Preferences.ini" in a directory, a JSON object of the
// options' members.
#pragma once

#include <string>

#include "document/options.h"

namespace tavisk {

// The JSON text of the options file, one member per line, CR LF endings.
std::string OptionsToJson(const sPzOptions& options);

// Reads the members of a JSON object into options, names matched without
// regard to case; a field whose member is missing becomes 0. Text that is not
// a JSON object leaves options unchanged and answers false.
bool OptionsFromJson(const std::string& text, sPzOptions& options);

// Defaults, then the file in directory (written with the defaults when it is
// missing), then its members.
void LoadOptions(sPzOptions& options, const std::string& directory = ".");

// Replaces the file atomically; a failure is not reported.
void SaveOptions(const sPzOptions& options, const std::string& directory = ".");

}  // namespace tavisk
