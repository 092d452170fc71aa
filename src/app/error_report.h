// The fatal-error report. A signal handler formats the report and runs the
// program again in report mode, whose fresh process shows the text in a box
// titled "Error"; the faulting process then ends without saving anything.
#pragma once

namespace tavisk {

// Installs the handler for SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT on an
// alternate stack. programPath is the program run in report mode (argv[0] of
// the editor); a name without a folder is looked up through /proc/self/exe.
void InstallErrorReport(const char* programPath);

// True when the command line is "program --error-report TEXT".
bool IsErrorReportMode(int argc, char** argv);

// Report mode: shows TEXT in a message box titled "Error" with an OK button
// and no icon, and answers 0 when it is closed. When the environment names a
// file in TAVISK_ERROR_REPORT_FILE, the text is written there instead, so an
// automated run can read what the user would see.
int RunErrorReport(int argc, char** argv);

}  // namespace tavisk
