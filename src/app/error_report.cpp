#include "app/error_report.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "app/error_report_text.h"
#include "app/qt_requesters.h"
#include "platform/file_io.h"

namespace tavisk {

namespace {

constexpr const char* kReportFlag = "--error-report";

// Everything the handler touches is static: it must not allocate.
char gProgram[4096];
char gReport[4096];
alignas(16) char gSignalStack[64 * 1024];

void OnFatalSignal(int signo, siginfo_t* info, void* context) {
  const FaultInfo fault = DescribeSignal(signo, info, context);
  const size_t length = FormatErrorReport(fault, gReport, sizeof gReport);
  char* const arguments[] = {gProgram, const_cast<char*>(kReportFlag), gReport, nullptr};
  const pid_t child = _Fork();
  if (child == 0) {
    ::execve(gProgram, arguments, environ);
    // No report process: the terminal, if any, still gets the text.
    ::write(STDERR_FILENO, gReport, length);
    ::_exit(127);
  }
  if (child > 0) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }
  ::_exit(128 + signo);
}

void CopyProgramPath(const char* programPath) {
  gProgram[0] = '\0';
  if (programPath != nullptr && std::strchr(programPath, '/') != nullptr &&
      std::strlen(programPath) < sizeof gProgram) {
    std::strcpy(gProgram, programPath);
    return;
  }
  const ssize_t length = ::readlink("/proc/self/exe", gProgram, sizeof gProgram - 1);
  gProgram[length > 0 ? length : 0] = '\0';
}

}  // namespace

void InstallErrorReport(const char* programPath) {
  CopyProgramPath(programPath);
  stack_t stack{};
  stack.ss_sp = gSignalStack;
  stack.ss_size = sizeof gSignalStack;
  ::sigaltstack(&stack, nullptr);

  struct sigaction action {};
  action.sa_sigaction = OnFatalSignal;
  // A second fault while reporting gets the default handling.
  action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (const int signo : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
    ::sigaction(signo, &action, nullptr);
  }
}

bool IsErrorReportMode(int argc, char** argv) {
  return argc >= 3 && argv != nullptr && std::strcmp(argv[1], kReportFlag) == 0;
}

int RunErrorReport(int argc, char** argv) {
  const std::string text = IsErrorReportMode(argc, argv) ? argv[2] : "";
  if (const char* file = std::getenv("TAVISK_ERROR_REPORT_FILE"); file != nullptr && *file) {
    return WriteFileAtomically(file, text) ? 0 : 1;
  }
  std::unique_ptr<QApplication> application;
  if (QApplication::instance() == nullptr) application = std::make_unique<QApplication>(argc, argv);
  QtRequesters().Message("Error", text, MessageIcon::None);
  return 0;
}

}  // namespace tavisk
