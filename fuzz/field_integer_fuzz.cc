// The two-character integer conversion agrees with a reference that lists
// the accepted forms one by one.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "airtally/field_integer.h"
#include "fuzz/fuzz_support.h"

namespace {

std::optional<int64_t> Digit(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

// Two decimal digits; a blank, "+" or "-" and one decimal digit; "$", "x"
// or "X" and one hex digit. Nothing else of two characters or fewer.
std::optional<int64_t> Reference(std::string_view field) {
  if (field.size() == 1) return Digit(field[0], 10);
  if (field.size() != 2) return std::nullopt;
  const char first = field[0];
  const auto second = Digit(field[1], 10);
  if (const auto tens = Digit(first, 10); tens && second) return *tens * 10 + *second;
  if ((first == ' ' || first == '+') && second) return second;
  if (first == '-' && second) return -*second;
  if (first == '$' || first == 'x' || first == 'X') return Digit(field[1], 16);
  return std::nullopt;
}

}  // namespace

// The fields the scan hands over are two characters long; shorter ones are
// checked too.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view field(reinterpret_cast<const char*>(data), size < 2 ? size : 2);
  int64_t value = 12345;
  const bool parsed = airtally::ParseFieldInteger(field, &value);
  const std::optional<int64_t> expected = Reference(field);
  FUZZ_CHECK(parsed == expected.has_value());
  if (parsed) FUZZ_CHECK(value == *expected);
  return 0;
}
