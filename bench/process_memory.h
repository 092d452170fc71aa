// The process's memory as the benchmarks report it: the bytes the allocator
// has handed out and not taken back, and the resident set now and at its peak.
#pragma once

#include <cstddef>

namespace tavisk::bench {

struct ProcessMemory {
  size_t heapBytes = 0;
  size_t residentBytes = 0;
  size_t peakResidentBytes = 0;

  static ProcessMemory Now();
};

}  // namespace tavisk::bench
