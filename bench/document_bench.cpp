// Document load and save throughput on a generated scene of 100,000 shapes,
// each against the time of merely reading or writing the same bytes, taken
// in the same run. Prints medians of several rounds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "document/document_file.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document_generator.h"
#include "platform/file_io.h"

namespace tavisk::bench {
namespace {

constexpr int kRounds = 9;

double MedianSeconds(const std::function<void()>& work) {
  std::vector<double> times;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void Report(const char* what, double bytes, double seconds, double baselineSeconds) {
  const double mbps = bytes / 1e6 / seconds;
  const double baselineMbps = bytes / 1e6 / baselineSeconds;
  std::printf("%-34s %9.1f MB/s  (median %.1f ms)  baseline %9.1f MB/s  ratio %.2f\n", what, mbps,
              seconds * 1e3, baselineMbps, mbps / baselineMbps);
}

int Run() {
  const std::string path = "tavisk_document_bench.txt";
  const std::vector<sObject> scene = GenerateDocumentScene(100000, 20261208);
  const std::string text = WriteDocumentText(scene);
  const double bytes = static_cast<double>(text.size());
  if (!WriteFileAtomically(path, text)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf("document: 100000 shapes, %.1f MB, %d rounds each\n", bytes / 1e6, kRounds);

  std::string read;
  const double readSeconds = MedianSeconds([&] { ReadWholeFile(path, read); });
  EditorContext loaded;
  const double loadSeconds = MedianSeconds([&] { LoadDocument(loaded, 0, path, 0); });
  EditorContext parsed;
  const double parseSeconds =
      MedianSeconds([&] { ReadDocumentText(parsed, kLoadReplace, text, nullptr); });

  const double writeSeconds = MedianSeconds([&] { WriteFileAtomically(path, text); });
  const double saveSeconds = MedianSeconds([&] { SaveDocument(loaded, path, 1); });
  std::string encoded;
  const double encodeSeconds = MedianSeconds([&] { encoded = WriteDocumentText(loaded.Obj); });

  Report("load (LoadDocument, file)", bytes, loadSeconds, readSeconds);
  Report("parse only (in memory)", bytes, parseSeconds, readSeconds);
  Report("save (SaveDocument, file)", bytes, saveSeconds, writeSeconds);
  Report("encode only (in memory)", bytes, encodeSeconds, writeSeconds);
  std::printf("baselines: read file %.1f ms, atomic write of the same bytes %.1f ms\n",
              readSeconds * 1e3, writeSeconds * 1e3);
  const bool same = encoded == text;
  std::printf("round trip identical: %s\n", same ? "yes" : "NO");
  std::remove(path.c_str());
  return same ? 0 : 1;
}

}  // namespace
}  // namespace tavisk::bench

int main() {
  return tavisk::bench::Run();
}
