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

// What the options file in a directory gave.
enum class OptionsFileState {
  Read,     // a JSON object: its members, 0 for those it lacks
  Absent,   // no regular file there: nothing, or a FIFO, a device, a folder
  Damaged,  // a regular file that could not be read or holds no JSON object
};

struct OptionsReadResult {
  sPzOptions Options;  // the defaults unless the state is Read
  OptionsFileState State = OptionsFileState::Absent;
};

// Reads the options file in directory; never writes it.
OptionsReadResult ReadOptionsFile(const std::string& directory = ".");

// Defaults, then the file in directory (written with the defaults when it is
// missing), then its members.
void LoadOptions(sPzOptions& options, const std::string& directory = ".");

// Replaces the file atomically; a failure is not reported.
void SaveOptions(const sPzOptions& options, const std::string& directory = ".");

}  // namespace tavisk
