// Runs a probe in a forked child that is killed after a time limit, so a
// call that blocks forever fails its test instead of hanging the suite, and
// so a probe's peak memory is its own.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>
#include <type_traits>

namespace tavisk::test {

// What the probe answered (empty for success), or why it gave no answer.
inline std::string RunInChild(const std::function<std::string()>& probe, unsigned seconds = 10) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child < 0) return "no child";
  if (child == 0) {
    ::close(pipeEnds[0]);
    ::alarm(seconds);
    const std::string answer = probe();
    const bool sent =
        ::write(pipeEnds[1], answer.data(), answer.size()) == static_cast<ssize_t>(answer.size());
    ::_exit(sent ? 0 : 1);
  }
  ::close(pipeEnds[1]);
  std::string answer;
  char buffer[4096];
  for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
    answer.append(buffer, static_cast<size_t>(got));
  }
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) {
    return "still blocked after " + std::to_string(seconds) + " s";
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child died";
  return answer;
}

// Runs work in a forked child and returns the plain value it computed, so
// that the child's peak memory and any limit it sets are its own; nullopt
// when the child died before answering.
template <typename T, typename Work>
std::optional<T> ValueFromChild(Work work) {
  static_assert(std::is_trivially_copyable_v<T>);
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeEnds[0]);
    const T value = work();
    ::_exit(::write(pipeEnds[1], &value, sizeof value) == sizeof value ? 0 : 1);
  }
  ::close(pipeEnds[1]);
  T value{};
  const bool answered = ::read(pipeEnds[0], &value, sizeof value) == sizeof value;
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!answered) return std::nullopt;
  return value;
}

// The peak resident size of this process so far.
inline long PeakRssKb() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace tavisk::test
