#include "platform/clock.h"

#include <chrono>
#include <ctime>
#include <functional>
#include <random>
#include <thread>

namespace tavisk {

int64_t ElapsedMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t RandomInRange(int64_t low, int64_t high) {
  static std::mt19937_64 generator(
      std::hash<std::thread::id>{}(std::this_thread::get_id()) ^
      static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  if (high <= low) return low;
  return std::uniform_int_distribution<int64_t>(low, high)(generator);
}

std::string TodayDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%d/%m/%Y", &local);
  return text;
}

}  // namespace tavisk
