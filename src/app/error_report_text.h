// The fatal-error report text, built from what the signal tells: only
// async-signal-safe code here (no allocation, no stdio), since it runs inside
// the signal handler of a process whose heap may be broken.
#pragma once

#include <signal.h>

#include <cstddef>
#include <cstdint>

namespace tavisk {

enum class FaultKind { MemoryAccess, IntegerDivide, Other };

// Exception codes in the form the report shows them (signed 32-bit).
inline constexpr int32_t kCodeMemoryAccess = static_cast<int32_t>(0xC0000005u);
inline constexpr int32_t kCodeIntegerDivide = static_cast<int32_t>(0xC0000094u);
inline constexpr int32_t kCodeIntegerOverflow = static_cast<int32_t>(0xC0000095u);
inline constexpr int32_t kCodeFloatingPoint = static_cast<int32_t>(0xC0000090u);
inline constexpr int32_t kCodeIllegalInstruction = static_cast<int32_t>(0xC000001Du);
inline constexpr int32_t kCodeAbort = static_cast<int32_t>(0xC0000409u);

struct FaultInfo {
  const char* Description = "";
  int32_t Code = 0;
  uint64_t CodeAddress = 0;
  uint64_t TargetAddress = 0;
  FaultKind Kind = FaultKind::Other;
};

// What the signal number, its siginfo and the interrupted context (may be
// null) say about the fault.
FaultInfo DescribeSignal(int signo, const siginfo_t* info, const void* context);

// Writes the report into buffer, NUL-terminated and cut to fit; answers its
// length. Every line ends with a carriage return, and the text with two.
size_t FormatErrorReport(const FaultInfo& fault, char* buffer, size_t size);

}  // namespace tavisk
