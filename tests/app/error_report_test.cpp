#include "app/error_report.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <cstring>

#include "app/error_report_text.h"
#include "platform/file_io.h"
#include "support/temp_dir.h"

namespace tavisk {
namespace {

std::string Format(const FaultInfo& fault) {
  char buffer[1024];
  const size_t length = FormatErrorReport(fault, buffer, sizeof buffer);
  EXPECT_EQ(length, std::strlen(buffer));
  return std::string(buffer, length);
}

TEST(ErrorReportText, LinesLabelsAndTheFaultSpecificLine) {
  FaultInfo fault;
  fault.Description = "Invalid memory access";
  fault.Code = kCodeMemoryAccess;
  fault.CodeAddress = 4198400;
  fault.TargetAddress = 16;
  fault.Kind = FaultKind::MemoryAccess;
  EXPECT_EQ(Format(fault),
            "A program error was detected:\r"
            "\r"
            "Error Message:   Invalid memory access\r"
            "Error Code:      -1073741819\r"
            "Code Address:    4198400\r"
            "Error IMA :  16\r"
            "\r");

  fault.Description = "Integer division by zero";
  fault.Code = kCodeIntegerDivide;
  fault.Kind = FaultKind::IntegerDivide;
  fault.TargetAddress = 18446744073709551615u;
  const std::string divide = Format(fault);
  EXPECT_NE(divide.find("\rError Code:      -1073741676\r"), std::string::npos);
  EXPECT_NE(
      divide.find("\rCode Address:    4198400\rError divide by zero :  18446744073709551615\r\r"),
      std::string::npos)
      << divide;
  EXPECT_EQ(divide.find("IMA"), std::string::npos);

  fault.Description = "Illegal instruction";
  fault.Code = kCodeIllegalInstruction;
  fault.Kind = FaultKind::Other;
  const std::string other = Format(fault);
  EXPECT_NE(other.find("Error Code:      -1073741795\rCode Address:    4198400\r\r"),
            std::string::npos)
      << other;
  EXPECT_EQ(other.find("IMA"), std::string::npos);
  EXPECT_EQ(other.find("divide"), std::string::npos);
  EXPECT_EQ(other.find('\n'), std::string::npos);
}

TEST(ErrorReportText, SmallBuffersAreCutAndStayTerminated) {
  FaultInfo fault;
  fault.Description = "x";
  for (const size_t size : {size_t{1}, size_t{5}, size_t{40}}) {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    const size_t length = FormatErrorReport(fault, buffer, size);
    EXPECT_EQ(length, size - 1);
    EXPECT_EQ(buffer[length], '\0');
    EXPECT_EQ(buffer[size], '#');  // nothing written past the given size
  }
}

TEST(ErrorReportText, SignalsMapToCodesAndTargets) {
  siginfo_t info{};
  int target = 0;
  info.si_addr = &target;
  const uint64_t address = reinterpret_cast<uintptr_t>(&target);

  FaultInfo fault = DescribeSignal(SIGSEGV, &info, nullptr);
  EXPECT_EQ(fault.Code, -1073741819);
  EXPECT_EQ(fault.Kind, FaultKind::MemoryAccess);
  EXPECT_EQ(fault.TargetAddress, address);
  EXPECT_EQ(fault.CodeAddress, 0u);
  EXPECT_EQ(DescribeSignal(SIGBUS, &info, nullptr).Kind, FaultKind::MemoryAccess);

  info.si_code = FPE_INTDIV;
  fault = DescribeSignal(SIGFPE, &info, nullptr);
  EXPECT_EQ(fault.Code, -1073741676);
  EXPECT_EQ(fault.Kind, FaultKind::IntegerDivide);
  EXPECT_EQ(fault.TargetAddress, address);

  info.si_code = FPE_FLTDIV;
  fault = DescribeSignal(SIGFPE, &info, nullptr);
  EXPECT_EQ(fault.Kind, FaultKind::Other);
  EXPECT_EQ(fault.Code, kCodeFloatingPoint);
  info.si_code = FPE_INTOVF;
  EXPECT_EQ(DescribeSignal(SIGFPE, &info, nullptr).Code, kCodeIntegerOverflow);

  EXPECT_EQ(DescribeSignal(SIGILL, &info, nullptr).Kind, FaultKind::Other);
  EXPECT_EQ(DescribeSignal(SIGABRT, nullptr, nullptr).Code, kCodeAbort);
  EXPECT_STRNE(DescribeSignal(SIGILL, &info, nullptr).Description,
               DescribeSignal(SIGABRT, &info, nullptr).Description);
}

// A stand-in for the program in report mode: records its arguments.
std::string WriteRecorderScript(const test::ScopedWorkDir& dir) {
  const std::string script = dir.File("report.sh");
  const std::string text =
      "#!/bin/sh\nprintf '%s|%s' \"$1\" \"$2\" > '" + dir.File("report.txt") + "'\n";
  EXPECT_TRUE(WriteFileAtomically(script, text));
  ::chmod(script.c_str(), 0755);
  return script;
}

// Runs fault in a child with the report installed; answers the child's exit
// status and what the report process was given.
std::pair<int, std::string> CrashChild(void (*fault)()) {
  test::ScopedWorkDir dir;
  const std::string script = WriteRecorderScript(dir);
  const pid_t child = ::fork();
  if (child == 0) {
    InstallErrorReport(script.c_str());
    fault();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  std::string report;
  ReadWholeFile(dir.File("report.txt"), report);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, report};
}

void WriteToAddress16() {
  volatile uintptr_t address = 16;
  *reinterpret_cast<volatile int*>(address) = 1;
}

// The real trap, not the sanitizer's report of it: the report program is
// what is under test.
__attribute__((no_sanitize("integer-divide-by-zero"))) void DivideByZero() {
  volatile int zero = 0;
  volatile int result = 7 / zero;
  (void)result;
}

TEST(ErrorReport, RealFaultsRunTheReportProgramWithTheText) {
  const auto [segvStatus, segv] = CrashChild(WriteToAddress16);
  EXPECT_EQ(segvStatus, 128 + SIGSEGV);
  EXPECT_EQ(segv.rfind("--error-report|A program error was detected:\r\r", 0), 0u) << segv;
  EXPECT_NE(segv.find("\rError Code:      -1073741819\rCode Address:    "), std::string::npos);
  EXPECT_NE(segv.find("\rError IMA :  16\r\r"), std::string::npos) << segv;

  const auto [fpeStatus, fpe] = CrashChild(DivideByZero);
  EXPECT_EQ(fpeStatus, 128 + SIGFPE);
  EXPECT_NE(fpe.find("\rError Code:      -1073741676\r"), std::string::npos) << fpe;
  EXPECT_NE(fpe.find("\rError divide by zero :  "), std::string::npos) << fpe;
  EXPECT_EQ(fpe.find("Code Address:    0\r"), std::string::npos) << fpe;

  const auto [abortStatus, aborted] = CrashChild(+[] { std::abort(); });
  EXPECT_EQ(abortStatus, 128 + SIGABRT);
  EXPECT_NE(aborted.find("\rError Code:      -1073740791\r"), std::string::npos) << aborted;
  EXPECT_EQ(aborted.find("IMA"), std::string::npos);
  EXPECT_EQ(aborted.find("divide"), std::string::npos);
}

TEST(ErrorReport, ReportModeCommandLine) {
  char program[] = "tavisk";
  char flag[] = "--error-report";
  char text[] = "A program error was detected:\r\rX\r";
  char other[] = "--other";
  char* report[] = {program, flag, text, nullptr};
  char* plain[] = {program, other, text, nullptr};
  EXPECT_TRUE(IsErrorReportMode(3, report));
  EXPECT_FALSE(IsErrorReportMode(2, report));
  EXPECT_FALSE(IsErrorReportMode(1, report));
  EXPECT_FALSE(IsErrorReportMode(3, plain));

  test::ScopedWorkDir dir;
  ::setenv("TAVISK_ERROR_REPORT_FILE", dir.File("shown.txt").c_str(), 1);
  EXPECT_EQ(RunErrorReport(3, report), 0);
  ::unsetenv("TAVISK_ERROR_REPORT_FILE");
  std::string shown;
  ASSERT_TRUE(ReadWholeFile(dir.File("shown.txt"), shown));
  EXPECT_EQ(shown, text);
}

TEST(ErrorReport, ReportModeShowsAPlainErrorBox) {
  qunsetenv("TAVISK_ERROR_REPORT_FILE");  // the box, not the test hook
  char program[] = "tavisk";
  char flag[] = "--error-report";
  char text[] = "A program error was detected:\r\rError Code:      -1073741819\r\r";
  char* report[] = {program, flag, text, nullptr};
  QString title;
  QString shown;
  QMessageBox::Icon icon = QMessageBox::Critical;
  int buttons = 0;
  // Waits for the box to be up, however busy the event queue is.
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    poll.stop();
    title = box->windowTitle();
    shown = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  poll.start();
  EXPECT_EQ(RunErrorReport(3, report), 0);
  EXPECT_EQ(title, "Error");
  EXPECT_EQ(shown.toStdString(), text);
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
}

}  // namespace
}  // namespace tavisk
