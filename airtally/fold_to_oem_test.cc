#include "airtally/fold_to_oem.h"

#include <gtest/gtest.h>

#include "airtally/texts.h"

namespace airtally {
namespace {

TEST(FoldToOemTest, EveryCyrillicLetterFoldsToItsSmallOemForm) {
  // А-Я and а-я in Windows-1251, and the small letters in code page 866.
  std::string capitals, smalls, oem;
  for (int i = 0; i < 32; ++i) {
    capitals.push_back(static_cast<char>(0xC0 + i));
    smalls.push_back(static_cast<char>(0xE0 + i));
    oem.push_back(static_cast<char>(i < 16 ? 0xA0 + i : 0xE0 + i - 16));
  }
  EXPECT_EQ(oem, FoldToOem(capitals));
  EXPECT_EQ(oem, FoldToOem(smalls));
  EXPECT_EQ("\xF1\xF1", FoldToOem("\xA8\xB8"));  // Ё ё
}

TEST(FoldToOemTest, OtherBytesStay) {
  for (int b = 0; b < 0xC0; ++b) {
    if (b == 0xA8 || b == 0xB8) continue;
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(byte, FoldToOem(byte)) << b;
  }
  EXPECT_EQ("", FoldToOem(""));
  EXPECT_EQ("ABC abc 12:30 \\_-", FoldToOem("ABC abc 12:30 \\_-"));
}

TEST(FoldToOemTest, MarkerMatchesInAnyCase) {
  // \_реклама\ and \_РеКлАмА\ written in Windows-1251.
  EXPECT_EQ(FoldToOem(kAdvertisingMarker), FoldToOem("\\_\xF0\xE5\xEA\xEB\xE0\xEC\xE0\\"));
  EXPECT_EQ(FoldToOem(kAdvertisingMarker), FoldToOem("\\_\xD0\xE5\xCA\xEB\xC0\xEC\xC0\\"));
}

TEST(FoldToOemTest, YoAndYeStayApart) {
  EXPECT_NE(FoldToOem("\xB8"), FoldToOem("\xE5"));
  EXPECT_EQ(FoldToOem("\xC5"), FoldToOem("\xE5"));
}

TEST(FoldToOemTest, IsNotOneToOne) {
  // The folded л (0xAB) equals an opening guillemet, which stays as it is.
  EXPECT_EQ(FoldToOem("\xEB"), FoldToOem("\xAB"));
  // Folding twice is not folding once: the folded и (0xA8) folds again to ё.
  EXPECT_EQ("\xA8", FoldToOem("\xE8"));
  EXPECT_EQ("\xF1", FoldToOem(FoldToOem("\xE8")));
}

}  // namespace
}  // namespace airtally
