#include "app/error_report_text.h"

#include <ucontext.h>

namespace tavisk {

namespace {

// Appends into a fixed buffer, silently cutting what does not fit.
class FixedWriter {
 public:
  FixedWriter(char* buffer, size_t size) : buffer_(buffer), size_(size) {
    if (size_ > 0) buffer_[0] = '\0';
  }

  void Text(const char* text) {
    for (; *text != '\0'; ++text) Char(*text);
  }

  void Char(char c) {
    if (length_ + 1 >= size_) return;
    buffer_[length_++] = c;
    buffer_[length_] = '\0';
  }

  void Unsigned(uint64_t value) {
    char digits[20];
    int count = 0;
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    while (count > 0) Char(digits[--count]);
  }

  void Signed(int64_t value) {
    if (value < 0) Char('-');
    // Negating in unsigned arithmetic keeps the most negative value exact.
    Unsigned(value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value));
  }

  size_t Length() const { return length_; }

 private:
  char* buffer_;
  size_t size_;
  size_t length_ = 0;
};

uint64_t InstructionAddress(const void* context) {
  if (context == nullptr) return 0;
  const auto* uc = static_cast<const ucontext_t*>(context);
#if defined(__x86_64__)
  return static_cast<uint64_t>(uc->uc_mcontext.gregs[REG_RIP]);
#elif defined(__aarch64__)
  return static_cast<uint64_t>(uc->uc_mcontext.pc);
#else
  (void)uc;
  return 0;
#endif
}

}  // namespace

FaultInfo DescribeSignal(int signo, const siginfo_t* info, const void* context) {
  FaultInfo fault;
  fault.CodeAddress = InstructionAddress(context);
  const uint64_t target =
      info != nullptr ? static_cast<uint64_t>(reinterpret_cast<uintptr_t>(info->si_addr)) : 0;
  switch (signo) {
    case SIGSEGV:
    case SIGBUS:
      fault.Description =
          signo == SIGSEGV ? "Invalid memory access" : "Invalid memory access (bus error)";
      fault.Code = kCodeMemoryAccess;
      fault.Kind = FaultKind::MemoryAccess;
      fault.TargetAddress = target;
      break;
    case SIGFPE:
      if (info != nullptr && info->si_code == FPE_INTDIV) {
        fault.Description = "Integer division by zero";
        fault.Code = kCodeIntegerDivide;
        fault.Kind = FaultKind::IntegerDivide;
        fault.TargetAddress = target;
      } else if (info != nullptr && info->si_code == FPE_INTOVF) {
        fault.Description = "Integer overflow";
        fault.Code = kCodeIntegerOverflow;
      } else {
        fault.Description = "Floating-point error";
        fault.Code = kCodeFloatingPoint;
      }
      break;
    case SIGILL:
      fault.Description = "Illegal instruction";
      fault.Code = kCodeIllegalInstruction;
      break;
    default:
      fault.Description = "Program aborted";
      fault.Code = kCodeAbort;
      break;
  }
  return fault;
}

size_t FormatErrorReport(const FaultInfo& fault, char* buffer, size_t size) {
  FixedWriter out(buffer, size);
  out.Text("A program error was detected:\r\r");
  out.Text("Error Message:   ");
  out.Text(fault.Description != nullptr ? fault.Description : "");
  out.Text("\rError Code:      ");
  out.Signed(fault.Code);
  out.Text("\rCode Address:    ");
  out.Unsigned(fault.CodeAddress);
  out.Char('\r');
  if (fault.Kind == FaultKind::MemoryAccess || fault.Kind == FaultKind::IntegerDivide) {
    out.Text(fault.Kind == FaultKind::MemoryAccess ? "Error IMA :  " : "Error divide by zero :  ");
    out.Unsigned(fault.TargetAddress);
    out.Char('\r');
  }
  out.Char('\r');
  return out.Length();
}

}  // namespace tavisk
