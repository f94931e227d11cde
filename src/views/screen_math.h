#pragma once
// The integer arithmetic of screen positions: truncation toward zero into 32 bits and sums that
// wrap as two's complement, so that extreme coordinates give defined, reproducible pixels.

#include <cmath>
#include <cstdint>
#include <limits>

namespace screen {

// Toward zero; NaN and values outside the 32-bit range become INT_MIN.
inline int Trunc(double v) {
  constexpr double kLimit = 2147483648.0;  // 2^31
  if (!(v > -kLimit - 1.0 && v < kLimit)) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

inline int WrapAdd(int a, int b) {
  return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline int WrapSub(int a, int b) {
  return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// The smaller of two values as the comparison a < b decides it (NaN gives b).
inline double Min(double a, double b) { return a < b ? a : b; }

// Pixel offsets of geometry are kept within this range, so that drawing calls stay in range.
inline constexpr double kMaxOffset = 32767.0;

// NaN passes unchanged.
inline double ClampOffset(double v) { return v < -kMaxOffset ? -kMaxOffset : (v > kMaxOffset ? kMaxOffset : v); }

}  // namespace screen
