#include "airtally/field_integer.h"

#include <gtest/gtest.h>

namespace airtally {
namespace {

TEST(FieldIntegerTest, AcceptedForms) {
  const struct {
    const char* field;
    int64_t value;
  } cases[] = {{"00", 0},  {"07", 7},  {"59", 59}, {" 5", 5},  {"+5", 5},
               {"-5", -5}, {"$F", 15}, {"xA", 10}, {"Xf", 15}, {"$0", 0}};
  for (const auto& c : cases) {
    int64_t value = -99;
    EXPECT_TRUE(ParseFieldInteger(c.field, &value)) << c.field;
    EXPECT_EQ(c.value, value) << c.field;
  }
}

TEST(FieldIntegerTest, RefusedForms) {
  for (const char* field :
       {"5 ", "  ", "ab", "1a", "$ ", "$G", "x ", "- ", " +", "+-", "0x", "", "\xD0\xE5", "1:"}) {
    int64_t value = -99;
    EXPECT_FALSE(ParseFieldInteger(field, &value)) << field;
    EXPECT_EQ(-99, value);
  }
}

}  // namespace
}  // namespace airtally
