// What ends a run of clipweld early, and the report it leaves.
#pragma once

#include <cstdint>
#include <string>

#include "edge/os_error.h"
#include "edge/platform.h"

namespace clipweld {

// Code addresses shown in the run-time error line: one per place that can
// fail, so that a report tells where the run stopped.
enum Place : uint32_t {
  kPlaceCreateScript = 0x00403A1C,
  kPlaceOpenList = 0x00403A48,
  kPlaceReadList = 0x00403A7D,
  kPlaceWriteScript = 0x00403B12,
  kPlaceEcho = 0x00403B40,
  kPlaceEndOfList = 0x00403C05,
  kPlaceCloseScript = 0x00403C31,
  kPlaceCloseList = 0x00403C4E,
  kPlaceCloseProgram = 0x00403D27,
  kPlaceFlushConsole = 0x00403D5A,
};

// A failed file or console operation: the system error code, which is also
// the exit code, and where it happened. Empty (tests as false) on success.
struct Failure {
  edge::OsError code = edge::kOk;
  Place place = kPlaceCreateScript;

  explicit operator bool() const { return code != edge::kOk; }
};

// No failure when `code` is kOk.
inline Failure InOutFailure(edge::OsError code, Place place) { return {code, place}; }

// The whole text written to standard output for `failure`.
inline std::string FailureReport(const Failure& failure) {
  return edge::RuntimeErrorReport(failure.code, failure.place);
}

}  // namespace clipweld
