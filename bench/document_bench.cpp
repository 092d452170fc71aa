// Document load and save throughput on a generated scene of 100,000 shapes,
// each against the time of merely reading or writing the same bytes. Work and
// baseline alternate round by round, so both see the same machine load; the
// medians of wall time and of thread CPU time are printed.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "document_generator.h"
#include "edit/document_file.h"
#include "edit/document_loading.h"
#include "io/document/document_writer.h"
#include "platform/file_io.h"

namespace tavisk::bench {
namespace {

constexpr int kRounds = 11;

struct Times {
  std::vector<double> Wall;
  std::vector<double> Cpu;
};

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void TimeOnce(const std::function<void()>& work, Times& times) {
  const double cpu = ThreadCpuSeconds();
  const auto wall = std::chrono::steady_clock::now();
  work();
  times.Wall.push_back(
      std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count());
  times.Cpu.push_back(ThreadCpuSeconds() - cpu);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Runs baseline and work in turn, kRounds times, and prints one line.
void Compare(const char* what, double bytes, const std::function<void()>& work,
             const std::function<void()>& baseline) {
  Times workTimes;
  Times baseTimes;
  for (int round = 0; round < kRounds; ++round) {
    TimeOnce(baseline, baseTimes);
    TimeOnce(work, workTimes);
  }
  const double mb = bytes / 1e6;
  const double wall = mb / Median(workTimes.Wall);
  const double base = mb / Median(baseTimes.Wall);
  std::printf(
      "%-28s %7.1f MB/s wall (%6.1f ms)  %7.1f MB/s cpu   baseline %8.1f MB/s  ratio %.3f\n", what,
      wall, mb / wall * 1e3, mb / Median(workTimes.Cpu), base, wall / base);
}

int Run() {
  const std::string path = "tavisk_document_bench.txt";
  const std::string copy = "tavisk_document_bench_baseline.txt";
  const std::vector<sObject> scene = GenerateDocumentScene(100000, 20261208);
  const std::string text = WriteDocumentText(scene);
  const double bytes = static_cast<double>(text.size());
  if (!WriteFileAtomically(path, text)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf(
      "document: 100000 shapes, each with 1 effect and 4 points: %.1f MB; medians of %d rounds\n",
      bytes / 1e6, kRounds);

  std::string read;
  const auto readFile = [&] { ReadWholeFile(path, read); };
  const auto writeFile = [&] { WriteFileAtomically(copy, text); };
  EditorContext ctx;
  Compare(
      "load (LoadDocument)", bytes, [&] { LoadDocument(ctx, 0, path); }, readFile);
  Compare(
      "  parse only, in memory", bytes, [&] { LoadDocumentText(ctx, kLoadReplace, text, nullptr); },
      readFile);
  Compare(
      "save (SaveDocument, copy)", bytes, [&] { SaveDocument(ctx, path, 1); }, writeFile);
  std::string encoded;
  Compare(
      "  encode only, in memory", bytes, [&] { encoded = WriteDocumentText(ctx.Obj); }, writeFile);
  std::string saved;
  ReadWholeFile(path, saved);
  const bool same = encoded == text && saved == text;
  std::printf(
      "baselines: read the file into memory; atomic write (fsync, rename) of the same bytes\n");
  std::printf("save-load-save identical: %s\n", same ? "yes" : "NO");
  std::remove(path.c_str());
  std::remove(copy.c_str());
  return same ? 0 : 1;
}

}  // namespace
}  // namespace tavisk::bench

int main() {
  return tavisk::bench::Run();
}
