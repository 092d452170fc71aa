// The monotonic millisecond clock and the pseudo-random generator.
#pragma once

#include <cstdint>
#include <string>

namespace tavisk {

// Milliseconds since an arbitrary origin; only differences mean anything.
int64_t ElapsedMilliseconds();

// A pseudo-random integer in [low, high], from a generator seeded once from
// the thread identity and the clock.
int64_t RandomInRange(int64_t low, int64_t high);

// Today's date as dd/mm/yyyy.
std::string TodayDate();

}  // namespace tavisk
