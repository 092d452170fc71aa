// Runs a case of this test program in a fresh process of its own (the test
// binary again, filtered to one child test), so that its peak memory belongs
// to that case alone, under an address-space limit so that a runaway case
// fails instead of taking the machine's memory. A fork without exec would
// inherit a thread pool whose threads do not exist in the child.
#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "support/bounded_child.h"

namespace tavisk::test {

// What the child measured; died is set when it did not report.
struct ChildMeasure {
  bool died = true;
  long peakGrowthMb = 0;
  double seconds = 0;
  long detail = 0;  // one number the case reports besides
};

inline constexpr const char* kChildCaseVariable = "TAVISK_CHILD_CASE";
inline constexpr const char* kChildFdVariable = "TAVISK_CHILD_FD";

inline long AddressSpaceKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmSize:", 0) == 0) return std::stol(line.substr(7));
  }
  return 0;
}

// In the child: limits the address space to what it holds plus limitMb,
// runs work and sends the measure to the parent.
template <typename Work>
void MeasureInChild(long limitMb, Work work) {
  const rlimit limit{static_cast<rlim_t>((AddressSpaceKb() / 1024 + limitMb) << 20),
                     static_cast<rlim_t>((AddressSpaceKb() / 1024 + limitMb) << 20)};
  ::setrlimit(RLIMIT_AS, &limit);
  const long before = PeakRssKb();
  const auto start = std::chrono::steady_clock::now();
  ChildMeasure m;
  m.detail = work();
  m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  m.peakGrowthMb = (PeakRssKb() - before) / 1024;
  m.died = false;
  const int fd = std::atoi(std::getenv(kChildFdVariable));
  if (::write(fd, &m, sizeof m) != static_cast<ssize_t>(sizeof m)) std::abort();
}

// In the parent: runs the test named childTest with the case name set.
inline ChildMeasure RunChildCase(const std::string& childTest, const std::string& caseName) {
  int ends[2];
  if (::pipe(ends) != 0) return {};
  const std::string filter = "--gtest_filter=" + childTest;
  const std::string caseVar = std::string(kChildCaseVariable) + "=" + caseName;
  const std::string fdVar = std::string(kChildFdVariable) + "=" + std::to_string(ends[1]);
  std::vector<char*> env;
  for (char** e = environ; *e != nullptr; ++e) env.push_back(*e);
  env.push_back(const_cast<char*>(caseVar.c_str()));
  env.push_back(const_cast<char*>(fdVar.c_str()));
  env.push_back(nullptr);
  char* argv[] = {const_cast<char*>("child"), const_cast<char*>(filter.c_str()), nullptr};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(ends[0]);
    ::dup2(::open("/dev/null", O_WRONLY), STDOUT_FILENO);
    ::execve("/proc/self/exe", argv, env.data());
    ::_exit(127);
  }
  ::close(ends[1]);
  ChildMeasure m;
  if (::read(ends[0], &m, sizeof m) != static_cast<ssize_t>(sizeof m)) m = ChildMeasure{};
  ::close(ends[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) m.died = true;
  return m;
}

}  // namespace tavisk::test
