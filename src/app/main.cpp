#include "app/error_report.h"
#include "app/main_loop.h"

int main(int argc, char** argv) {
  // The fatal-error report is shown by a fresh run of this program.
  if (tavisk::IsErrorReportMode(argc, argv)) return tavisk::RunErrorReport(argc, argv);
  return tavisk::RunEditor(argc, argv);
}
