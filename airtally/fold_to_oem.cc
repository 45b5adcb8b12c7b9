// The 256-entry folding table and its use.
#include "airtally/fold_to_oem.h"

#include <array>

namespace airtally {
namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) {
    int folded = b;
    if (b >= 0xC0 && b <= 0xCF) {
      folded = b - 0x20;  // А-П
    } else if (b >= 0xD0 && b <= 0xDF) {
      folded = b + 0x10;  // Р-Я
    } else if (b >= 0xE0 && b <= 0xEF) {
      folded = b - 0x40;  // а-п
    } else if (b >= 0xF0) {
      folded = b - 0x10;  // р-я
    } else if (b == 0xA8 || b == 0xB8) {
      folded = 0xF1;  // Ё ё
    }
    table[b] = static_cast<unsigned char>(folded);
  }
  return table;
}

}  // namespace

constexpr std::array<unsigned char, 256> kFoldTable = MakeFoldTable();

void FoldToOemInto(std::string_view text, std::string* folded) {
  folded->resize(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    (*folded)[i] = static_cast<char>(FoldByte(text[i]));
  }
}

std::string FoldToOem(std::string_view text) {
  std::string folded;
  FoldToOemInto(text, &folded);
  return folded;
}

}  // namespace airtally
