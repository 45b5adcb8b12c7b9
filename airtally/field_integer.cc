// Integer conversion with the run-time's accepted forms.
#include "airtally/field_integer.h"

namespace airtally {
namespace {

int DigitValue(char c, int base) {
  int value = base;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

bool ParseFieldInteger(std::string_view field, int64_t* value) {
  size_t pos = 0;
  while (pos < field.size() && field[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < field.size() && (field[pos] == '+' || field[pos] == '-')) {
    negative = field[pos] == '-';
    ++pos;
  }
  int base = 10;
  if (pos < field.size() && (field[pos] == '$' || field[pos] == 'x' || field[pos] == 'X')) {
    base = 16;
    ++pos;
  } else if (pos + 1 < field.size() && field[pos] == '0' &&
             (field[pos + 1] == 'x' || field[pos + 1] == 'X')) {
    base = 16;
    pos += 2;
  }
  if (pos == field.size()) return false;
  int64_t result = 0;
  for (; pos < field.size(); ++pos) {
    const int digit = DigitValue(field[pos], base);
    if (digit < 0) return false;
    result = result * base + digit;
  }
  *value = negative ? -result : result;
  return true;
}

}  // namespace airtally
