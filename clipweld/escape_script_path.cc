// Script path escaping: separators doubled, Russian letters as hex escapes.
#include "clipweld/escape_script_path.h"

namespace clipweld {

const std::array<LetterEscape, 33> LetterEscapes = {{
    {"\xD0\x90", "\xD0\xB0", "\\xd0\\xb0"},  // А а
    {"\xD0\x91", "\xD0\xB1", "\\xd0\\xb1"},  // Б б
    {"\xD0\x92", "\xD0\xB2", "\\xd0\\xb2"},  // В в
    {"\xD0\x93", "\xD0\xB3", "\\xd0\\xb3"},  // Г г
    {"\xD0\x94", "\xD0\xB4", "\\xd0\\xb4"},  // Д д
    {"\xD0\x95", "\xD0\xB5", "\\xd0\\xb5"},  // Е е
    {"\xD0\x81", "\xD1\x91", "\\xd1\\x91"},  // Ё ё
    {"\xD0\x96", "\xD0\xB6", "\\xd0\\xb6"},  // Ж ж
    {"\xD0\x97", "\xD0\xB7", "\\xd0\\xb7"},  // З з
    {"\xD0\x98", "\xD0\xB8", "\\xd0\\xb8"},  // И и
    {"\xD0\x99", "\xD0\xB9", "\\xd0\\xb9"},  // Й й
    {"\xD0\x9A", "\xD0\xBA", "\\xd0\\xba"},  // К к
    {"\xD0\x9B", "\xD0\xBB", "\\xd0\\xbb"},  // Л л
    {"\xD0\x9C", "\xD0\xBC", "\\xd0\\xbc"},  // М м
    {"\xD0\x9D", "\xD0\xBD", "\\xd0\\xbd"},  // Н н
    {"\xD0\x9E", "\xD0\xBE", "\\xd0\\xbe"},  // О о
    {"\xD0\x9F", "\xD0\xBF", "\\xd0\\xbf"},  // П п
    {"\xD0\xA0", "\xD1\x80", "\\xd1\\x80"},  // Р р
    {"\xD0\xA1", "\xD1\x81", "\\xd1\\x81"},  // С с
    {"\xD0\xA2", "\xD1\x82", "\\xd1\\x82"},  // Т т
    {"\xD0\xA3", "\xD1\x83", "\\xd1\\x83"},  // У у
    {"\xD0\xA4", "\xD1\x84", "\\xd1\\x84"},  // Ф ф
    {"\xD0\xA5", "\xD1\x85", "\\xd1\\x85"},  // Х х
    {"\xD0\xA6", "\xD1\x86", "\\xd1\\x86"},  // Ц ц
    {"\xD0\xA7", "\xD1\x87", "\\xd1\\x87"},  // Ч ч
    {"\xD0\xA8", "\xD1\x88", "\\xd1\\x88"},  // Ш ш
    {"\xD0\xA9", "\xD1\x89", "\\xd1\\x89"},  // Щ щ
    {"\xD0\xAA", "\xD1\x8A", "\\xd1\\x8a"},  // Ъ ъ
    {"\xD0\xAB", "\xD1\x8B", "\\xd1\\x8b"},  // Ы ы
    {"\xD0\xAC", "\xD1\x8C", "\\xd1\\x8c"},  // Ь ь
    {"\xD0\xAD", "\xD1\x8D", "\\xd1\\x8d"},  // Э э
    {"\xD0\xAE", "\xD1\x8E", "\\xd1\\x8e"},  // Ю ю
    {"\xD0\xAF", "\xD1\x8F", "\\xd1\\x8f"},  // Я я
}};

namespace {

// The escape text of the letter whose UTF-8 pair starts `rest`, or empty.
std::string_view LetterEscapeAt(std::string_view rest) {
  if (rest.size() < 2) return {};
  const std::string_view pair = rest.substr(0, 2);
  for (const LetterEscape& letter : LetterEscapes) {
    if (pair == letter.capital || pair == letter.small) return letter.escape;
  }
  return {};
}

}  // namespace

std::string EscapeScriptPath(std::string_view path) {
  std::string escaped;
  escaped.reserve(path.size() * 2);
  size_t at = 0;
  while (at < path.size()) {
    if (const std::string_view escape = LetterEscapeAt(path.substr(at)); !escape.empty()) {
      escaped.append(escape);
      at += 2;
      continue;
    }
    const char byte = path[at++];
    if (byte == '\\' || byte == '/') {
      escaped.append("\\\\");
    } else {
      escaped.push_back(byte);
    }
  }
  return escaped;
}

}  // namespace clipweld
