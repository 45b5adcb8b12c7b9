// Failures and their report texts.
#include "airtally/failure.h"

#include "edge/os_error.h"

namespace airtally {

Failure InOutFailure(edge::OsError code, Place place) {
  if (code == edge::kOk) return {};
  return {FailureKind::kInOut, code, {}, place};
}

Failure ConvertFailure(std::string_view field, Place place) {
  return {FailureKind::kConvert, edge::kOk, std::string(field), place};
}

Failure RegistryFailure(std::string_view value_name, Place place) {
  return {FailureKind::kRegistry, edge::kOk, std::string(value_name), place};
}

std::string FailureReport(const Failure& failure, std::string_view module) {
  switch (failure.kind) {
    case FailureKind::kConvert:
      return edge::ExceptionReport("EConvertError", module, failure.address,
                                   "'" + failure.text + "' is not a valid integer value");
    case FailureKind::kRegistry:
      return edge::ExceptionReport("ERegistryException", module, failure.address,
                                   "Invalid data type for '" + failure.text + "'");
    default:
      return edge::ExceptionReport("EInOutError", module, failure.address,
                                   edge::InOutErrorMessage(failure.code));
  }
}

}  // namespace airtally
