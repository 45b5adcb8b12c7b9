// Sixteen bytes tested at once with the compiler's generic vectors, which
// build for every target: for scans that look for rare bytes in large text.
#pragma once

#include <cstdint>
#include <cstring>

namespace edge {

// A comparison of two Bytes16 gives a Bytes16 whose matching lanes are all
// ones and the others zero.
using Bytes16 = signed char __attribute__((vector_size(16)));

// The sixteen bytes at `at`, which need no alignment.
inline Bytes16 Load16(const char* at) {
  Bytes16 bytes;
  std::memcpy(&bytes, at, sizeof bytes);
  return bytes;
}

// Sixteen copies of `byte`.
inline Bytes16 Broadcast16(char byte) {
  Bytes16 bytes;
  for (int i = 0; i < 16; ++i) bytes[i] = static_cast<signed char>(byte);
  return bytes;
}

// The lanes as two 64-bit words, lane 0 in the low byte of the first.
inline void Halves(Bytes16 lanes, uint64_t (&halves)[2]) {
  std::memcpy(halves, &lanes, sizeof halves);
}

// Whether any lane is set.
inline bool AnyLane(Bytes16 lanes) {
  uint64_t halves[2];
  Halves(lanes, halves);
  return (halves[0] | halves[1]) != 0;
}

}  // namespace edge
