#pragma once

namespace tavisk {

// Start-up, the event loop and the two ways out; returns the exit code.
int RunEditor(int argc, char** argv);

}  // namespace tavisk
