#include "process_memory.h"

#include <malloc.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace tavisk::bench {

namespace {

size_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  size_t totalPages = 0;
  size_t residentPages = 0;
  statm >> totalPages >> residentPages;
  return residentPages * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

size_t PeakResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      size_t kilobytes = 0;
      status >> kilobytes;
      return kilobytes * 1024;
    }
  }
  return 0;
}

}  // namespace

ProcessMemory ProcessMemory::Now() {
  const struct mallinfo2 info = mallinfo2();
  // Large blocks (a long shape list) are mapped apart and counted in hblkhd,
  // not in uordblks.
  return {info.uordblks + info.hblkhd, ResidentBytes(), PeakResidentBytes()};
}

}  // namespace tavisk::bench
