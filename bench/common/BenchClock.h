#pragma once
// Milliseconds from the performance counter, for the benchmarks.
#include <windows.h>

namespace bench {

inline double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER counter;
  ::QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / frequency;
}

}  // namespace bench
