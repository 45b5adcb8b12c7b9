// Error texts of the programs' run-time, formed exactly.
#include "edge/os_error.h"

#include <cstdio>

namespace edge {
namespace {

std::string Hex8(uint32_t value) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(value));
  return digits;
}

}  // namespace

std::string InOutErrorMessage(OsError code) {
  switch (code) {
    case kErrorFileNotFound:
      return "File not found";
    case kErrorPathNotFound:
      return "Invalid filename";
    case kErrorTooManyOpenFiles:
      return "Too many open files";
    case kErrorAccessDenied:
      return "File access denied";
    default:
      return "I/O error " + std::to_string(code);
  }
}

std::string ExceptionReport(std::string_view kind, std::string_view module, uint32_t address,
                            std::string_view message) {
  std::string report = "Exception ";
  report.append(kind).append(" in module ").append(module);
  report.append(" at ").append(Hex8(address)).append(".\r\n");
  report.append(message);
  if (message.empty() || message.back() != '.') report.push_back('.');
  report.append("\r\n\r\n");
  return report;
}

std::string RuntimeErrorReport(OsError code, uint32_t address) {
  return "Runtime error " + std::to_string(code) + " at " + Hex8(address) + "\r\n";
}

std::string_view FileNameOf(std::string_view windows_path) {
  const size_t slash = windows_path.rfind('\\');
  return slash == std::string_view::npos ? windows_path : windows_path.substr(slash + 1);
}

}  // namespace edge
