// What ends a run of airtally early, and the report it leaves.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "edge/platform.h"

namespace airtally {

// Code addresses shown in the error report: one per place that can fail, so
// that a report tells where the run stopped.
enum Place : uint32_t {
  kPlacePrompt = 0x00408A10,
  kPlaceAnswer = 0x00408A24,
  kPlaceOpenList = 0x00408A3C,
  kPlaceReadList = 0x00408A58,
  kPlaceCloseList = 0x00408A70,
  kPlaceLogEcho = 0x00408B14,
  kPlaceReadLog = 0x00408B30,
  kPlaceCloseLog = 0x00408B4C,
  kPlaceTakeEcho = 0x00408C08,
  kPlaceConvert = 0x00408C2C,
  kPlaceListing = 0x00409110,
  kPlaceEnterPrompt = 0x00409134,
  kPlaceEnterRead = 0x00409150,
  kPlaceDesktop = 0x0040916C,
  kPlaceCreateReport = 0x00409210,
  kPlaceWriteReport = 0x00409238,
  kPlaceCloseReport = 0x00409260,
  kPlaceSummaryLine = 0x00409314,
  kPlaceSummaryEcho = 0x00409340,
  kPlaceCreateSummary = 0x00409384,
  kPlaceWriteSummary = 0x004093A8,
  kPlaceCloseSummary = 0x004093CC,
  kPlaceFlush = 0x00408F90,
};

enum class FailureKind { kNone, kInOut, kConvert, kRegistry };

// Empty (kNone) when the step succeeded; tests as false then.
struct Failure {
  FailureKind kind = FailureKind::kNone;
  edge::OsError code = edge::kOk;  // kInOut: the system error code
  std::string text;                // kConvert: the field; kRegistry: the value name
  uint32_t address = 0;

  explicit operator bool() const { return kind != FailureKind::kNone; }
};

// A failed file or console operation; no failure when `code` is kOk.
Failure InOutFailure(edge::OsError code, Place place);
// A duration field that is no integer.
Failure ConvertFailure(std::string_view field, Place place);
// A registry value of the wrong type.
Failure RegistryFailure(std::string_view value_name, Place place);

// The whole text written to standard error for `failure`.
std::string FailureReport(const Failure& failure, std::string_view module);

}  // namespace airtally
